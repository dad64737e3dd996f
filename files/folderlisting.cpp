// Folder listings: the entries of one folder, kept for a count-then-items loop and shared by
// every folder item of the program (used from the main thread only).
#include "files/filesexports.h"
#include "files/folderitem.h"
#include "files/folderpath.h"

#include <windows.h>

#include <string>
#include <vector>

namespace {

// The entries in the order the system enumerated them. A lookup past the end marks the
// listing stale, so the next lookup lists the folder again.
struct FolderListing {
    std::string folder;
    std::vector<std::string> entries;
    bool stale = false;
};

FolderListing& listing()
{
    static FolderListing shared;
    return shared;
}

bool isDotEntry(const char* name)
{
    return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
}

void listFolder(const std::string& folder)
{
    FolderListing& cache = listing();
    cache.folder = folder;
    cache.entries.clear();
    cache.stale = false;
    if (folder.empty()) // not "\\*.*", the root of the current drive
        return;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pathChild(folder, "*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if (!isDotEntry(found.cFileName))
            cache.entries.emplace_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

} // namespace

extern "C" int32_t fileCountGetter(ObjectHeader* item, int32_t)
{
    listFolder(folderItemFullPath(item));
    return static_cast<int32_t>(listing().entries.size());
}

extern "C" ObjectHeader* FolderItemItem(ObjectHeader* item, int32_t index)
{
    std::string folder = folderItemFullPath(item);
    FolderListing& cache = listing();
    if (cache.stale || cache.folder != folder)
        listFolder(folder);
    if (index < 1 || static_cast<size_t>(index) > cache.entries.size()) {
        cache.stale = true;
        return nullptr;
    }
    return folderItemWithText(pathChild(folder, cache.entries[index - 1]));
}

extern "C" ObjectHeader* FolderItemTrueItem(ObjectHeader* item, int32_t index)
{
    return FolderItemItem(item, index);
}
