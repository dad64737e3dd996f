// Test-only temporary folders and whole-file helpers.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace testsupport {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string path(const std::string& name) const { return (root_ / name).string(); }
    const std::filesystem::path& root() const { return root_; }

private:
    std::filesystem::path root_;
};

void writeBytes(const std::string& path, std::span<const uint8_t> bytes);
void writeText(const std::string& path, const std::string& text);
std::vector<uint8_t> readBytes(const std::string& path);
std::string readText(const std::string& path);
std::vector<std::string> listFolder(const std::filesystem::path& folder);

} // namespace testsupport
