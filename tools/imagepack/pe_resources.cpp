// Finds the host executable's image locator (the "PICKLE" resource of imagelayout.h) by walking
// its PE resource directory.
#include "imagepack/pe_resources.h"

#include "base/bytecursor.h"
#include "common/diagnostics.h"
#include "common/pe_headers.h"
#include "image/imagelayout.h"

#include <cstring>
#include <string_view>
#include <vector>

namespace imagepack {

using tools::hex;

namespace {

constexpr uint32_t kSectionHeaderSize = 40;
constexpr uint16_t kMagicPe32 = 0x10B;
constexpr uint16_t kMagicPe32Plus = 0x20B;
constexpr uint32_t kResourceDataDirectory = 2;
constexpr uint32_t kDirectoryHeaderSize = 16;
constexpr uint32_t kDirectoryEntrySize = 8;
constexpr uint32_t kDataEntrySize = 16;
constexpr uint32_t kHighBit = 0x80000000;

struct PeSection {
    uint32_t virtualAddress;
    uint32_t rawSize;
    uint32_t rawPointer;
};

struct DirectoryEntry {
    uint32_t name;   // id, or (high bit) offset of a counted UTF-16 name
    uint32_t target; // offset of a data entry, or (high bit) of a subdirectory
};

// A checked view of a PE file: reads at relative virtual addresses through its section table.
class PeView {
public:
    explicit PeView(std::span<const uint8_t> file) : file_(file) {}

    bool parseHeaders(std::string& error);
    uint32_t resourceBase() const { return resourceBase_; }
    // File offset of `length` bytes at `rva`, when they lie inside one section's raw data.
    bool mapRva(uint64_t rva, uint64_t length, uint32_t& offset) const;
    bool readU32(uint64_t rva, uint32_t& value) const;
    bool readU16(uint64_t rva, uint16_t& value) const;
    std::span<const uint8_t> file() const { return file_; }

private:
    bool parseOptionalHeader(uint32_t offset, uint16_t size, std::string& error);
    bool parseSectionTable(uint32_t offset, uint16_t count, std::string& error);

    std::span<const uint8_t> file_;
    std::vector<PeSection> sections_;
    uint32_t resourceBase_ = 0;
};

bool PeView::parseHeaders(std::string& error)
{
    tools::PeHeaders headers;
    if (!tools::readPeHeaders(file_, headers, error))
        return false;
    const uint32_t optionalOffset = headers.coffHeader + tools::kCoffHeaderSize;
    return parseOptionalHeader(optionalOffset, headers.optionalSize, error) &&
           parseSectionTable(optionalOffset + headers.optionalSize, headers.sectionCount, error);
}

bool PeView::parseOptionalHeader(uint32_t offset, uint16_t size, std::string& error)
{
    if (size < 2 || !rangeFits(offset, size, file_.size())) {
        error = "optional header (" + hex(size) + " bytes at " + hex(offset) + ") does not fit the file";
        return false;
    }
    const uint16_t magic = loadU16LE(file_.data() + offset);
    if (magic != kMagicPe32 && magic != kMagicPe32Plus) {
        error = "unknown optional header magic " + hex(magic);
        return false;
    }
    const uint32_t countField = magic == kMagicPe32 ? 92 : 108;
    const uint32_t directories = countField + 4;
    const uint32_t resourceEntry = directories + kResourceDataDirectory * 8;
    if (size < resourceEntry + 8 || loadU32LE(file_.data() + offset + countField) <= kResourceDataDirectory) {
        error = "the host has no resource directory";
        return false;
    }
    resourceBase_ = loadU32LE(file_.data() + offset + resourceEntry);
    if (resourceBase_ == 0) {
        error = "the host has no resource directory";
        return false;
    }
    return true;
}

bool PeView::parseSectionTable(uint32_t offset, uint16_t count, std::string& error)
{
    if (!rangeFits(offset, uint64_t{count} * kSectionHeaderSize, file_.size())) {
        error = "section table (" + std::to_string(count) + " sections at " + hex(offset) +
                ") runs past the end of the file";
        return false;
    }
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* header = file_.data() + offset + i * kSectionHeaderSize;
        sections_.push_back(PeSection{loadU32LE(header + 12), loadU32LE(header + 16), loadU32LE(header + 20)});
    }
    return true;
}

bool PeView::mapRva(uint64_t rva, uint64_t length, uint32_t& offset) const
{
    for (const PeSection& section : sections_) {
        if (rva < section.virtualAddress)
            continue;
        const uint64_t delta = rva - section.virtualAddress;
        if (!rangeFits(delta, length, section.rawSize))
            continue;
        const uint64_t fileOffset = uint64_t{section.rawPointer} + delta;
        if (!rangeFits(fileOffset, length, file_.size()))
            return false;
        offset = static_cast<uint32_t>(fileOffset);
        return true;
    }
    return false;
}

bool PeView::readU32(uint64_t rva, uint32_t& value) const
{
    uint32_t offset = 0;
    if (!mapRva(rva, 4, offset))
        return false;
    value = loadU32LE(file_.data() + offset);
    return true;
}

bool PeView::readU16(uint64_t rva, uint16_t& value) const
{
    uint32_t offset = 0;
    if (!mapRva(rva, 2, offset))
        return false;
    value = loadU16LE(file_.data() + offset);
    return true;
}

// Walks the three levels of the resource tree (type, name, language).
class ResourceWalker {
public:
    ResourceWalker(const PeView& pe, std::string& error) : pe_(pe), error_(error) {}

