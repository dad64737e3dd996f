// Boyer–Moore search of a byte pattern, for long patterns in long texts.
#pragma once

#include <cstdint>

// Sets `found` to the 0-based offset of the first occurrence of the pattern (length 1 or
// more) in the text, or -1. Returns false, leaving the search to the caller, when its shift
// tables cannot be had.
bool boyerMooreSearch(const uint8_t* text, int32_t textLength, const uint8_t* pattern, int32_t patternLength,
                      int32_t& found);
