// A folder of its own for each test under the temporary folder, removed with all it holds,
// and the small helpers the file tests share.
#include "tests/files/scratchfolder.h"

#include "files/folderitem.h"
#include "runtime/objects/builtinclassset.h"
#include "runtime/strings/string.h"

#include <windows.h>

#include <fstream>
#include <sstream>

namespace {

void removeAll(const std::string& path)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string inner = path + "\\" + name;
            SetFileAttributesA(inner.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                removeAll(inner);
            else
                DeleteFileA(inner.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

} // namespace

ScratchFolder::ScratchFolder()
{
    static int made = 0;
    char temporary[MAX_PATH];
    GetTempPathA(MAX_PATH, temporary);
    folder =
        std::string(temporary) + "files-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++made);
    removeAll(folder);
    CreateDirectoryA(folder.c_str(), nullptr);
    builtinClassesEnsure();
}

ScratchFolder::~ScratchFolder()
{
    removeAll(folder);
}

std::string ScratchFolder::pathOf(std::string_view name) const
{
    return folder + "\\" + std::string(name);
}

std::string ScratchFolder::make(std::string_view name, std::string_view bytes) const
{
    std::string path = pathOf(name);
    if (name.ends_with('\\')) {
        path.pop_back();
        CreateDirectoryA(path.c_str(), nullptr);
        return path;
    }
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::string fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool pathExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string textOf(StringRecord* owned)
{
    StringRef text(owned);
    return std::string(stringText(text.get()), static_cast<size_t>(stringLength(text.get())));
}

ObjectHeader* itemFor(std::string_view path)
{
    return folderItemWithText(path);
}
