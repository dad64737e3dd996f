// The last check before a form goes to a printer.
#pragma once

#include "app/formwindow.h"
#include "app/ownedtext.h"

// Whether the kanji line and the figure line that would be printed state one and the same
// amount; when they do not, the user is told so with both lines, and nothing may be printed.
[[nodiscard]] bool printedAmountAgrees(FormWindowFields* window);

// The digits of the figure line that would be printed (without "￥ ", separators and "-"); Nil
// when the line is not one.
OwnedText printedFigures(FormWindowFields* window);
