// Special folders of the system, a new temporary file, and the volumes.
#include "files/filesexports.h"
#include "files/folderitem.h"
#include "files/folderpath.h"

#include <windows.h>

#include <shlobj.h>

namespace {

constexpr DWORD directoryBuffer = 1024;

// A directory the system reports into a buffer; Nil when it reports none or too long a one.
template <class Query> ObjectHeader* reportedFolder(Query query)
{
    char path[directoryBuffer];
    DWORD length = query(path, directoryBuffer);
    if (length == 0 || length >= directoryBuffer)
        return nullptr;
    return folderItemWithText(pathWithoutTrailingSeparator(std::string_view(path, length)));
}

ObjectHeader* windowsFolder()
{
    return reportedFolder([](char* path, DWORD size) { return GetWindowsDirectoryA(path, size); });
}

ObjectHeader* systemFolder()
{
    return reportedFolder([](char* path, DWORD size) { return GetSystemDirectoryA(path, size); });
}

ObjectHeader* temporaryFolder()
{
    return reportedFolder([](char* path, DWORD size) { return GetTempPathA(size, path); });
}

// A shell folder by its number; virtual ones (the control panel, the recycle bin) have no path.
ObjectHeader* shellFolder(int folderNumber)
{
    LPITEMIDLIST list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, folderNumber, &list)) || !list)
        return nullptr;
    char path[MAX_PATH] = {};
    bool found = SHGetPathFromIDListA(list, path) && path[0];
    IMalloc* shellAllocator = nullptr;
    if (SUCCEEDED(SHGetMalloc(&shellAllocator))) {
        shellAllocator->Free(list);
        shellAllocator->Release();
    }
    return found ? folderItemWithText(pathWithoutTrailingSeparator(path)) : nullptr;
}

// Drive bits in the order the volumes are counted: C: onwards, then A: and B:.
int driveBitOfVolume(DWORD drives, int32_t index)
{
    for (int k = 0; k < 32; ++k) {
        int bit = (k + 2) % 32;
        if (drives >> bit & 1 && index-- == 0)
            return bit;
    }
    return -1;
}

} // namespace

extern "C" {

ObjectHeader* getPreferencesFolder()
{
    return windowsFolder();
}

ObjectHeader* getApplicationSupportFolder()
{
    return windowsFolder();
}

ObjectHeader* getSystemFolder()
{
    return systemFolder();
}

ObjectHeader* getExtensionsFolder()
{
    return systemFolder();
}

ObjectHeader* getTemporaryItemsFolder()
{
    return temporaryFolder();
}

ObjectHeader* getFontsFolder()
{
    return shellFolder(CSIDL_FONTS);
}

ObjectHeader* getDesktopFolder()
{
    return shellFolder(CSIDL_DESKTOPDIRECTORY);
}

ObjectHeader* getAppleMenuFolder()
{
    return shellFolder(CSIDL_PROGRAMS);
}

ObjectHeader* getControlPanelsFolder()
{
    return shellFolder(CSIDL_CONTROLS);
}

ObjectHeader* getStartupItemsFolder()
{
    return shellFolder(CSIDL_STARTUP);
}

ObjectHeader* getTrashFolder()
{
    return shellFolder(CSIDL_BITBUCKET);
}

ObjectHeader* getShutdownItemsFolder()
{
    return nullptr;
}

ObjectHeader* getTemporaryFolderItem()
{
    char folder[directoryBuffer];
    DWORD length = GetTempPathA(directoryBuffer, folder);
    char path[MAX_PATH];
    if (length == 0 || length >= MAX_PATH - 14 || !GetTempFileNameA(folder, "vxt", 0, path))
        return nullptr;
    return folderItemWithText(path);
}

ObjectHeader* getUserAppDataFolder()
{
    return shellFolder(CSIDL_APPDATA);
}

int32_t getVolumeCount()
{
    return __builtin_popcount(GetLogicalDrives());
}

ObjectHeader* getVolume(int32_t index)
{
    int bit = index < 0 ? -1 : driveBitOfVolume(GetLogicalDrives(), index);
    if (bit < 0 || bit >= 26)
        return nullptr;
    char drive[3] = {static_cast<char>('A' + bit), ':', 0};
    return folderItemWithText(drive);
}

} // extern "C"
