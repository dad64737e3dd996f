// Trimming white space from either end of a string.
#include "runtime/strings/chartables.h"
#include "runtime/strings/string.h"

#include <windows.h>

namespace {
// In double-byte mode the system classifies each character (an ideographic space is white
// space too); a lead byte with no trail byte after it never is.
bool isWhiteSpace(const CharTables& tables, const uint8_t* at, int32_t size)
{
    if (!tables.doubleByte)
        return tables.space[*at] != 0;
    if (tables.lead[*at] && size == 1)
        return false;
    WORD types[2] = {0, 0};
    GetStringTypeExA(LOCALE_USER_DEFAULT, CT_CTYPE1, reinterpret_cast<const char*>(at), size, types);
    return (types[0] & C1_SPACE) != 0;
}

// 0-based offset of the first character that is not white space; the length if none.
int32_t leadingSpaceEnd(const StringRecord* s)
{
    const CharTables& tables = charTables();
    const uint8_t* begin = stringBytes(s);
    const uint8_t* end = begin + stringLength(s);
    const uint8_t* at = begin;
    while (at < end) {
        int32_t size = charSize(tables, at, end);
        if (!isWhiteSpace(tables, at, size))
            break;
        at += size;
    }
    return static_cast<int32_t>(at - begin);
}

// 0-based offset just after the last character that is not white space; 0 if none. Characters
// can only be told apart from the start, so the walk goes forward.
int32_t trailingSpaceStart(const StringRecord* s, int32_t from)
{
    const CharTables& tables = charTables();
    const uint8_t* begin = stringBytes(s);
    const uint8_t* end = begin + stringLength(s);
    int32_t textEnd = from;
    for (const uint8_t* at = begin + from; at < end;) {
        int32_t size = charSize(tables, at, end);
        at += size;
        if (!isWhiteSpace(tables, at - size, size))
            textEnd = static_cast<int32_t>(at - begin);
    }
    return textEnd;
}
} // namespace

extern "C" StringRecord* runLTrim(StringRecord* s)
{
    return stringMiddlePart(s, leadingSpaceEnd(s), stringLength(s));
}

extern "C" StringRecord* runRTrim(StringRecord* s)
{
    return stringLeftPart(s, trailingSpaceStart(s, 0));
}

extern "C" StringRecord* runTrim(StringRecord* s)
{
    int32_t start = leadingSpaceEnd(s);
    return stringMiddlePart(s, start, trailingSpaceStart(s, start) - start);
}
