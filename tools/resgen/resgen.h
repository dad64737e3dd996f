// The resource generator's work from description texts to the image's data, without files.
#pragma once

#include "common/diagnostics.h"
#include "resgen/builtin_classes.h"
#include "resgen/image_model.h"
#include "resgen/plugin_libraries.h"

#include <optional>
#include <span>
#include <string>

namespace resgen {

struct DescriptionFile {
    std::string path; // in messages; pictures are found relative to its folder
    std::string text;
};

// Reads, checks and encodes everything the files describe. Every problem found is reported;
// the result is empty when there was any.
// `libraries` says where the build found the plug-in libraries the project names.
std::optional<ImageModel> buildImageModel(const BuiltinClasses& builtins, std::span<const DescriptionFile> files,
                                          tools::Diagnostics& diagnostics,
                                          std::span<const PluginLibraryFile> libraries = {});

} // namespace resgen
