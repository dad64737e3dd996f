// The layout of the resource table carried behind the image (or in its own file in file mode).
// The image packer writes it and the runtime reads it, both from this one header; it stays free
// of Win32 for the tools.
#pragma once

#include <cstdint>

// All words big-endian: the item count N, N entry words, then the items' data. Entry k (1-based)
// is the offset of item k's data from the end of the entries. A stored-apart item's data is one
// word, the file offset of its bytes.
constexpr uint32_t resourceWordBytes = 4;
constexpr uint32_t resourceStoredApartItemBytes = resourceWordBytes;

// Where entry `item` (1-based) lies, from the start of the table.
constexpr uint64_t resourceEntryOffset(uint32_t item)
{
    return uint64_t(resourceWordBytes) * item;
}

// Where the items' data begins, from the start of the table.
constexpr uint64_t resourceItemsOffset(uint32_t count)
{
    return resourceWordBytes + uint64_t(resourceWordBytes) * count;
}
