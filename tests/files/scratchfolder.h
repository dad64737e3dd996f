// A folder of its own for each test under the temporary folder, removed with all it holds,
// and the small helpers the file tests share.
#pragma once

#include "runtime/objects/object.h"

#include <string>
#include <string_view>

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return folder; }
    // The path of `name` inside the folder.
    std::string pathOf(std::string_view name) const;
    // Writes a file of these bytes (a folder when `name` ends with a separator); its path.
    std::string make(std::string_view name, std::string_view bytes = {}) const;

private:
    std::string folder;
};

// The bytes of a file; empty when it cannot be read.
std::string fileBytes(const std::string& path);
bool pathExists(const std::string& path);
// The text of a string the caller owns, which is released.
std::string textOf(StringRecord* owned);
// A folder item for a path (a new reference, released by the holder).
ObjectHeader* itemFor(std::string_view path);
