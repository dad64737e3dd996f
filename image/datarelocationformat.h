// The block of data relocations: 16-bit little-endian instructions over a cursor into the data
// block that starts at 0. The image linker writes them and the runtime applies them, both from
// this one header; it stays free of Win32 for the tools.
#pragma once

#include <cstdint>

// An advance moves the cursor by (word & relocationAdvanceBits) + 1 bytes.
constexpr uint16_t relocationAdvanceMask = 0xF000, relocationAdvance = 0x8000;
constexpr uint16_t relocationAdvanceBits = 0x0FFF;
constexpr uint32_t relocationLongestAdvance = relocationAdvanceBits + 1;

// A run adds a base to (word & relocationRunBits) + 1 words from the cursor on, and moves the
// cursor past them. The vector run is read like a code-base run; the linker never writes it.
// Every other word changes nothing.
constexpr uint16_t relocationRunMask = 0xFE00, relocationRunBits = 0x01FF;
constexpr uint16_t relocationRunByCodeBase = 0x4000, relocationRunByDataBase = 0x4200;
constexpr uint16_t relocationRunByCodeBaseVector = 0x4600;
constexpr uint32_t relocationLongestRun = relocationRunBits + 1;

constexpr uint32_t relocationAdvanceBytes(uint16_t word)
{
    return (word & relocationAdvanceBits) + 1u;
}

constexpr uint32_t relocationRunWords(uint16_t word)
{
    return (word & relocationRunBits) + 1u;
}
