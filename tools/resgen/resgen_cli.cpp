// The resgen command line: reads the built-in class table and the description files, and
// writes appdata.cpp and appdata.h into the output folder.
#include "resgen/resgen_cli.h"

#include "common/diagnostics.h"
#include "common/file_io.h"
#include "resgen/appdata_source.h"
#include "resgen/resgen.h"

#include <filesystem>
#include <optional>
#include <vector>

namespace resgen {

namespace {

constexpr const char* kUsage = "usage: resgen --builtin-classes <builtinclasses.def> --out-dir <folder>\n"
                               "              [--plugin <library name>=<file>]... <description files...>\n";

struct CommandLine {
    std::string builtinsPath;
    std::string outputFolder;
    std::vector<std::string> pluginArguments;
    std::vector<PluginLibraryFile> pluginLibraries;
    std::vector<std::string> descriptionPaths;
};

// Each --plugin value is "<name>=<file>".
bool splitPluginArguments(CommandLine& line, std::ostream& errors)
{
    for (const std::string& argument : line.pluginArguments) {
        const size_t equals = argument.find('=');
        if (equals == 0 || equals == std::string::npos || equals + 1 == argument.size()) {
            errors << "resgen: --plugin takes <library name>=<file>, not \"" << argument << "\"\n" << kUsage;
            return false;
        }
        line.pluginLibraries.push_back({argument.substr(0, equals), argument.substr(equals + 1)});
    }
    return true;
}

std::optional<CommandLine> parseCommandLine(std::span<const std::string> arguments, std::ostream& errors)
{
    CommandLine line;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        std::string* value = argument == "--builtin-classes" ? &line.builtinsPath
                             : argument == "--out-dir"       ? &line.outputFolder
                             : argument == "--plugin"        ? &line.pluginArguments.emplace_back()
                                                             : nullptr;
        if (value != nullptr && i + 1 < arguments.size()) {
            *value = arguments[++i];
        } else if (value != nullptr || (argument.starts_with("-") && argument.size() > 1)) {
            errors << "resgen: " << (value != nullptr ? argument + " needs a value" : "unknown option " + argument)
                   << "\n"
                   << kUsage;
            return std::nullopt;
        } else {
            line.descriptionPaths.push_back(argument);
        }
    }
    if (line.builtinsPath.empty() || line.outputFolder.empty() || line.descriptionPaths.empty()) {
        errors << kUsage;
        return std::nullopt;
    }
    if (!splitPluginArguments(line, errors))
        return std::nullopt;
    return line;
}

std::optional<std::string> readText(const std::string& path, tools::Diagnostics& diagnostics)
{
    std::vector<uint8_t> bytes;
    std::string error;
    if (!tools::readWholeFile(path, bytes, error)) {
        diagnostics.error(path, error);
        return std::nullopt;
    }
    return std::string(bytes.begin(), bytes.end());
}

std::optional<ImageModel> readInputs(const CommandLine& line, tools::Diagnostics& diagnostics)
{
    const std::optional<std::string> builtinsText = readText(line.builtinsPath, diagnostics);
    std::vector<DescriptionFile> files;
    for (const std::string& path : line.descriptionPaths) {
        if (std::optional<std::string> text = readText(path, diagnostics))
            files.push_back({path, std::move(*text)});
    }
    if (diagnostics.hasErrors())
        return std::nullopt;
    const std::optional<BuiltinClasses> builtins = parseBuiltinClasses(line.builtinsPath, *builtinsText, diagnostics);
    if (!builtins)
        return std::nullopt;
    return buildImageModel(*builtins, files, diagnostics, line.pluginLibraries);
}

// An unchanged file is left alone, so that what is compiled from it is not rebuilt.
bool writeIfChanged(const std::string& path, const std::string& text, tools::Diagnostics& diagnostics)
{
    std::vector<uint8_t> old;
    std::string error;
    if (tools::readWholeFile(path, old, error) && std::string(old.begin(), old.end()) == text)
        return true;
    const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    if (tools::writeFileAtomic(path, bytes, std::nullopt, error))
        return true;
    diagnostics.error(error);
    return false;
}

bool writeOutputs(const std::string& folder, const ImageModel& model, tools::Diagnostics& diagnostics)
{
    std::error_code code;
    std::filesystem::create_directories(folder, code);
    if (code) {
        diagnostics.error(folder, "cannot create the folder: " + code.message());
        return false;
    }
    const std::filesystem::path base(folder);
    return writeIfChanged((base / "appdata.h").string(), appdataHeader(model), diagnostics) &&
           writeIfChanged((base / "appdata.cpp").string(), appdataSource(model), diagnostics);
}

} // namespace

int runResgen(std::span<const std::string> arguments, std::ostream& errors)
{
    const std::optional<CommandLine> line = parseCommandLine(arguments, errors);
    if (!line)
        return 2;
    tools::Diagnostics diagnostics("resgen");
    const std::optional<ImageModel> model = readInputs(*line, diagnostics);
    const bool written = model && writeOutputs(line->outputFolder, *model, diagnostics);
    diagnostics.print(errors);
    return written ? 0 : 1;
}

} // namespace resgen
