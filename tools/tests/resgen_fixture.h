// Test-only helpers for the resource generator: a small table of built-in classes, a run of
// the generator over description texts, and PNG files made on the spot.
#pragma once

#include "resgen/image_model.h"
#include "resgen/resgen.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace testsupport {

// A few built-in classes, with the sizes the tests expect.
extern const char* const kTestBuiltinClasses;

struct GeneratorRun {
    std::optional<resgen::ImageModel> model;
    std::vector<std::string> messages;
};

GeneratorRun runGenerator(const std::vector<resgen::DescriptionFile>& files);

// Writes a PNG of width x height RGBA pixels (red first, rows from the top).
void writePng(const std::string& path, uint32_t width, uint32_t height, const std::vector<uint8_t>& rgba);

const resgen::ProjectItem* findItem(const resgen::ImageModel& model, resgen::ProjectItemKind kind);

} // namespace testsupport
