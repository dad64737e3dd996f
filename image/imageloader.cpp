// The image loader: finds the application image, reads its four blocks, links, relocates, runs it.
#include "image/imageloader.h"

#include "base/bytecursor.h"
#include "base/hostmessage.h"
#include "base/hoststate.h"
#include "image/datarelocation.h"
#include "image/imagefault.h"
#include "image/imagelayout.h"
#include "image/linker.h"
#include "image/resourcetable.h"
#include "runtime/strings/string.h"

#include <windows.h>

#include <cstring>

namespace {

constexpr const char* blockNames[imageBlockCount] = {"code", "link-record", "data", "data relocation"};

uint8_t* allocateBlock(uint32_t size, bool executable)
{
    if (size == 0)
        return nullptr;
    if (executable)
        return static_cast<uint8_t*>(VirtualAlloc(nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_EXECUTE_READWRITE));
    return static_cast<uint8_t*>(HeapAlloc(GetProcessHeap(), 0, size));
}

void freeBlock(ImageBlock& block, bool executable)
{
    if (block.bytes) {
        if (executable)
            VirtualFree(block.bytes, 0, MEM_RELEASE);
        else
            HeapFree(GetProcessHeap(), 0, block.bytes);
    }
    block = {};
}

bool readExactly(HANDLE file, uint8_t* into, uint32_t size)
{
    while (size > 0) {
        DWORD got = 0;
        if (!ReadFile(file, into, size, &got, nullptr) || got == 0)
            return false;
        into += got;
        size -= got;
    }
    return true;
}

// Allocates the block and fills it with `size` bytes read from the file.
bool readBlock(HANDLE file, ImageBlock& block, uint32_t size, int index, std::string& error)
{
    block.bytes = allocateBlock(size, index == 0);
    block.size = size;
    if (size != 0 && !block.bytes) {
        error = formatText("The application could not be loaded: there is not enough memory for its %s block "
                           "(%u bytes).",
                           blockNames[index], size);
        return false;
    }
    if (!readExactly(file, block.bytes, size)) {
        error = imageDamaged(formatText("the %s block could not be read", blockNames[index]));
        return false;
    }
    return true;
}

uint64_t fileSize(HANDLE file)
{
    LARGE_INTEGER size;
    return GetFileSizeEx(file, &size) ? static_cast<uint64_t>(size.QuadPart) : 0;
}

ImageBlock* blockByIndex(ImageBlocks& blocks, int index)
{
    ImageBlock* order[imageBlockCount] = {&blocks.code, &blocks.links, &blocks.data, &blocks.relocations};
    return order[index];
}

bool readAppendedBlocks(HANDLE file, uint32_t imageOffset, ImageBlocks& blocks, std::string& error)
{
    uint64_t left = fileSize(file);
    if (imageOffset > left) {
        error = imageDamaged(formatText("the image offset 0x%X lies past the end of the program file (0x%llX bytes)",
                                        imageOffset, static_cast<unsigned long long>(left)));
        return false;
    }
    left -= imageOffset;
    LARGE_INTEGER position;
    position.QuadPart = imageOffset;
    SetFilePointerEx(file, position, nullptr, FILE_BEGIN);
    for (int index = 0; index < imageBlockCount; ++index) {
        uint8_t lengthBytes[imageBlockLengthBytes];
        if (left < imageBlockLengthBytes || !readExactly(file, lengthBytes, imageBlockLengthBytes)) {
            error =
                imageDamaged(formatText("the program file ends before the length of the %s block", blockNames[index]));
            return false;
        }
        left -= imageBlockLengthBytes;
        uint32_t length = loadU32LE(lengthBytes);
        if (length > left) {
            error = imageDamaged(formatText("the %s block is %u bytes long, but only %llu bytes follow it",
                                            blockNames[index], length, static_cast<unsigned long long>(left)));
            return false;
        }
        if (!readBlock(file, *blockByIndex(blocks, index), length, index, error))
            return false;
        left -= length;
    }
    return true;
}

bool readLooseFile(const char* name, ImageBlock& block, int index, std::string& error)
{
    HANDLE file = CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = formatText("The application could not be loaded: this program carries no image, and the "
                           "image file %s could not be opened in the current folder.",
                           name);
        return false;
    }
    uint64_t size = fileSize(file);
    bool ok = size <= 0x7FFFFFFF;
    if (!ok)
        error = imageDamaged(formatText("the image file %s is too large", name));
    ok = ok && readBlock(file, block, static_cast<uint32_t>(size), index, error);
    CloseHandle(file);
    return ok;
}

