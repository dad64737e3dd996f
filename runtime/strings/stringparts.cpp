// Parts of strings by byte position, single bytes and the views of a string's buffer.
#include "runtime/strings/string.h"

#include <algorithm>

StringRecord* stringMiddlePart(StringRecord* s, int32_t offset, int32_t n)
{
    int32_t length = stringLength(s);
    offset = std::max(offset, 0);
    if (offset >= length || n <= 0)
        return nullptr;
    n = std::min(n, length - offset);
    if (n == length)
        return RuntimeLockString(s);
    return stringMake(stringText(s) + offset, n);
}

StringRecord* stringLeftPart(StringRecord* s, int32_t n)
{
    return stringMiddlePart(s, 0, n);
}

StringRecord* stringRightPart(StringRecord* s, int32_t n)
{
    int32_t length = stringLength(s);
    return n <= 0 ? nullptr : stringMiddlePart(s, n >= length ? 0 : length - n, n);
}

extern "C" int32_t StringLen(StringRecord* s)
{
    return stringLength(s);
}

extern "C" int32_t StringAsc(StringRecord* s)
{
    return stringBytes(s)[0];
}

extern "C" StringRecord* StringChr(int32_t code)
{
    char byte = static_cast<char>(code);
    return stringMake(&byte, 1);
}

extern "C" StringRecord* StringLeft(StringRecord* s, int32_t n)
{
    return stringLeftPart(s, n);
}

extern "C" StringRecord* StringRight(StringRecord* s, int32_t n)
{
    return stringRightPart(s, n);
}

extern "C" StringRecord* StringMid2(StringRecord* s, int32_t start)
{
    return stringMiddlePart(s, start < 1 ? 0 : start - 1, stringLength(s));
}

// A start below 1 eats into the count as if the missing bytes had been taken.
extern "C" StringRecord* StringMid3(StringRecord* s, int32_t start, int32_t n)
{
    int64_t count = n;
    if (start < 1) {
        count -= 1 - int64_t(start);
        start = 1;
    }
    if (count <= 0)
        return nullptr;
    return stringMiddlePart(s, start - 1, static_cast<int32_t>(std::min<int64_t>(count, INT32_MAX)));
}

extern "C" const char* StringToCString(StringRecord* s)
{
    return stringText(s);
}

extern "C" const uint8_t* StringToPString(StringRecord* s)
{
    return s ? s->buffer : stringBytes(s);
}
