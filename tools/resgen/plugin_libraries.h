// The plug-in libraries the image carries: the files the build names for them, read and
// checked to be Windows DLLs.
#pragma once

#include "common/diagnostics.h"
#include "resgen/descriptions.h"
#include "resgen/image_model.h"

#include <span>
#include <string>
#include <vector>

namespace resgen {

// Where the build found a library the project names.
struct PluginLibraryFile {
    std::string fileName; // as the project names it
    std::string path;
};

// One library for each the project names, in its order. Reports a library named twice, one
// the build gave no file for, a file given for none, and a file that is not a Windows DLL.
std::vector<PluginLibrary> readPluginLibraries(const Descriptions& descriptions,
                                               std::span<const PluginLibraryFile> files,
                                               tools::Diagnostics& diagnostics);

} // namespace resgen
