// What a folder item's path names on disk: existence, kind, attributes, size and dates.
#include "files/filesexports.h"
#include "files/folderitem.h"
#include "runtime/numbers/date.h"
#include "runtime/objects/builtinclassset.h"

#include <windows.h>

#include <optional>

namespace {

// "X:" for a drive that is present.
bool isPresentDrive(const std::string& path)
{
    if (path.size() != 2 || path[1] != ':')
        return false;
    char letter = static_cast<char>(path[0] & ~0x20);
    return letter >= 'A' && letter <= 'Z' && (GetLogicalDrives() >> (letter - 'A') & 1);
}

std::optional<DWORD> attributesOf(ObjectHeader* item)
{
    if (!item)
        return std::nullopt;
    DWORD attributes = GetFileAttributesA(folderItemFullPath(item).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return std::nullopt;
    return attributes;
}

std::optional<WIN32_FILE_ATTRIBUTE_DATA> detailsOf(ObjectHeader* item)
{
    WIN32_FILE_ATTRIBUTE_DATA details;
    if (!item || !GetFileAttributesExA(folderItemFullPath(item).c_str(), GetFileExInfoStandard, &details))
        return std::nullopt;
    return details;
}

// Turns one attribute on or off on an existing file; a file that is not there is left alone.
void setAttribute(ObjectHeader* item, DWORD attribute, bool on)
{
    std::optional<DWORD> attributes = attributesOf(item);
    if (!attributes)
        return;
    DWORD changed = on ? *attributes | attribute : *attributes & ~attribute;
    SetFileAttributesA(folderItemFullPath(item).c_str(), changed ? changed : FILE_ATTRIBUTE_NORMAL);
}

ObjectHeader* dateOfFileTime(const FILETIME& fileTime)
{
    FILETIME local;
    if (!FileTimeToLocalFileTime(&fileTime, &local))
        return nullptr;
    ObjectHeader* date = objectInstantiate(dateClass());
    dateSetLocalFileTime(date, local);
    return date;
}

} // namespace

void folderItemDeclareProperties(ClassDescriptor* cls)
{
    classDeclareProperties(
        cls, {
                 {"Count", accessor(fileCountGetter), nullptr, 0, propertyInteger},
                 {"Name", accessor(fileNameGetter), accessor(fileNameSetter), 0, propertyString},
                 {"AbsolutePath", accessor(fileAbsolutePathGetter), nullptr, 0, propertyString},
                 {"Exists", accessor(fileExistsGetter), nullptr, 0, propertyBoolean},
                 {"Directory", accessor(fileDirectoryGetter), nullptr, 0, propertyBoolean},
                 {"Visible", accessor(fileVisibleGetter), accessor(fileVisibleSetter), 0, propertyBoolean},
                 {"Locked", accessor(fileLockedGetter), accessor(fileLockedSetter), 0, propertyBoolean},
                 {"Length", accessor(fileSizeGetter), nullptr, 0, propertyInteger},
                 {"CreationDate", accessor(fileCreationDateGetter), nullptr, 0, propertyOfClass(dateClass())},
                 {"ModificationDate", accessor(fileModificationDateGetter), nullptr, 0, propertyOfClass(dateClass())},
                 {"ResourceForkLength", accessor(fileResourceForkLengthGetter), nullptr, 0, propertyInteger},
                 {"Alias", accessor(fileAliasGetter), nullptr, 0, propertyBoolean},
                 {"MacType", accessor(fileMacTypeGetter), accessor(fileMacTypeSetter), 0, propertyString},
                 {"MacCreator", accessor(fileMacCreatorGetter), accessor(fileMacCreatorSetter), 0, propertyString},
             });
}

// A path with wildcards names no file, though a search for it may find some.
extern "C" int32_t fileExistsGetter(ObjectHeader* item, int32_t)
{
    return item && (attributesOf(item) || isPresentDrive(folderItemFullPath(item)));
}

bool folderItemPathIsFolder(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES)
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return isPresentDrive(path);
}

extern "C" int32_t fileDirectoryGetter(ObjectHeader* item, int32_t)
{
    return item && folderItemPathIsFolder(folderItemFullPath(item));
}

extern "C" int32_t fileVisibleGetter(ObjectHeader* item, int32_t)
{
    return !(attributesOf(item).value_or(0) & FILE_ATTRIBUTE_HIDDEN);
}

extern "C" void fileVisibleSetter(ObjectHeader* item, int32_t, int32_t visible)
{
    setAttribute(item, FILE_ATTRIBUTE_HIDDEN, !visible);
}

extern "C" int32_t fileLockedGetter(ObjectHeader* item, int32_t)
{
    return (attributesOf(item).value_or(0) & FILE_ATTRIBUTE_READONLY) != 0;
}

extern "C" void fileLockedSetter(ObjectHeader* item, int32_t, int32_t locked)
{
    setAttribute(item, FILE_ATTRIBUTE_READONLY, locked != 0);
}

extern "C" int32_t fileSizeGetter(ObjectHeader* item, int32_t)
{
    std::optional<WIN32_FILE_ATTRIBUTE_DATA> details = detailsOf(item);
    return details ? static_cast<int32_t>(details->nFileSizeLow) : 0;
}

extern "C" ObjectHeader* fileCreationDateGetter(ObjectHeader* item, int32_t)
{
    std::optional<WIN32_FILE_ATTRIBUTE_DATA> details = detailsOf(item);
    return details ? dateOfFileTime(details->ftCreationTime) : nullptr;
}

extern "C" ObjectHeader* fileModificationDateGetter(ObjectHeader* item, int32_t)
{
    std::optional<WIN32_FILE_ATTRIBUTE_DATA> details = detailsOf(item);
    return details ? dateOfFileTime(details->ftLastWriteTime) : nullptr;
}

extern "C" int32_t fileResourceForkLengthGetter(ObjectHeader*, int32_t)
{
    return 0;
}

extern "C" int32_t fileAliasGetter(ObjectHeader*, int32_t)
{
    return 0;
}

extern "C" StringRecord* fileMacTypeGetter(ObjectHeader*, int32_t)
{
    return nullptr;
}

extern "C" void fileMacTypeSetter(ObjectHeader*, int32_t, StringRecord*)
{}

extern "C" StringRecord* fileMacCreatorGetter(ObjectHeader*, int32_t)
{
    return nullptr;
}

extern "C" void fileMacCreatorSetter(ObjectHeader*, int32_t, StringRecord*)
{}
