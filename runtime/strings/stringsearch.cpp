// Searching one string in another: without regard to case, or byte for byte.
#include "runtime/strings/stringsearch.h"

#include "base/memorypool.h"
#include "runtime/strings/boyermoore.h"
#include "runtime/strings/chartables.h"

#include <windows.h>

#include <cstring>

namespace {
// Below these a plain scan is faster than building Boyer–Moore tables.
constexpr int32_t boyerMooreShortestFind = 5;
constexpr int32_t boyerMooreFewestCandidates = 81;

int32_t scanBytes(const uint8_t* text, int32_t length, const uint8_t* find, int32_t findLength, int32_t offset)
{
    const uint8_t* last = text + length - findLength;
    for (const uint8_t* at = text + offset; at <= last; ++at) {
        at = static_cast<const uint8_t*>(memchr(at, find[0], last - at + 1));
        if (!at)
            return -1;
        if (memcmp(at + 1, find + 1, findLength - 1) == 0)
            return static_cast<int32_t>(at - text);
    }
    return -1;
}

// 0-based offset of the last place a match can begin, or -1 when none can at or after offset.
int32_t lastCandidate(int32_t length, int32_t findLength, int32_t offset)
{
    return offset < length && length - offset >= findLength ? length - findLength : -1;
}

// The system converts in place over exactly `length` bytes, so the copy keeps its size.
uint8_t* upperCaseCopy(const uint8_t* bytes, int32_t length)
{
    auto* copy = static_cast<uint8_t*>(poolAllocate(length, false));
    memcpy(copy, bytes, length);
    CharUpperBuffA(reinterpret_cast<char*>(copy), length);
    return copy;
}
} // namespace

int32_t searchBytes(const uint8_t* text, int32_t length, const uint8_t* find, int32_t findLength, int32_t offset)
{
    offset = offset < 0 ? 0 : offset;
    int32_t last = lastCandidate(length, findLength, offset);
    if (last < 0)
        return -1;
    int32_t found;
    if (findLength >= boyerMooreShortestFind && last - offset + 1 >= boyerMooreFewestCandidates &&
        boyerMooreSearch(text + offset, length - offset, find, findLength, found))
        return found < 0 ? -1 : found + offset;
    return scanBytes(text, length, find, findLength, offset);
}

CaselessSearch::CaselessSearch(const StringRecord* s, const StringRecord* findString)
    : text(stringBytes(s)), length(stringLength(s)), find(stringBytes(findString)), findLength(stringLength(findString))
{
    if (!charTables().doubleByte || length == 0 || findLength == 0)
        return;
    upperText = upperCaseCopy(text, length);
    upperFind = upperCaseCopy(find, findLength);
}

CaselessSearch::~CaselessSearch()
{
    poolFree(upperText, length);
    poolFree(upperFind, findLength);
}

int32_t CaselessSearch::next(int32_t offset) const
{
    offset = offset < 0 ? 0 : offset;
    int32_t last = lastCandidate(length, findLength, offset);
    if (last < 0 || findLength == 0)
        return -1;
    return upperText ? nextDoubleByte(offset, last) : nextSingleByte(offset, last);
}

// Steps over whole characters of the original text, so a match begins where a character does.
int32_t CaselessSearch::nextDoubleByte(int32_t offset, int32_t last) const
{
    const uint8_t* lead = charTables().lead;
    for (int32_t at = offset; at <= last; at += lead[text[at]] ? 2 : 1) {
        if (upperText[at] == upperFind[0] && memcmp(upperText + at, upperFind, findLength) == 0)
            return at;
    }
    return -1;
}

int32_t CaselessSearch::nextSingleByte(int32_t offset, int32_t last) const
{
    const uint8_t* upper = charTables().upper;
    for (int32_t at = offset; at <= last; ++at) {
        int32_t i = 0;
        while (i < findLength && upper[text[at + i]] == upper[find[i]])
            ++i;
        if (i == findLength)
            return at;
    }
    return -1;
}

// An empty find is found where the search starts, whatever that is.
extern "C" int32_t StringInStr(int32_t start, StringRecord* s, StringRecord* find)
{
    if (!s)
        return 0;
    if (!find)
        return start;
    CaselessSearch search(s, find);
    int32_t found = search.next(start < 1 ? 0 : start - 1);
    return found + 1;
}

extern "C" int32_t StringInStrB(int32_t start, StringRecord* s, StringRecord* find)
{
    if (!s)
        return 0;
    if (!find)
        return start;
    int32_t found = searchBytes(s->buffer + 1, s->length, find->buffer + 1, find->length, start < 1 ? 0 : start - 1);
    return found + 1;
}
