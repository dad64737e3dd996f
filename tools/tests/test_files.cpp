// Test-only temporary folders and whole-file helpers.
#include "tests/test_files.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <stdexcept>

namespace testsupport {

namespace fs = std::filesystem;

TempDir::TempDir()
{
    std::random_device random;
    root_ = fs::temp_directory_path() / ("tegata-tools-test-" + std::to_string(random()) + std::to_string(random()));
    fs::create_directories(root_);
}

TempDir::~TempDir()
{
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

void writeBytes(const std::string& path, std::span<const uint8_t> bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

void writeText(const std::string& path, const std::string& text)
{
    writeBytes(path, std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

std::vector<uint8_t> readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string readText(const std::string& path)
{
    const std::vector<uint8_t> bytes = readBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

std::vector<std::string> listFolder(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace testsupport
