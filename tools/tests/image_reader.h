// Test-only reader of images, written independently of the runtime's loader from the image format:
// splits the four blocks, decodes link records, and loads an image at chosen bases.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

namespace testsupport {

struct ImageFile {
    std::vector<uint8_t> code, links, data, relocations;
};

// Empty when the bytes are not exactly four length-prefixed blocks.
std::optional<ImageFile> readImageFile(std::span<const uint8_t> bytes);

struct ImportRecord {
    std::string name;
    uint32_t firstSite;
};

struct LinkRecordList {
    std::vector<uint32_t> fixups;
    std::vector<ImportRecord> imports;
    std::string order; // one letter per record, "F" or "I", in stream order
};

LinkRecordList decodeLinkRecords(std::span<const uint8_t> links);

// Follows a call-site chain through the unlinked code; stops after 100000 steps.
std::vector<uint32_t> walkChain(std::span<const uint8_t> code, uint32_t firstSite);

// Words of the data block that the relocation instructions patch, with the base each
// gets: 'C' code, 'D' data.
struct RelocatedWord {
    uint32_t offset;
    char base;
    bool operator==(const RelocatedWord&) const = default;
};
void PrintTo(const RelocatedWord& word, std::ostream* out);
std::vector<RelocatedWord> decodeDataRelocations(std::span<const uint8_t> relocations);

struct LoadedImage {
    std::vector<uint8_t> code, data;
};

// Links and relocates the image as the runtime does, with the code block at `codeBase`,
// the data block at `dataBase`, and every import name resolved by `resolve`.
LoadedImage loadImage(const ImageFile& image, uint32_t codeBase, uint32_t dataBase,
                      const std::function<uint32_t(const std::string&)>& resolve);

uint32_t wordAt(std::span<const uint8_t> bytes, uint32_t offset);

} // namespace testsupport
