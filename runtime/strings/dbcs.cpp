// Double-byte text: string functions that count characters of one or two bytes.
#include "runtime/strings/dbcs.h"

#include "runtime/strings/chartables.h"

#include <algorithm>

namespace {
// Steps over up to `count` characters from `at`; a lead byte in the last position is one.
const uint8_t* skipCharacters(const uint8_t* lead, const uint8_t* at, const uint8_t* end, int64_t count)
{
    for (; count > 0 && at < end; --count)
        at += 1 + lead[*at];
    return std::min(at, end);
}

// 1-based position of the last byte of the count-th character from 0-based `from`, or just
// past the text when there are fewer characters.
int32_t endByteFrom(const StringRecord* s, int32_t from, int64_t count)
{
    const uint8_t* lead = charTables().lead;
    const uint8_t* begin = stringBytes(s);
    const uint8_t* end = begin + stringLength(s);
    const uint8_t* at = skipCharacters(lead, begin + from, end, count - 1);
    if (at == end)
        return stringLength(s) + 1;
    return static_cast<int32_t>(at - begin) + (lead[*at] && at + 1 < end ? 2 : 1);
}

// The number of the character that begins at 1-based byte position p.
int32_t characterNumberAt(const StringRecord* s, int32_t p)
{
    const uint8_t* lead = charTables().lead;
    const uint8_t* begin = stringBytes(s);
    const uint8_t* end = begin + stringLength(s);
    int32_t number = 1;
    for (const uint8_t* at = begin; at < end && at - begin + 1 < p; at += 1 + lead[*at])
        ++number;
    return number;
}

bool doubleByteMode()
{
    return charTables().doubleByte;
}
} // namespace

int32_t dbcsStartByte(const StringRecord* s, int32_t k)
{
    if (k < 1 || !s)
        return 0;
    const uint8_t* begin = stringBytes(s);
    const uint8_t* end = begin + s->length;
    return static_cast<int32_t>(skipCharacters(charTables().lead, begin, end, k - 1) - begin) + 1;
}

int32_t dbcsEndByte(const StringRecord* s, int32_t k)
{
    return k < 1 || !s ? 0 : endByteFrom(s, 0, k);
}

int32_t dbcsCharacterCount(const StringRecord* s)
{
    const uint8_t* lead = charTables().lead;
    const uint8_t* at = stringBytes(s);
    const uint8_t* end = at + stringLength(s);
    int32_t count = 0;
    for (; at < end; ++count)
        at += 1 + lead[*at];
    return count;
}

extern "C" int32_t StringDBCSLen(StringRecord* s)
{
    return dbcsCharacterCount(s);
}

extern "C" StringRecord* StringDBCSLeft(StringRecord* s, int32_t n)
{
    return doubleByteMode() ? StringLeft(s, dbcsEndByte(s, n)) : StringLeft(s, n);
}

extern "C" StringRecord* StringDBCSRight(StringRecord* s, int32_t n)
{
    if (!doubleByteMode())
        return StringRight(s, n);
    if (n <= 0)
        return nullptr;
    int32_t count = dbcsCharacterCount(s);
    if (n >= count)
        return RuntimeLockString(s);
    return StringRight(s, stringLength(s) - dbcsStartByte(s, count - n + 1) + 1);
}

extern "C" StringRecord* StringDBCSMid2(StringRecord* s, int32_t k)
{
    return doubleByteMode() ? StringMid2(s, dbcsStartByte(s, k)) : StringMid2(s, k);
}

// The walk to the last character goes on from the first one rather than starting again.
extern "C" StringRecord* StringDBCSMid3(StringRecord* s, int32_t k, int32_t n)
{
    if (!doubleByteMode())
        return StringMid3(s, k, n);
    int64_t last = int64_t(k) + n - 1;
    int32_t first = dbcsStartByte(s, k);
    int32_t lastEnd;
    if (k >= 1 && n >= 1 && first <= stringLength(s))
        lastEnd = endByteFrom(s, first - 1, n);
    else
        lastEnd = last < 1 || !s ? 0 : endByteFrom(s, 0, last);
    return StringMid3(s, first, lastEnd - first + 1);
}

// The search steps over whole characters, so a byte it finds is where a character begins.
extern "C" int32_t StringDBCSInStr(int32_t k, StringRecord* s, StringRecord* find)
{
    if (!doubleByteMode())
        return StringInStr(k, s, find);
    int32_t found = StringInStr(dbcsStartByte(s, k), s, find);
    return found == 0 ? 0 : characterNumberAt(s, found);
}

extern "C" int32_t StringDBCSAsc(StringRecord* s)
{
    const uint8_t* bytes = stringBytes(s);
    if (stringLength(s) >= 2 && charTables().lead[bytes[0]])
        return bytes[0] * 256 + bytes[1];
    return bytes[0];
}

// A code above 255 is two bytes, its high byte first.
extern "C" StringRecord* StringDBCSChr(int32_t code)
{
    char bytes[2] = {static_cast<char>(code >> 8), static_cast<char>(code)};
    return code > 255 ? stringMake(bytes, 2) : stringMake(bytes + 1, 1);
}
