// Boyer–Moore search of a byte pattern, for long patterns in long texts.
#include "runtime/strings/boyermoore.h"

#include "base/memorypool.h"

#include <algorithm>

namespace {
// badCharacter[c]: how far the last position of the pattern is from the last c before it.
void buildBadCharacterShifts(const uint8_t* pattern, int32_t m, int32_t* badCharacter)
{
    std::fill(badCharacter, badCharacter + 256, m);
    for (int32_t i = 0; i < m - 1; ++i)
        badCharacter[pattern[i]] = m - 1 - i;
}

// suffix[i]: length of the longest part ending at i that is also a suffix of the pattern.
void buildSuffixLengths(const uint8_t* pattern, int32_t m, int32_t* suffix)
{
    suffix[m - 1] = m;
    int32_t g = m - 1, f = m - 1;
    for (int32_t i = m - 2; i >= 0; --i) {
        if (i > g && suffix[i + m - 1 - f] < i - g) {
            suffix[i] = suffix[i + m - 1 - f];
            continue;
        }
        g = std::min(g, i);
        f = i;
        while (g >= 0 && pattern[g] == pattern[g + m - 1 - f])
            --g;
        suffix[i] = f - g;
    }
}

// goodSuffix[i]: the shift after a mismatch at i, lining up the matched suffix again.
void buildGoodSuffixShifts(const int32_t* suffix, int32_t m, int32_t* goodSuffix)
{
    std::fill(goodSuffix, goodSuffix + m, m);
    int32_t j = 0;
    for (int32_t i = m - 1; i >= 0; --i) {
        if (suffix[i] != i + 1)
            continue;
        for (; j < m - 1 - i; ++j) {
            if (goodSuffix[j] == m)
                goodSuffix[j] = m - 1 - i;
        }
    }
    for (int32_t i = 0; i <= m - 2; ++i)
        goodSuffix[m - 1 - suffix[i]] = m - 1 - i;
}

int32_t scan(const uint8_t* text, int32_t n, const uint8_t* pattern, int32_t m, const int32_t* badCharacter,
             const int32_t* goodSuffix)
{
    for (int32_t j = 0; j <= n - m;) {
        int32_t i = m - 1;
        while (i >= 0 && pattern[i] == text[i + j])
            --i;
        if (i < 0)
            return j;
        j += std::max(goodSuffix[i], badCharacter[text[i + j]] - m + 1 + i);
    }
    return -1;
}
} // namespace

bool boyerMooreSearch(const uint8_t* text, int32_t textLength, const uint8_t* pattern, int32_t patternLength,
                      int32_t& found)
{
    int32_t m = patternLength;
    if (m > INT32_MAX / 8)
        return false;
    int32_t tableBytes = m * 2 * static_cast<int32_t>(sizeof(int32_t));
    auto* suffix = static_cast<int32_t*>(poolAllocate(tableBytes, true));
    if (!suffix)
        return false;
    int32_t* goodSuffix = suffix + m;
    int32_t badCharacter[256];
    buildBadCharacterShifts(pattern, m, badCharacter);
    buildSuffixLengths(pattern, m, suffix);
    buildGoodSuffixShifts(suffix, m, goodSuffix);
    found = scan(text, textLength, pattern, m, badCharacter, goodSuffix);
    poolFree(suffix, tableBytes);
    return true;
}