    bool findPickleData(uint32_t& fileOffset);

private:
    // Named entries come first in a directory, numbered ones after them.
    bool readEntries(uint64_t directoryRva, const char* what, std::vector<DirectoryEntry>& named,
                     std::vector<DirectoryEntry>& numbered);
    bool nameIs(uint32_t nameField, std::u16string_view expected, bool& equal);
    bool findPickleType(DirectoryEntry& type);
    bool findPickleId(const DirectoryEntry& type, DirectoryEntry& id);
    bool findFirstLanguage(const DirectoryEntry& id, DirectoryEntry& language);
    uint64_t rvaOf(uint32_t field) const { return uint64_t{pe_.resourceBase()} + (field & ~kHighBit); }

    const PeView& pe_;
    std::string& error_;
};

bool ResourceWalker::readEntries(uint64_t directoryRva, const char* what, std::vector<DirectoryEntry>& named,
                                 std::vector<DirectoryEntry>& numbered)
{
    uint16_t namedCount = 0, idCount = 0;
    if (!pe_.readU16(directoryRva + 12, namedCount) || !pe_.readU16(directoryRva + 14, idCount)) {
        error_ = std::string(what) + " resource directory at RVA " + hex(directoryRva) + " lies outside the file";
        return false;
    }
    const uint64_t count = uint64_t{namedCount} + idCount;
    uint32_t offset = 0;
    if (!pe_.mapRva(directoryRva + kDirectoryHeaderSize, count * kDirectoryEntrySize, offset)) {
        error_ = std::string(what) + " resource directory at RVA " + hex(directoryRva) + ": its " +
                 std::to_string(count) + " entries run outside the file";
        return false;
    }
    for (uint64_t i = 0; i < count; ++i) {
        const uint8_t* entry = pe_.file().data() + offset + i * kDirectoryEntrySize;
        (i < namedCount ? named : numbered).push_back(DirectoryEntry{loadU32LE(entry), loadU32LE(entry + 4)});
    }
    return true;
}

// Resource type names are stored in upper case by resource compilers, and looked up
// without regard to case by the system: so is this one.
bool ResourceWalker::nameIs(uint32_t nameField, std::u16string_view expected, bool& equal)
{
    const uint64_t rva = rvaOf(nameField);
    uint16_t length = 0;
    uint32_t offset = 0;
    if (!pe_.readU16(rva, length) || !pe_.mapRva(rva + 2, uint64_t{length} * 2, offset)) {
        error_ = "resource name at RVA " + hex(rva) + " lies outside the file";
        return false;
    }
    equal = length == expected.size();
    for (size_t i = 0; equal && i < length; ++i) {
        uint16_t unit = loadU16LE(pe_.file().data() + offset + 2 * i);
        if (unit >= u'a' && unit <= u'z')
            unit = static_cast<uint16_t>(unit - u'a' + u'A');
        equal = unit == expected[i];
    }
    return true;
}

bool ResourceWalker::findPickleType(DirectoryEntry& type)
{
    std::vector<DirectoryEntry> named, numbered;
    if (!readEntries(pe_.resourceBase(), "root", named, numbered))
        return false;
    const std::string_view typeName = imageLocatorType; // ASCII, so each byte is its own UTF-16 unit
    const std::u16string wideTypeName(typeName.begin(), typeName.end());
    for (const DirectoryEntry& entry : named) {
        bool equal = false;
        if ((entry.name & kHighBit) == 0)
            continue;
        if (!nameIs(entry.name, wideTypeName, equal))
            return false;
        if (equal && (entry.target & kHighBit) != 0) {
            type = entry;
            return true;
        }
    }
    error_ = "the host has no PICKLE resource";
    return false;
}

bool ResourceWalker::findPickleId(const DirectoryEntry& type, DirectoryEntry& id)
{
    std::vector<DirectoryEntry> named, numbered;
    if (!readEntries(rvaOf(type.target), "PICKLE", named, numbered))
        return false;
    for (const DirectoryEntry& entry : numbered) {
        if (entry.name == imageLocatorId && (entry.target & kHighBit) != 0) {
            id = entry;
            return true;
        }
    }
    error_ = "the host has no PICKLE resource with id 101";
    return false;
}

// Any language will do: the first entry, whichever kind it is.
bool ResourceWalker::findFirstLanguage(const DirectoryEntry& id, DirectoryEntry& language)
{
    std::vector<DirectoryEntry> named, numbered;
    if (!readEntries(rvaOf(id.target), "PICKLE 101", named, numbered))
        return false;
    named.insert(named.end(), numbered.begin(), numbered.end());
    if (named.empty() || (named.front().target & kHighBit) != 0) {
        error_ = "PICKLE resource 101 has no language entry with data";
        return false;
    }
    language = named.front();
    return true;
}

bool ResourceWalker::findPickleData(uint32_t& fileOffset)
{
    DirectoryEntry type{}, id{}, language{};
    if (!findPickleType(type) || !findPickleId(type, id) || !findFirstLanguage(id, language))
        return false;
    const uint64_t dataEntry = rvaOf(language.target);
    uint32_t dataRva = 0, dataSize = 0;
    if (!pe_.readU32(dataEntry, dataRva) || !pe_.readU32(dataEntry + 4, dataSize) ||
        !pe_.mapRva(dataEntry, kDataEntrySize, fileOffset)) {
        error_ = "PICKLE resource data entry at RVA " + hex(dataEntry) + " lies outside the file";
        return false;
    }
    if (dataSize != imageLocatorBytes) {
        error_ = "PICKLE resource is " + std::to_string(dataSize) + " bytes, not 8";
        return false;
    }
    if (!pe_.mapRva(dataRva, imageLocatorBytes, fileOffset)) {
        error_ = "PICKLE resource data at RVA " + hex(dataRva) + " lies outside the file";
        return false;
    }
    return true;
}

} // namespace

bool findPickleResource(std::span<const uint8_t> pe, uint32_t& fileOffset, std::string& error)
{
    PeView view(pe);
    if (!view.parseHeaders(error))
        return false;
    if (!ResourceWalker(view, error).findPickleData(fileOffset))
        return false;
    if (std::memcmp(pe.data() + fileOffset, imageLocatorUnset, imageLocatorUnsetBytes) != 0) {
        error = "the PICKLE resource does not begin with \"PICK\": an image was already appended to this host";
        return false;
    }
    return true;
}

} // namespace imagepack
