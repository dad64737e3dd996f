// Per-process character tables: lead bytes of the ANSI code page and single-byte case and space.
#pragma once

#include <cstdint>

// Built on the first call that needs them and never changed afterwards (except by the test
// seam below). In double-byte mode only `lead` is filled: case and space then come from the
// system for each character, since a single byte says nothing about a two-byte character.
struct CharTables {
    uint8_t lead[256];  // 1 for every lead byte of the code page
    bool doubleByte;    // the code page has at least one lead byte
    uint8_t upper[256]; // single-byte mode only
    uint8_t lower[256]; // single-byte mode only
    uint8_t space[256]; // single-byte mode only: 1 for white space and blanks
};

const CharTables& charTables();

// Number of bytes of the character that starts at `at`, given `end`: a lead byte in the last
// position is a character of one byte.
inline int32_t charSize(const CharTables& tables, const uint8_t* at, const uint8_t* end)
{
    return tables.lead[*at] && at + 1 < end ? 2 : 1;
}

// Test seam: builds the tables again, as for a code page without lead bytes when `force` is
// set, else from the system.
void charTablesForceSingleByte(bool force);
