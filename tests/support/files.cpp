// Whole files and folders for fixtures.
#include "tests/support/files.h"

#include <windows.h>

#include <fstream>
#include <iterator>

std::string fullPath(const std::string& relative)
{
    char path[MAX_PATH];
    GetFullPathNameA(relative.c_str(), MAX_PATH, path, nullptr);
    return path;
}

bool readWholeFile(const std::string& path, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool writeWholeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    return bool(out);
}

std::string freshFolder(const std::string& path)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string file = path + "\\" + found.cFileName;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                continue;
            SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL); // a test may have made it read-only
            DeleteFileA(file.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    CreateDirectoryA(path.c_str(), nullptr);
    return path;
}
