// Folder items: a path in the file system, whether or not it exists.
#include "files/folderitem.h"

#include "files/filesexports.h"
#include "files/folderpath.h"
#include "runtime/objects/builtinclassset.h"
#include "runtime/strings/identifier.h"
#include "runtime/strings/string.h"

#include <windows.h>

namespace {

FolderItemObject* asFolderItem(ObjectHeader* item)
{
    return reinterpret_cast<FolderItemObject*>(item);
}

// Any other object passed for a folder item is taken as Nil.
bool isFolderItem(ObjectHeader* item)
{
    return objectIsa(item, builtinClass(BuiltinClassId::FolderItem));
}

void destroyFolderItem(ObjectHeader* item, ClassDescriptor*)
{
    stringAssign(asFolderItem(item)->path, nullptr);
}

[[maybe_unused]] const bool setUpRegistered = (builtinClassOnSetUp(BuiltinClassId::FolderItem,
                                                                   [](ClassDescriptor* cls) {
                                                                       cls->destructor = destroyFolderItem;
                                                                       folderItemDeclareProperties(cls);
                                                                   }),
                                               true);

std::string_view storedPath(ObjectHeader* item)
{
    if (!asFolderItem(item)->pathKnown) {
        StringRef folder(stringFromView(folderItemProgramFolder()));
        folderItemSetPath(item, folder.get());
    }
    StringRecord* path = asFolderItem(item)->path;
    return identifierName(path);
}

} // namespace

std::string folderItemProgramFolder()
{
    char path[1024];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path)
        return {};
    return pathParent(std::string_view(path, length));
}

ObjectHeader* folderItemWithPath(StringRecord* path)
{
    ObjectHeader* item = objectInstantiate(builtinClass(BuiltinClassId::FolderItem));
    folderItemSetPath(item, path);
    return item;
}

ObjectHeader* folderItemWithText(std::string_view path)
{
    StringRef text(stringFromView(path));
    return folderItemWithPath(text.get());
}

void folderItemSetPath(ObjectHeader* item, StringRecord* path)
{
    if (!isFolderItem(item))
        return;
    stringAssign(asFolderItem(item)->path, path);
    asFolderItem(item)->pathKnown = 1;
}

StringRecord* folderItemPath(ObjectHeader* item)
{
    return isFolderItem(item) ? asFolderItem(item)->path : nullptr;
}

std::string folderItemFullPath(ObjectHeader* item)
{
    return isFolderItem(item) ? std::string(pathWithoutTrailingSeparator(storedPath(item))) : std::string();
}

extern "C" StringRecord* fileAbsolutePathGetter(ObjectHeader* item, int32_t)
{
    return stringFromView(folderItemFullPath(item));
}

extern "C" StringRecord* fileNameGetter(ObjectHeader* item, int32_t)
{
    return stringFromView(pathSplit(folderItemFullPath(item)).name);
}

extern "C" ObjectHeader* FolderChild(ObjectHeader* item, StringRecord* name)
{
    std::string_view folder = isFolderItem(item) ? storedPath(item) : std::string_view();
    return folderItemWithText(pathChild(folder, identifierName(name)));
}

extern "C" ObjectHeader* FolderTrueChild(ObjectHeader* item, StringRecord* name)
{
    return FolderChild(item, name);
}

// The joined path names an item when its parent is an existing folder (the item itself need
// not exist: a file about to be made), or when it is an existing folder on a network share.
extern "C" ObjectHeader* RuntimeGetFolderItem(StringRecord* path)
{
    std::string joined = pathJoin(folderItemProgramFolder(), identifierName(path));
    if (!folderItemPathIsFolder(pathParent(joined)) && !(joined.starts_with("\\\\") && folderItemPathIsFolder(joined)))
        return nullptr;
    return folderItemWithText(joined);
}
