// Whole-file reads and atomic whole-file writes (temporary file, then rename).
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tools {

// Reads the whole file. On failure returns false and sets `error` to a short reason.
bool readWholeFile(const std::string& path, std::vector<uint8_t>& bytes, std::string& error);

// Writes `bytes` to a temporary file beside `path` and renames it over `path`, so that
// `path` is either the old file or the complete new one, never a half-written file. When
// `permissions` is given the file gets them before the rename.
bool writeFileAtomic(const std::string& path, std::span<const uint8_t> bytes,
                     std::optional<std::filesystem::perms> permissions, std::string& error);

} // namespace tools
