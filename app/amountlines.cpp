// The two printed amount lines, 金 参萬五千圓 也 and ￥ 35,000-: each made and read back here
// and nowhere else.
#include "app/amountlines.h"

#include "appdata.h"

namespace {

STRING_CONSTANT(kanjiOpening, "金 ");
STRING_CONSTANT(kanjiClosing, "圓 也");
STRING_CONSTANT(figureOpening, "￥ ");
STRING_CONSTANT(figureClosing, "-");
STRING_CONSTANT(groupSeparator, ",");

bool sameBytes(StringRecord* left, StringRecord* right)
{
    return StringStrCompare(left, right, 0) == 0;
}

// The text between a line's opening and closing, or Nil when it lacks either.
OwnedText between(StringRecord* line, StringRecord* opening, StringRecord* closing)
{
    int length = StringLen(line), open = StringLen(opening), close = StringLen(closing);
    if (length <= open + close)
        return OwnedText();
    OwnedText head(StringMid3(line, 1, open)), tail(StringMid3(line, length - close + 1, close));
    if (!sameBytes(head.get(), opening) || !sameBytes(tail.get(), closing))
        return OwnedText();
    return OwnedText(StringMid3(line, open + 1, length - open - close));
}

} // namespace

OwnedText kanjiLineOf(StringRecord* spoken)
{
    return joined(&kanjiOpening.record, spoken, &kanjiClosing.record);
}

OwnedText spokenOf(StringRecord* kanjiLine)
{
    return between(kanjiLine, &kanjiOpening.record, &kanjiClosing.record);
}

OwnedText figureLineOf(StringRecord* figures)
{
    if (!figures || figures->length == 0)
        return OwnedText();
    OwnedText grouped(NumChange(reinterpret_cast<ObjectHeader*>(NumModuleInstance), figures));
    return joined(&figureOpening.record, grouped.get(), &figureClosing.record);
}

OwnedText figuresOf(StringRecord* figureLine)
{
    OwnedText grouped(between(figureLine, &figureOpening.record, &figureClosing.record));
    return OwnedText(StringReplaceAll(grouped.get(), &groupSeparator.record, nullptr));
}
