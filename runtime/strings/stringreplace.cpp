// Replacing the first or every occurrence of a text, without regard to case.
#include "runtime/strings/string.h"
#include "runtime/strings/stringsearch.h"

#include <cstring>

namespace {
// Matches in s, each searched for just after the previous one, up to `limit`.
int32_t countMatches(const CaselessSearch& search, int32_t first, int32_t findLength, int32_t limit)
{
    int32_t matches = 0;
    for (int32_t at = first; at >= 0; at = search.next(at + findLength)) {
        if (++matches == limit)
            break;
    }
    return matches;
}

// Writes s with `matches` matches, the first at `first`, replaced into `out`.
void writeReplaced(uint8_t* out, const CaselessSearch& search, int32_t first, int32_t matches, StringRecord* s,
                   StringRecord* find, StringRecord* replacement)
{
    const uint8_t* text = stringBytes(s);
    int32_t copiedUpTo = 0;
    for (int32_t i = 0, at = first; i < matches; ++i) {
        memcpy(out, text + copiedUpTo, at - copiedUpTo);
        out += at - copiedUpTo;
        memcpy(out, stringBytes(replacement), stringLength(replacement));
        out += stringLength(replacement);
        copiedUpTo = at + find->length;
        if (i + 1 < matches)
            at = search.next(copiedUpTo);
    }
    memcpy(out, text + copiedUpTo, s->length - copiedUpTo);
}

// A result too long to be a string cannot be had, like a buffer the memory cannot supply.
StringRecord* replaceMatches(StringRecord* s, StringRecord* find, StringRecord* replacement, int32_t limit)
{
    if (!s || !find)
        return RuntimeLockString(s);
    CaselessSearch search(s, find);
    int32_t first = search.next(0);
    if (first < 0)
        return RuntimeLockString(s);
    int32_t matches = countMatches(search, first, find->length, limit);
    int64_t length = s->length + int64_t(matches) * (stringLength(replacement) - find->length);
    if (length > stringLongest)
        return nullptr;
    StringRecord* result = stringMakeUninitialised(static_cast<int32_t>(length));
    if (result)
        writeReplaced(result->buffer + 1, search, first, matches, s, find, replacement);
    return result;
}
} // namespace

StringRecord* stringReplaceAll(StringRecord* s, StringRecord* find, StringRecord* replacement)
{
    return replaceMatches(s, find, replacement, INT32_MAX);
}

extern "C" StringRecord* StringReplace(StringRecord* s, StringRecord* find, StringRecord* replacement)
{
    return replaceMatches(s, find, replacement, 1);
}

extern "C" StringRecord* StringReplaceAll(StringRecord* s, StringRecord* find, StringRecord* replacement)
{
    return stringReplaceAll(s, find, replacement);
}
