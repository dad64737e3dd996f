// The routines of folder items and text streams that application code calls by name.
#pragma once

#include "runtime/objects/object.h"

#include <cstdint>

struct ClassDescriptor;

// The property table of the FolderItem class.
void folderItemDeclareProperties(ClassDescriptor* cls);

extern "C" {
// Items from paths, folders and dialogs; each a new reference or Nil.
ObjectHeader* RuntimeGetFolderItem(StringRecord* path);
ObjectHeader* FolderChild(ObjectHeader* item, StringRecord* name);
ObjectHeader* FolderTrueChild(ObjectHeader* item, StringRecord* name);
ObjectHeader* FolderItemItem(ObjectHeader* item, int32_t index);
ObjectHeader* FolderItemTrueItem(ObjectHeader* item, int32_t index);
ObjectHeader* RuntimeGetOpenFolderItem(StringRecord* filter);
ObjectHeader* RuntimeGetSaveFolderItem(StringRecord* filter, StringRecord* defaultName);

// Properties: getter(item, parameter) and setter(item, parameter, value); the parameter is unused.
// Booleans are 0 or 1 in all 32 bits.
int32_t fileCountGetter(ObjectHeader* item, int32_t);
StringRecord* fileNameGetter(ObjectHeader* item, int32_t);
void fileNameSetter(ObjectHeader* item, int32_t, StringRecord* name);
StringRecord* fileAbsolutePathGetter(ObjectHeader* item, int32_t);
int32_t fileExistsGetter(ObjectHeader* item, int32_t);
int32_t fileDirectoryGetter(ObjectHeader* item, int32_t);
int32_t fileVisibleGetter(ObjectHeader* item, int32_t);
void fileVisibleSetter(ObjectHeader* item, int32_t, int32_t visible);
int32_t fileLockedGetter(ObjectHeader* item, int32_t);
void fileLockedSetter(ObjectHeader* item, int32_t, int32_t locked);
int32_t fileSizeGetter(ObjectHeader* item, int32_t);
ObjectHeader* fileCreationDateGetter(ObjectHeader* item, int32_t);
ObjectHeader* fileModificationDateGetter(ObjectHeader* item, int32_t);
// Kept for programs written for other systems: always 0, and setting them does nothing.
int32_t fileResourceForkLengthGetter(ObjectHeader* item, int32_t);
int32_t fileAliasGetter(ObjectHeader* item, int32_t);
StringRecord* fileMacTypeGetter(ObjectHeader* item, int32_t);
void fileMacTypeSetter(ObjectHeader* item, int32_t, StringRecord* type);
StringRecord* fileMacCreatorGetter(ObjectHeader* item, int32_t);
void fileMacCreatorSetter(ObjectHeader* item, int32_t, StringRecord* creator);

// Operations on the file system; each true when it was done.
int32_t FolderItemDelete(ObjectHeader* item);
int32_t FolderItemCreateAsFolder(ObjectHeader* item);
int32_t FolderItemCopyFileTo(ObjectHeader* item, ObjectHeader* destination);
int32_t FolderItemMoveFileTo(ObjectHeader* item, ObjectHeader* destination);
// The file of `replacement` takes the place of the item's file in one step, its bytes on the
// disk first; the item's previous file becomes `backup` (Nil: not kept). 1 when done; on a
// failure (a read-only file among them) the item's file is as it was.
int32_t FolderItemReplaceWith(ObjectHeader* item, ObjectHeader* replacement, ObjectHeader* backup);
int32_t FolderItemLaunch(ObjectHeader* item);

// Special folders (Nil where the system has none) and volumes.
ObjectHeader* getPreferencesFolder();
ObjectHeader* getApplicationSupportFolder();
ObjectHeader* getSystemFolder();
ObjectHeader* getExtensionsFolder();
ObjectHeader* getTemporaryItemsFolder();
ObjectHeader* getFontsFolder();
ObjectHeader* getDesktopFolder();
ObjectHeader* getAppleMenuFolder();
ObjectHeader* getControlPanelsFolder();
ObjectHeader* getStartupItemsFolder();
ObjectHeader* getTrashFolder();
ObjectHeader* getShutdownItemsFolder();
ObjectHeader* getTemporaryFolderItem();
// The user's own folder for programs' data (it roams with the user where the system does that).
ObjectHeader* getUserAppDataFolder();
int32_t getVolumeCount();
ObjectHeader* getVolume(int32_t index);

// Text files: a stream or Nil.
ObjectHeader* FolderItemCreateTextFile(ObjectHeader* item);
ObjectHeader* FolderItemAppendTextFile(ObjectHeader* item);
ObjectHeader* FolderItemOpenTextFile(ObjectHeader* item);

StringRecord* TextInputStreamReadLine(ObjectHeader* stream);
StringRecord* TextInputStreamReadAll(ObjectHeader* stream);
int32_t TextInputStreamEOF(ObjectHeader* stream);
void TextInputStreamClose(ObjectHeader* stream);

void TextOutputStreamWrite(ObjectHeader* stream, StringRecord* text);
void TextOutputStreamWriteLine(ObjectHeader* stream, StringRecord* text);
// False when a write of the stream or its closing failed: the file does not hold what was written.
int32_t TextOutputStreamClose(ObjectHeader* stream);
StringRecord* textOutputStreamDelimiterGetter(ObjectHeader* stream, int32_t);
void textOutputStreamDelimiterSetter(ObjectHeader* stream, int32_t, StringRecord* delimiter);
}
