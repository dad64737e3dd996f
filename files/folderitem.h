// Folder items: a path in the file system, whether or not it exists.
#pragma once

#include "runtime/objects/object.h"

// The object layout: the path is known once set; without one the item stands for the
// application's own folder.
struct FolderItemObject {
    ObjectHeader header;
    uint32_t unread[2];
    uint8_t pathKnown;
    StringRecord* path;
};

// A new folder item for the path, as given.
ObjectHeader* folderItemWithPath(StringRecord* path);
void folderItemSetPath(ObjectHeader* item, StringRecord* path);
StringRecord* folderItemPath(ObjectHeader* item);

extern "C" {
// The item's path without a trailing separator, as a new string.
StringRecord* fileAbsolutePathGetter(ObjectHeader* item, int32_t parameter);
}
