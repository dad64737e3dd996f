// The value an amount's kanji text and its figures stand for, so that the two can be compared.
#pragma once

#include "app/runtime.h"

using AmountValue = unsigned long long;

// The largest amount written in kanji: 9999億9999萬9999.
constexpr AmountValue largestAmount = 999999999999ULL;

// The value of a kanji amount as the keypad or the figure entry builds it (壱萬五千, 参千萬,
// 壱億弐千萬, or 壱萬萬弐千萬 from the keypad): every unit after its digit, the units of a group
// falling (千 百 拾), groups falling (億 or 萬萬, then 萬), and nothing else. False when the text
// does not read as an amount.
[[nodiscard]] bool kanjiAmountValue(StringRecord* kanji, AmountValue& value);

// The kanji of an amount in the program's code page, without "金 " and "圓 也".
struct KanjiAmountText {
    char bytes[48]; // 9999億9999萬9999 takes 23 double-byte characters
    int length;
};

// The kanji amount of a value from 1 to largestAmount, as the keypad would build it with each
// non-zero digit followed by its unit (参萬五 for 30005), 億 written as such: the inverse of
// kanjiAmountValue. False for a value out of that range.
[[nodiscard]] bool kanjiAmountText(AmountValue value, KanjiAmountText& text);

// The value of figures: digits only, no leading zero, at most 18 of them.
[[nodiscard]] bool figureAmountValue(StringRecord* figures, AmountValue& value);

// The figures of a value from 1 to largestAmount without separators ("30005"): the inverse of
// figureAmountValue there. False for a value out of that range.
struct FigureAmountText {
    char bytes[12];
    int length;
};
[[nodiscard]] bool figureAmountText(AmountValue value, FigureAmountText& text);

// The value of an amount typed in figures: half-width or full-width digits, commas and spaces
// between them ignored. False for anything else, for zero and for more than largestAmount.
[[nodiscard]] bool typedAmountValue(StringRecord* typed, AmountValue& value);
