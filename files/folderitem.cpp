// Folder items: a path in the file system, whether or not it exists.
#include "files/folderitem.h"

#include "runtime/objects/builtinclassset.h"
#include "runtime/strings/string.h"

#include <windows.h>

#include <string_view>

namespace {
FolderItemObject* asFolderItem(ObjectHeader* item)
{
    return reinterpret_cast<FolderItemObject*>(item);
}

// The folder that holds the running program.
StringRecord* programFolder()
{
    char path[1024];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path)
        return nullptr;
    std::string_view full(path, length);
    size_t lastSeparator = full.rfind('\\');
    return stringFromView(full.substr(0, lastSeparator == std::string_view::npos ? 0 : lastSeparator));
}
} // namespace

ObjectHeader* folderItemWithPath(StringRecord* path)
{
    ObjectHeader* item = objectInstantiate(builtinClass(BuiltinClassId::FolderItem));
    folderItemSetPath(item, path);
    return item;
}

void folderItemSetPath(ObjectHeader* item, StringRecord* path)
{
    if (!item)
        return;
    stringAssign(asFolderItem(item)->path, path);
    asFolderItem(item)->pathKnown = 1;
}

StringRecord* folderItemPath(ObjectHeader* item)
{
    return item ? asFolderItem(item)->path : nullptr;
}

// An item without a path stands for the program's folder, worked out once and kept.
extern "C" StringRecord* fileAbsolutePathGetter(ObjectHeader* item, int32_t)
{
    if (!item)
        return nullptr;
    if (!asFolderItem(item)->pathKnown) {
        StringRef folder(programFolder());
        folderItemSetPath(item, folder.get());
    }
    std::string_view path(stringText(asFolderItem(item)->path), stringLength(asFolderItem(item)->path));
    if (path.size() > 1 && path.back() == '\\')
        path.remove_suffix(1);
    return stringFromView(path);
}
