// Searching one string in another: without regard to case, or byte for byte.
#pragma once

#include "runtime/strings/string.h"

#include <cstdint>

// Finds `find` (not empty) in `s` without regard to case, from any 0-based byte offset on.
// In double-byte mode both texts are upper-cased once by the system and a match never begins
// on the trail byte of a character; otherwise bytes are folded through the single-byte table.
class CaselessSearch {
public:
    CaselessSearch(const StringRecord* s, const StringRecord* find);
    ~CaselessSearch();
    CaselessSearch(const CaselessSearch&) = delete;
    CaselessSearch& operator=(const CaselessSearch&) = delete;

    // 0-based offset of the first match at or after `offset` (below 0 counts as 0), or -1.
    int32_t next(int32_t offset) const;

private:
    int32_t nextDoubleByte(int32_t offset, int32_t last) const;
    int32_t nextSingleByte(int32_t offset, int32_t last) const;

    const uint8_t* text;
    int32_t length;
    const uint8_t* find;
    int32_t findLength;
    uint8_t* upperText = nullptr; // double-byte mode: the texts upper-cased
    uint8_t* upperFind = nullptr;
};

// 0-based offset of the first exact occurrence of find (length 1 or more) at or after
// `offset`, or -1.
int32_t searchBytes(const uint8_t* text, int32_t length, const uint8_t* find, int32_t findLength, int32_t offset);
