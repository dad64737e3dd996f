// The resource table behind the image, laid out as image/resourcetableformat.h says; blob
// items are the ones whose bytes are stored apart.
#include "imagepack/resource_table.h"

#include "common/endian.h"

namespace imagepack {

namespace {

uint64_t itemDataSize(const ResourceItem& item)
{
    return item.blob ? resourceStoredApartItemBytes : item.bytes.size();
}

} // namespace

uint64_t resourceTableSize(const std::vector<ResourceItem>& items)
{
    uint64_t size = resourceItemsOffset(static_cast<uint32_t>(items.size()));
    for (const ResourceItem& item : items)
        size += itemDataSize(item);
    return size;
}

uint64_t resourceBlobSize(const std::vector<ResourceItem>& items)
{
    uint64_t size = 0;
    for (const ResourceItem& item : items)
        size += item.blob ? item.bytes.size() : 0;
    return size;
}

std::vector<uint8_t> concatenateBlobs(const std::vector<ResourceItem>& items)
{
    std::vector<uint8_t> blobs;
    for (const ResourceItem& item : items) {
        if (item.blob)
            blobs.insert(blobs.end(), item.bytes.begin(), item.bytes.end());
    }
    return blobs;
}

std::vector<uint8_t> buildResourceTable(const std::vector<ResourceItem>& items, uint32_t firstBlobOffset)
{
    std::vector<uint8_t> table;
    tools::appendU32BE(table, static_cast<uint32_t>(items.size()));
    uint32_t itemOffset = 0;
    for (const ResourceItem& item : items) {
        tools::appendU32BE(table, itemOffset);
        itemOffset += static_cast<uint32_t>(itemDataSize(item));
    }
    uint32_t blobOffset = firstBlobOffset;
    for (const ResourceItem& item : items) {
        if (item.blob) {
            tools::appendU32BE(table, blobOffset);
            blobOffset += static_cast<uint32_t>(item.bytes.size());
        } else {
            table.insert(table.end(), item.bytes.begin(), item.bytes.end());
        }
    }
    return table;
}

} // namespace imagepack
