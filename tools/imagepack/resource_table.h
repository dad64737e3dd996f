// The resource table behind the image, laid out as image/resourcetableformat.h says; blob
// items are the ones whose bytes are stored apart.
#pragma once

#include "image/resourcetableformat.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace imagepack {

struct ResourceItem {
    bool blob = false; // false: the bytes are the item's data; true: they are stored apart
    std::string path;
    std::vector<uint8_t> bytes;
};

// Size of the table itself (count, entries and item data, without blob bytes).
uint64_t resourceTableSize(const std::vector<ResourceItem>& items);

// Total size of the blob items' bytes.
uint64_t resourceBlobSize(const std::vector<ResourceItem>& items);

// The blob items' bytes back to back, in item order.
std::vector<uint8_t> concatenateBlobs(const std::vector<ResourceItem>& items);

// Builds the table. `firstBlobOffset` is the file offset at which the first blob's bytes
// will sit; each blob item's data is the big-endian offset of its own bytes.
std::vector<uint8_t> buildResourceTable(const std::vector<ResourceItem>& items, uint32_t firstBlobOffset);

} // namespace imagepack
