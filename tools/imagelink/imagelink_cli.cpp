// The imagelink command line: reads the files, links, writes the image and the map.
#include "imagelink/imagelink_cli.h"

#include "common/diagnostics.h"
#include "common/file_io.h"
#include "imagelink/exports_def.h"
#include "imagelink/image_linker.h"

#include <optional>
#include <vector>

namespace imagelink {

namespace {

constexpr const char* kUsage =
    "usage: imagelink --exports <exports.def> --entry <Name> --class-table <Name> -o <image.bin> "
    "[--map <image.map>] obj1.o obj2.o ...\n";

struct CommandLine {
    std::string exportsPath;
    LinkOptions options;
    std::string outputPath;
    std::string mapPath;
    std::vector<std::string> objectPaths;
};

std::optional<CommandLine> parseCommandLine(std::span<const std::string> arguments, std::ostream& errors)
{
    CommandLine line;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        std::string* value = argument == "--exports"       ? &line.exportsPath
                             : argument == "--entry"       ? &line.options.entry
                             : argument == "--class-table" ? &line.options.classTable
                             : argument == "-o"            ? &line.outputPath
                             : argument == "--map"         ? &line.mapPath
                                                           : nullptr;
        if (value != nullptr) {
            if (i + 1 == arguments.size()) {
                errors << "imagelink: " << argument << " needs a value\n" << kUsage;
                return std::nullopt;
            }
            *value = arguments[++i];
        } else if (argument.starts_with("-") && argument.size() > 1) {
            errors << "imagelink: unknown option " << argument << "\n" << kUsage;
            return std::nullopt;
        } else {
            line.objectPaths.push_back(argument);
        }
    }
    if (line.exportsPath.empty() || line.options.entry.empty() || line.options.classTable.empty() ||
        line.outputPath.empty() || line.objectPaths.empty()) {
        errors << kUsage;
        return std::nullopt;
    }
    return line;
}

bool readInputs(const CommandLine& line, std::vector<InputObject>& objects, std::string& exportsText,
                tools::Diagnostics& diagnostics)
{
    std::string error;
    std::vector<uint8_t> bytes;
    if (!tools::readWholeFile(line.exportsPath, bytes, error)) {
        diagnostics.error(line.exportsPath, error);
    }
    exportsText.assign(bytes.begin(), bytes.end());
    for (const std::string& path : line.objectPaths) {
        InputObject object{path, {}};
        if (!tools::readWholeFile(path, object.bytes, error))
            diagnostics.error(path, error);
        objects.push_back(std::move(object));
    }
    return !diagnostics.hasErrors();
}

// The map goes first: when anything fails, the image (the file a build waits for) is
// left as it was.
bool writeOutputs(const CommandLine& line, const LinkedImage& image, tools::Diagnostics& diagnostics)
{
    std::string error;
    if (!line.mapPath.empty()) {
        const std::string map = formatMap(image);
        const auto* begin = reinterpret_cast<const uint8_t*>(map.data());
        if (!tools::writeFileAtomic(line.mapPath, std::span<const uint8_t>(begin, map.size()), std::nullopt, error)) {
            diagnostics.error(line.mapPath, error);
            return false;
        }
    }
    if (!tools::writeFileAtomic(line.outputPath, serializeImage(image), std::nullopt, error)) {
        diagnostics.error(line.outputPath, error);
        return false;
    }
    return true;
}

} // namespace

int runImagelink(std::span<const std::string> arguments, std::ostream& errors)
{
    const std::optional<CommandLine> line = parseCommandLine(arguments, errors);
    if (!line)
        return 2;
    tools::Diagnostics diagnostics("imagelink");
    std::vector<InputObject> objects;
    std::string exportsText;
    std::optional<LinkedImage> image;
    if (readInputs(*line, objects, exportsText, diagnostics)) {
        const std::optional<ExportNames> exports = parseExportsDef(line->exportsPath, exportsText, diagnostics);
        if (exports)
            image = linkImage(objects, *exports, line->options, diagnostics);
    }
    if (image)
        writeOutputs(*line, *image, diagnostics);
    diagnostics.print(errors);
    return diagnostics.hasErrors() ? 1 : 0;
}

} // namespace imagelink
