// Links i386 COFF objects into the four blocks of an application image: code, link
// records, data and data relocations.
#pragma once

#include "common/diagnostics.h"
#include "imagelink/exports_def.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace imagelink {

struct InputObject {
    std::string path; // used in diagnostics and the map
    std::vector<uint8_t> bytes;
};

struct LinkOptions {
    std::string entry;      // C name of the entry routine, e.g. "ImageEntry"
    std::string classTable; // C name of the class table
};

// One line of the map. Kinds: "code" and "data" for defined symbols (offset in that block),
// "call" for an import call site (offset of its 32-bit operand in the code block, name of
// the runtime routine).
struct MapEntry {
    std::string kind;
    uint32_t offset = 0;
    std::string name;
};

struct LinkedImage {
    std::vector<uint8_t> code;
    std::vector<uint8_t> linkRecords;
    std::vector<uint8_t> data;
    std::vector<uint8_t> dataRelocations;
    std::vector<MapEntry> map;
};

// Links the objects. Every problem found is reported; the result is empty when there was any.
std::optional<LinkedImage> linkImage(std::span<const InputObject> objects, const ExportNames& exports,
                                     const LinkOptions& options, tools::Diagnostics& diagnostics);

// The image as it sits in the executable: each block as a u32 little-endian length and
// its bytes, in the order code, link records, data, data relocations.
std::vector<uint8_t> serializeImage(const LinkedImage& image);

// The map as text: one "kind offset name" line per entry, offset as 8 hex digits; code
// lines first, then data, then calls, each group in ascending offset order.
std::string formatMap(const LinkedImage& image);

} // namespace imagelink