// The data header: word 0 the entry routine, inside the code block; word 4 the class
// table, inside the data block.
bool checkDataHeader(const ImageBlocks& blocks, ImageEntry& entry, std::string& error)
{
    if (blocks.data.size < imageDataHeaderBytes) {
        error = imageDamaged(formatText("the data block (%u bytes) is too short to hold its header", blocks.data.size));
        return false;
    }
    uint32_t entryAddress = loadU32LE(blocks.data.bytes + imageEntryWord);
    uint32_t classTable = loadU32LE(blocks.data.bytes + imageClassTableWord);
    uint32_t codeBase = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(blocks.code.bytes));
    uint32_t dataBase = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(blocks.data.bytes));
    if (entryAddress - codeBase >= blocks.code.size) {
        error = imageDamaged(formatText("the entry routine 0x%X lies outside the code block", entryAddress));
        return false;
    }
    if (classTable - dataBase >= blocks.data.size) {
        error = imageDamaged(formatText("the class table 0x%X lies outside the data block", classTable));
        return false;
    }
    entry = reinterpret_cast<ImageEntry>(static_cast<uintptr_t>(entryAddress));
    return true;
}

// The executable's own locator: false when there is none or it still reads "PICK".
bool findLocator(uint32_t& imageOffset, uint32_t& tableOffset, std::string& error)
{
    HMODULE module = hostState().instance ? hostState().instance : GetModuleHandleA(nullptr);
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(imageLocatorId), imageLocatorType);
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const uint8_t* bytes = loaded ? static_cast<const uint8_t*>(LockResource(loaded)) : nullptr;
    if (!bytes)
        return false;
    if (SizeofResource(module, resource) != imageLocatorBytes) {
        error = imageDamaged(formatText("the image locator holds %lu bytes instead of %u",
                                        SizeofResource(module, resource), imageLocatorBytes));
        return false;
    }
    if (memcmp(bytes, imageLocatorUnset, imageLocatorUnsetBytes) == 0)
        return false;
    imageOffset = loadU32LE(bytes + imageLocatorImageWord);
    tableOffset = loadU32LE(bytes + imageLocatorTableWord);
    return true;
}

bool readImage(ImageBlocks& blocks, std::string& error)
{
    uint32_t imageOffset = 0, tableOffset = 0;
    if (!findLocator(imageOffset, tableOffset, error))
        return error.empty() && imageReadLooseFiles(blocks, error);
    resourceSetTableOffset(tableOffset);
    char path[512];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path) {
        error = "The application could not be loaded: the path of the program file is too long.";
        return false;
    }
    return imageReadExecutable(path, imageOffset, blocks, error);
}

void showLoadError(const std::string& error)
{
    hostShowMessage(error.c_str());
}

} // namespace

bool imageReadExecutable(const char* path, uint32_t imageOffset, ImageBlocks& blocks, std::string& error)
{
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = formatText("The application could not be loaded: the program file %s could not be opened.", path);
        return false;
    }
    bool ok = readAppendedBlocks(file, imageOffset, blocks, error);
    CloseHandle(file);
    return ok;
}

bool imageReadLooseFiles(ImageBlocks& blocks, std::string& error)
{
    // Code and data first: when no file is there, the message names code1.dat.
    for (int index : {imageCodeBlock, imageDataBlock, imageLinkRecordBlock, imageRelocationBlock}) {
        if (!readLooseFile(imageLooseFileNames[index], *blockByIndex(blocks, index), index, error))
            return false;
    }
    return true;
}

bool imagePrepare(ImageBlocks& blocks, const ExportIndex& exports, ImageEntry& entry, std::string& error)
{
    LinkedImage image{blocks.code.bytes, blocks.code.size, blocks.data.bytes, blocks.data.size};
    if (!linkImage(image, blocks.links.bytes, blocks.links.size, exports, error))
        return false;
    freeBlock(blocks.links, false);
    uint32_t codeBase = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(blocks.code.bytes));
    uint32_t dataBase = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(blocks.data.bytes));
    if (!relocateData(blocks.data.bytes, blocks.data.size, blocks.relocations.bytes, blocks.relocations.size, codeBase,
                      dataBase, error))
        return false;
    freeBlock(blocks.relocations, false);
    return checkDataHeader(blocks, entry, error);
}

void imageFreeBlocks(ImageBlocks& blocks)
{
    freeBlock(blocks.code, true);
    freeBlock(blocks.links, false);
    freeBlock(blocks.data, false);
    freeBlock(blocks.relocations, false);
}

bool imageLoadAndRun(const ExportIndex& exports)
{
    ImageBlocks blocks{};
    std::string error;
    ImageEntry entry = nullptr;
    if (!readImage(blocks, error) || !imagePrepare(blocks, exports, entry, error)) {
        showLoadError(error);
        imageFreeBlocks(blocks);
        return false;
    }
    entry();
    return true;
}
