// The value an amount's kanji text and its figures stand for, so that the two can be compared.
#pragma once

#include "app/runtime.h"

using AmountValue = unsigned long long;

// The value of a kanji amount as the keypad builds it (壱萬五千, 参千萬, 壱萬萬弐千萬): every unit
// after its digit, the units of a group falling (千 百 拾), groups of 萬 falling (萬萬 then 萬), and
// nothing else. False when the text does not read as an amount.
bool kanjiAmountValue(StringRecord* kanji, AmountValue& value);

// The value of figures: digits only, no leading zero, at most 18 of them.
bool figureAmountValue(StringRecord* figures, AmountValue& value);
