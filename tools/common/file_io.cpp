// Whole-file reads and atomic whole-file writes (temporary file, then rename).
#include "common/file_io.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <random>

namespace tools {

namespace fs = std::filesystem;

bool readWholeFile(const std::string& path, std::vector<uint8_t>& bytes, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = std::string("cannot open: ") + std::strerror(errno);
        return false;
    }
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0) {
        error = "cannot determine the file size";
        return false;
    }
    in.seekg(0, std::ios::beg);
    bytes.resize(static_cast<size_t>(size));
    if (size > 0 && !in.read(reinterpret_cast<char*>(bytes.data()), size)) {
        error = "read failed";
        return false;
    }
    return true;
}

static std::string temporaryNameFor(const std::string& path)
{
    std::random_device random;
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(random()));
    return path + ".tmp-" + suffix;
}

bool writeFileAtomic(const std::string& path, std::span<const uint8_t> bytes, std::optional<fs::perms> permissions,
                     std::string& error)
{
    const std::string temporary = temporaryNameFor(path);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            error = std::string("cannot create ") + temporary + ": " + std::strerror(errno);
            return false;
        }
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            error = std::string("write to ") + temporary + " failed";
            out.close();
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code code;
    if (permissions)
        fs::permissions(temporary, *permissions, fs::perm_options::replace, code);
    if (!code)
        fs::rename(temporary, path, code);
    if (code) {
        error = "cannot write " + path + ": " + code.message();
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return false;
    }
    return true;
}

} // namespace tools
