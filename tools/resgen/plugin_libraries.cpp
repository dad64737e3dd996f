// The plug-in libraries the image carries: the files the build names for them, read and
// checked to be Windows DLLs.
#include "resgen/plugin_libraries.h"

#include "common/file_io.h"
#include "common/pe_headers.h"
#include "resgen/names.h"

#include <algorithm>
#include <set>

namespace resgen {

namespace {

std::string dllProblem(std::span<const uint8_t> bytes)
{
    tools::PeHeaders headers;
    std::string error;
    if (!tools::readPeHeaders(bytes, headers, error))
        return error;
    return (headers.characteristics & tools::kPeFileIsDll) == 0 ? "a program, not a DLL" : "";
}

const PluginLibraryFile* fileFor(const PluginLibraryDescription& library, std::span<const PluginLibraryFile> files)
{
    const auto found = std::find_if(files.begin(), files.end(), [&](const PluginLibraryFile& file) {
        return equalsIgnoringCase(file.fileName, library.fileName);
    });
    return found != files.end() ? &*found : nullptr;
}

std::optional<PluginLibrary> readLibrary(const PluginLibraryDescription& library, const PluginLibraryFile* file,
                                         tools::Diagnostics& diagnostics)
{
    const std::string what = "plugin " + library.fileName;
    if (file == nullptr) {
        report(diagnostics, library.where,
               what + ": the build gives no file for it (--plugin " + library.fileName + "=<file>)");
        return std::nullopt;
    }
    PluginLibrary read{library.fileName, {}};
    std::string error;
    if (!tools::readWholeFile(file->path, read.bytes, error))
        error = file->path + ": " + error;
    else if (std::string problem = dllProblem(read.bytes); !problem.empty())
        error = file->path + ": " + problem;
    if (!error.empty()) {
        report(diagnostics, library.where, what + ": " + error);
        return std::nullopt;
    }
    return read;
}

} // namespace

std::vector<PluginLibrary> readPluginLibraries(const Descriptions& descriptions,
                                               std::span<const PluginLibraryFile> files,
                                               tools::Diagnostics& diagnostics)
{
    std::vector<PluginLibrary> libraries;
    std::set<std::string> named;
    for (const PluginLibraryDescription& library : descriptions.pluginLibraries) {
        if (!named.insert(foldedName(library.fileName)).second) {
            report(diagnostics, library.where, "the project already names the plug-in library " + library.fileName);
        } else if (std::optional<PluginLibrary> read = readLibrary(library, fileFor(library, files), diagnostics)) {
            libraries.push_back(std::move(*read));
        }
    }
    for (const PluginLibraryFile& file : files) {
        if (!named.contains(foldedName(file.fileName)))
            diagnostics.error(file.path,
                              "the build gives a plug-in library " + file.fileName + " that the project does not name");
    }
    return libraries;
}

} // namespace resgen
