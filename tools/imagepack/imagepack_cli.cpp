// The imagepack command line: "exe" appends an image to a host, "loose" writes the files
// of file mode.
#include "imagepack/imagepack_cli.h"

#include "common/diagnostics.h"
#include "common/file_io.h"
#include "imagepack/packer.h"

#include <filesystem>
#include <optional>
#include <vector>

namespace imagepack {

namespace fs = std::filesystem;

namespace {

constexpr const char* kUsage =
    "usage: imagepack exe --host <bare-host.exe> --image <image.bin> [--resource-inline FILE]... "
    "[--resource-blob FILE]... -o <program.exe>\n"
    "       imagepack loose --image <image.bin> [--resource-inline FILE]... [--resource-blob FILE]... "
    "--dir <folder>\n";

struct ItemPath {
    bool blob;
    std::string path;
};

struct CommandLine {
    bool exeMode = false;
    std::string hostPath;
    std::string imagePath;
    std::string outputPath;
    std::string directory;
    std::vector<ItemPath> items; // in command-line order: they are numbered from 1 in it
};

bool usageError(std::ostream& errors, const std::string& what)
{
    if (!what.empty())
        errors << "imagepack: " << what << "\n";
    errors << kUsage;
    return false;
}

bool parseOptions(std::span<const std::string> arguments, CommandLine& line, std::ostream& errors)
{
    for (size_t i = 1; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (i + 1 == arguments.size())
            return usageError(errors, option + " needs a value");
        const std::string& value = arguments[++i];
        if (option == "--resource-inline" || option == "--resource-blob") {
            line.items.push_back(ItemPath{option == "--resource-blob", value});
        } else if (option == "--image") {
            line.imagePath = value;
        } else if (option == "--host" && line.exeMode) {
            line.hostPath = value;
        } else if (option == "-o" && line.exeMode) {
            line.outputPath = value;
        } else if (option == "--dir" && !line.exeMode) {
            line.directory = value;
        } else {
            return usageError(errors, "unknown option " + option);
        }
    }
    return true;
}

std::optional<CommandLine> parseCommandLine(std::span<const std::string> arguments, std::ostream& errors)
{
    CommandLine line;
    if (arguments.empty() || (arguments[0] != "exe" && arguments[0] != "loose")) {
        usageError(errors, "");
        return std::nullopt;
    }
    line.exeMode = arguments[0] == "exe";
    if (!parseOptions(arguments, line, errors))
        return std::nullopt;
    const bool complete = !line.imagePath.empty() &&
                          (line.exeMode ? !line.hostPath.empty() && !line.outputPath.empty() : !line.directory.empty());
    if (!complete) {
        usageError(errors, "");
        return std::nullopt;
    }
    return line;
}

bool readInput(const std::string& path, std::vector<uint8_t>& bytes, tools::Diagnostics& diagnostics)
{
    std::string error;
    if (tools::readWholeFile(path, bytes, error))
        return true;
    diagnostics.error(path, error);
    return false;
}

// A program is executable wherever it is readable, whatever the host's bits were.
fs::perms programPermissions(const std::string& hostPath)
{
    std::error_code code;
    fs::perms perms = fs::status(hostPath, code).permissions();
    if (code)
        perms = fs::perms::owner_read | fs::perms::owner_write;
    if ((perms & fs::perms::owner_read) != fs::perms::none)
        perms |= fs::perms::owner_exec;
    if ((perms & fs::perms::group_read) != fs::perms::none)
        perms |= fs::perms::group_exec;
    if ((perms & fs::perms::others_read) != fs::perms::none)
        perms |= fs::perms::others_exec;
    return perms;
}

void writeExecutable(const CommandLine& line, const PackInput& input, tools::Diagnostics& diagnostics)
{
    std::vector<uint8_t> host;
    if (!readInput(line.hostPath, host, diagnostics))
        return;
    const std::optional<std::vector<uint8_t>> program = packExecutable(line.hostPath, host, input, diagnostics);
    std::string error;
    if (program && !tools::writeFileAtomic(line.outputPath, *program, programPermissions(line.hostPath), error)) {
        diagnostics.error(line.outputPath, error);
    }
}

void writeLooseFiles(const CommandLine& line, const PackInput& input, tools::Diagnostics& diagnostics)
{
    const std::optional<std::vector<LooseFile>> files = packLoose(input, diagnostics);
    if (!files)
        return;
    std::error_code code;
    fs::create_directories(line.directory, code);
    if (code) {
        diagnostics.error(line.directory, "cannot create the folder: " + code.message());
        return;
    }
    std::string error;
    for (const LooseFile& file : *files) {
        const std::string path = (fs::path(line.directory) / file.name).string();
        if (!tools::writeFileAtomic(path, file.bytes, std::nullopt, error)) {
            diagnostics.error(path, error);
            return;
        }
    }
    // Without resource items the runtime still looks for data3.dat; one left over from an
    // earlier pack would hand it another image's table.
    if (files->size() == 4)
        fs::remove(fs::path(line.directory) / "data3.dat", code);
}

} // namespace

int runImagepack(std::span<const std::string> arguments, std::ostream& errors)
{
    const std::optional<CommandLine> line = parseCommandLine(arguments, errors);
    if (!line)
        return 2;
    tools::Diagnostics diagnostics("imagepack");
    std::vector<uint8_t> image;
    PackInput input;
    input.imagePath = line->imagePath;
    bool inputsRead = readInput(line->imagePath, image, diagnostics);
    for (const ItemPath& item : line->items) {
        ResourceItem resource{item.blob, item.path, {}};
        inputsRead = readInput(item.path, resource.bytes, diagnostics) && inputsRead;
        input.items.push_back(std::move(resource));
    }
    input.image = image;
    if (inputsRead) {
        if (line->exeMode) {
            writeExecutable(*line, input, diagnostics);
        } else {
            writeLooseFiles(*line, input, diagnostics);
        }
    }
    diagnostics.print(errors);
    return diagnostics.hasErrors() ? 1 : 0;
}

} // namespace imagepack
