// The two printed amount lines, 金 参萬五千圓 也 and ￥ 35,000-: each made and read back here
// and nowhere else.
#pragma once

#include "app/ownedtext.h"

// The kanji line of an amount as spoken (参萬五千).
OwnedText kanjiLineOf(StringRecord* spoken);
// The amount as spoken of a kanji line; Nil when the line lacks its opening or its closing or
// holds nothing between them.
OwnedText spokenOf(StringRecord* kanjiLine);

// The figure line of figures (30005 gives ￥ 30,005-); Nil while there are no figures.
OwnedText figureLineOf(StringRecord* figures);
// The figures of a figure line, without its separators; Nil when the line is not one.
OwnedText figuresOf(StringRecord* figureLine);

// NumModule's NumChange: the figures with a comma before every group of three from the right.
extern "C" StringRecord* NumChange(ObjectHeader* module, StringRecord* text);
