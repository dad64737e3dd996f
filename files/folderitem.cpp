// Folder items: a path in the file system, whether or not it exists.
#include "files/folderitem.h"

#include "runtime/objects/builtinclassset.h"

namespace {
FolderItemObject* asFolderItem(ObjectHeader* item)
{
    return reinterpret_cast<FolderItemObject*>(item);
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
