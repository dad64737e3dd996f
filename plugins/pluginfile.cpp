// A plug-in library's file: written to the user's own plug-in folder, one sub-folder per
// content, and checked against the image's bytes before it is loaded.
#include "plugins/pluginfile.h"

#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// FNV-1a: it only names the folder; the bytes themselves are compared before every load.
uint64_t contentHash(std::span<const uint8_t> bytes)
{
    uint64_t hash = 14695981039346656037ull;
    for (uint8_t byte : bytes)
        hash = (hash ^ byte) * 1099511628211ull;
    return hash;
}

std::wstring hashName(std::span<const uint8_t> bytes)
{
    wchar_t text[20];
    std::swprintf(text, 20, L"%016llx", static_cast<unsigned long long>(contentHash(bytes)));
    return text;
}

std::wstring folderOf(const std::wstring& path)
{
    return path.substr(0, path.find_last_of(L'\\'));
}

// Each folder of the path below the root, made when missing.
bool makeFolders(const std::wstring& folder)
{
    for (size_t at = folder.find(L'\\', 3);; at = folder.find(L'\\', at + 1)) {
        std::wstring part = folder.substr(0, at);
        if (!CreateDirectoryW(part.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            return false;
        if (at == std::wstring::npos)
            return true;
    }
}

std::string errorText(const char* what)
{
    return std::string(what) + " (error " + std::to_string(GetLastError()) + ")";
}

bool sameBytes(HANDLE file, std::span<const uint8_t> bytes)
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size) || uint64_t(size.QuadPart) != bytes.size())
        return false;
    std::vector<uint8_t> content(bytes.size());
    DWORD read = 0;
    SetFilePointer(file, 0, nullptr, FILE_BEGIN);
    if (!ReadFile(file, content.data(), static_cast<DWORD>(content.size()), &read, nullptr) || read != content.size())
        return false;
    return std::memcmp(content.data(), bytes.data(), bytes.size()) == 0;
}

bool writeAll(const std::wstring& path, std::span<const uint8_t> bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
    return CloseHandle(file) && ok;
}

HANDLE openForReading(const std::wstring& path)
{
    return CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

} // namespace

std::wstring pluginRootFolder()
{
    wchar_t base[MAX_PATH];
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, base)))
        return L"";
    return std::wstring(base) + L"\\Tegata\\Plugins";
}

std::wstring pluginFilePath(const EmbeddedPlugin& plugin)
{
    std::wstring root = pluginRootFolder();
    if (root.empty())
        return L"";
    std::wstring name(plugin.name.begin(), plugin.name.end());
    return root + L"\\" + hashName(plugin.library) + L"\\" + name;
}

PluginFileLock::~PluginFileLock()
{
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
}

bool PluginFileLock::settle(const std::wstring& path, const EmbeddedPlugin& plugin, std::string& problem)
{
    file = openForReading(path);
    if (file != INVALID_HANDLE_VALUE && sameBytes(file, plugin.library))
        return true;
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    if (!makeFolders(folderOf(path)) || !writeAll(path, plugin.library)) {
        file = INVALID_HANDLE_VALUE;
        problem = errorText("cannot be written to its folder");
        return false;
    }
    file = openForReading(path);
    if (file != INVALID_HANDLE_VALUE && sameBytes(file, plugin.library))
        return true;
    problem = errorText("does not hold its bytes after writing");
    return false;
}
