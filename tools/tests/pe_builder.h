// Test-only builder of small PE executables carrying a resource directory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

struct PeResource {
    std::u16string typeName; // empty: the type is `typeId`
    uint16_t typeId = 0;
    uint16_t id = 0;
    uint16_t language = 0x0411;
    std::vector<uint8_t> data;
};

struct PeOptions {
    std::vector<PeResource> resources;
    bool pe32Plus = false;
    bool dll = false;
};

// Where the parts of the last built file lie, for tests that damage them.
struct PeLayout {
    uint32_t peHeader = 0;
    uint32_t optionalHeader = 0;
    uint32_t resourceDirectoryEntry = 0; // file offset of data directory 2
    uint32_t sectionTable = 0;
    uint32_t resourceSection = 0;              // file offset of the .rsrc raw data (RVA kResourceRva)
    std::vector<uint32_t> typeDirectories;     // file offsets, per resource, of its type's directory
    std::vector<uint32_t> languageDirectories; // file offsets of each resource's language directory
    std::vector<uint32_t> dataEntries;         // file offsets of each resource's data entry
    std::vector<uint32_t> dataOffsets;         // file offsets of each resource's data
    uint32_t size = 0;
};

constexpr uint32_t kResourceRva = 0x2000;

// A bare host's resources: an icon type by id, an unrelated named type, then PICKLE 101
// holding "PICK" and four zero bytes.
PeOptions bareHostOptions();

std::vector<uint8_t> buildPe(const PeOptions& options, PeLayout* layout = nullptr);

} // namespace testsupport
