// What a folder item does to the file system: rename, delete, make a folder, copy, move, open.
#include "base/hostmessage.h"
#include "files/filesexports.h"
#include "files/folderitem.h"
#include "files/folderpath.h"
#include "runtime/strings/identifier.h"
#include "runtime/strings/string.h"

#include <windows.h>

#include <shellapi.h>

namespace {

// Where a copy or move of `item` lands: inside `destination` when that is a folder, at its
// path otherwise.
std::string targetPath(ObjectHeader* item, ObjectHeader* destination)
{
    std::string target = folderItemFullPath(destination);
    if (fileDirectoryGetter(destination, 0))
        return pathChild(target, pathSplit(folderItemFullPath(item)).name);
    return target;
}

// The file's bytes reach the disk, not only the system's cache: a replacement that a crash
// could leave empty would be no better than writing the file in place.
bool flushToDisk(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool flushed = FlushFileBuffers(file) != 0;
    CloseHandle(file);
    return flushed;
}

// The backup is a second name for the file, so that it keeps the old bytes once the file's name
// is given to the replacement; where the file system has no second names, a copy. A crash
// meanwhile leaves the file itself as it was.
bool keepAsBackup(const std::string& path, const std::string& backupPath)
{
    DeleteFileA(backupPath.c_str());
    return CreateHardLinkA(backupPath.c_str(), path.c_str(), nullptr) ||
           CopyFileA(path.c_str(), backupPath.c_str(), FALSE);
}

} // namespace

// A name that would reach into another folder is refused: renaming never moves a file.
extern "C" void fileNameSetter(ObjectHeader* item, int32_t, StringRecord* name)
{
    std::string_view newName = identifierName(name);
    if (!item || newName.empty() || pathNameLeavesFolder(newName))
        return;
    std::string path = folderItemFullPath(item);
    std::string renamed = pathChild(pathParent(path), newName);
    if (MoveFileA(path.c_str(), renamed.c_str())) {
        StringRef text(stringFromView(renamed));
        folderItemSetPath(item, text.get());
    }
}

extern "C" int32_t FolderItemDelete(ObjectHeader* item)
{
    if (!item)
        return 0;
    std::string path = folderItemFullPath(item);
    return fileDirectoryGetter(item, 0) ? RemoveDirectoryA(path.c_str()) != 0 : DeleteFileA(path.c_str()) != 0;
}

extern "C" int32_t FolderItemCreateAsFolder(ObjectHeader* item)
{
    return item && CreateDirectoryA(folderItemFullPath(item).c_str(), nullptr);
}

// An existing file is never replaced, and a copy that fails part way leaves no part behind.
extern "C" int32_t FolderItemCopyFileTo(ObjectHeader* item, ObjectHeader* destination)
{
    if (!item || !destination)
        return 0;
    std::string target = targetPath(item, destination);
    if (GetFileAttributesA(target.c_str()) != INVALID_FILE_ATTRIBUTES)
        return 0;
    if (CopyFileA(folderItemFullPath(item).c_str(), target.c_str(), TRUE))
        return 1;
    if (GetLastError() != ERROR_FILE_EXISTS)
        DeleteFileA(target.c_str());
    return 0;
}

extern "C" int32_t FolderItemMoveFileTo(ObjectHeader* item, ObjectHeader* destination)
{
    if (!item || !destination)
        return 0;
    std::string target = targetPath(item, destination);
    if (!MoveFileA(folderItemFullPath(item).c_str(), target.c_str()))
        return 0;
    StringRef text(stringFromView(target));
    folderItemSetPath(item, text.get());
    return 1;
}

extern "C" int32_t FolderItemLaunch(ObjectHeader* item)
{
    if (!fileExistsGetter(item, 0))
        return 0;
    HINSTANCE result =
        ShellExecuteA(hostDialogOwner(), "open", folderItemFullPath(item).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

// The replacement is renamed over the item's file, which the file system does in one step. The
// system's own replace is not used: it first renames the file to the backup, and a crash between
// its two renames leaves no file at all. A read-only file is not replaced, as the system refuses.
extern "C" int32_t FolderItemReplaceWith(ObjectHeader* item, ObjectHeader* replacement, ObjectHeader* backup)
{
    if (!item || !replacement)
        return 0;
    std::string target = folderItemFullPath(item), source = folderItemFullPath(replacement);
    if (!flushToDisk(source))
        return 0;
    DWORD attributes = GetFileAttributesA(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & FILE_ATTRIBUTE_READONLY)
            return 0;
        if (backup && !keepAsBackup(target, folderItemFullPath(backup)))
            return 0;
    }
    return MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
