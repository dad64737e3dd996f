// The block of link records: how each record is laid out. The image linker writes it and the
// runtime's linker reads it, both from this one header; it stays free of Win32 for the tools.
#pragma once

#include <cstdint>

// Every record starts with its kind byte; a reader passes over any other kind one byte at a time.
//   import: kind, u32 LE code offset of the first call site (0: none), u8 name length, the name
//   fixup:  kind, u32 LE code offset of the word that gets the data base added
constexpr uint8_t linkRecordImport = 1;
constexpr uint8_t linkRecordFixup = 2;

// An import's name is counted in one byte and is never empty.
constexpr uint32_t linkImportNameLongest = 255;

// A call-site chain: the 32-bit operand of every site holds the code offset of the next site's
// operand, the last one linkChainEnd; so no chain can start at code offset 0.
constexpr uint32_t linkChainEnd = 0;
