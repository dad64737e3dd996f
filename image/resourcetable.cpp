// The resource table behind the image: item data (movies, mouse cursors) by number.
#include "image/resourcetable.h"

#include "base/bytecursor.h"
#include "image/imagelayout.h"
#include "image/resourcetableformat.h"

namespace {

uint32_t tableOffset;
HANDLE resourceFile = INVALID_HANDLE_VALUE;
bool openTried;

HANDLE openResourceFile()
{
    if (openTried)
        return resourceFile;
    openTried = true;
    const char* path = imageLooseResourceFileName;
    char program[1024];
    if (tableOffset != 0) {
        DWORD length = GetModuleFileNameA(nullptr, program, sizeof program);
        if (length == 0 || length >= sizeof program)
            return resourceFile;
        path = program;
    }
    resourceFile = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    return resourceFile;
}

} // namespace

bool resourceReadAt(HANDLE file, uint64_t offset, void* into, uint32_t size)
{
    LARGE_INTEGER position;
    position.QuadPart = static_cast<LONGLONG>(offset);
    DWORD got = 0;
    return SetFilePointerEx(file, position, nullptr, FILE_BEGIN) && ReadFile(file, into, size, &got, nullptr) &&
           got == size;
}

bool resourceReadBigEndianAt(HANDLE file, uint64_t offset, uint32_t& value)
{
    uint8_t bytes[resourceWordBytes];
    if (!resourceReadAt(file, offset, bytes, resourceWordBytes))
        return false;
    value = loadU32BE(bytes);
    return true;
}

// A new place for the table is read from the file it names, not from one opened for the old.
void resourceSetTableOffset(uint32_t offset)
{
    if (resourceFile != INVALID_HANDLE_VALUE)
        CloseHandle(resourceFile);
    resourceFile = INVALID_HANDLE_VALUE;
    openTried = false;
    tableOffset = offset;
}

bool resourceItemData(int32_t item, HANDLE& file, uint32_t& position)
{
    if (item <= 0)
        return false;
    HANDLE opened = openResourceFile();
    if (opened == INVALID_HANDLE_VALUE)
        return false;
    uint32_t count, entry;
    if (!resourceReadBigEndianAt(opened, tableOffset, count) || count < static_cast<uint32_t>(item))
        return false;
    if (!resourceReadBigEndianAt(opened, tableOffset + resourceEntryOffset(item), entry))
        return false;
    uint64_t itemPosition = tableOffset + resourceItemsOffset(count) + entry;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(opened, &size) || itemPosition >= static_cast<uint64_t>(size.QuadPart))
        return false;
    file = opened;
    position = static_cast<uint32_t>(itemPosition);
    return true;
}
