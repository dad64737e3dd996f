// Folder items: a path in the file system, whether or not it exists.
#pragma once

#include "runtime/objects/object.h"

#include <string>
#include <string_view>

// The object layout: the path is known once set; without one the item stands for the
// application's own folder, worked out on first use and then kept.
struct FolderItemObject {
    ObjectHeader header;
    uint32_t unread[2];
    uint8_t pathKnown;
    StringRecord* path;
};
static_assert(sizeof(FolderItemObject) <= 40, "the FolderItem class is 40 bytes");

// A new folder item for the path, as given.
ObjectHeader* folderItemWithPath(StringRecord* path);
ObjectHeader* folderItemWithText(std::string_view path);
void folderItemSetPath(ObjectHeader* item, StringRecord* path);
// The path as stored (Nil when none is set yet).
StringRecord* folderItemPath(ObjectHeader* item);
// The path the item stands for, without a trailing separator; empty for Nil.
std::string folderItemFullPath(ObjectHeader* item);
// Whether the path is an existing folder, or a drive ("X:") that is present.
bool folderItemPathIsFolder(const std::string& path);
// The folder that holds the running program; empty if it cannot be had.
std::string folderItemProgramFolder();
