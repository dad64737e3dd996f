// The kinds of entry in the image's class table. The resource generator writes the table and
// the runtime reads it, both from this one header; it stays free of Win32 for the tools.
#pragma once

#include <cstdint>

// Every entry starts with its kind word. A reference is followed by the address of the class's
// name alone; a definition by the whole description of a class (image/classtable.cpp
// reads it in order).
constexpr uint32_t classEntryDefinition = 0, classEntryReference = 1;
