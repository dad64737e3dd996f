// Reader for i386 COFF object files: checks the file, then exposes its sections,
// symbols and relocations as plain checked views.
#include "imagelink/coff_object.h"

#include "base/bytecursor.h"

#include <cstring>

namespace imagelink {

using tools::hex;

namespace {

constexpr uint16_t kMachineI386 = 0x014c;
constexpr uint64_t kFileHeaderSize = 20;
constexpr uint64_t kSectionHeaderSize = 40;
constexpr uint64_t kSymbolSize = 18;
constexpr uint64_t kRelocationSize = 10;

struct FileHeader {
    uint16_t machine = 0;
    uint16_t sectionCount = 0;
    uint32_t symbolTableOffset = 0;
    uint32_t symbolCount = 0;
    uint16_t optionalHeaderSize = 0;
};

// The fields of a section header that the reader uses, before any is checked.
struct RawSectionHeader {
    std::span<const uint8_t> name;
    uint32_t virtualAddress = 0;
    uint32_t size = 0;
    uint32_t rawPointer = 0;
    uint32_t relocationPointer = 0;
    uint16_t relocationCount = 0;
    uint32_t characteristics = 0;
};

// The caller has checked that the whole header is there.
RawSectionHeader readRawSectionHeader(ByteCursor& cursor)
{
    RawSectionHeader raw;
    uint32_t virtualSize = 0, linePointer = 0;
    uint16_t lineCount = 0;
    cursor.readBytes(8, raw.name);
    cursor.readU32LE(virtualSize);
    cursor.readU32LE(raw.virtualAddress);
    cursor.readU32LE(raw.size);
    cursor.readU32LE(raw.rawPointer);
    cursor.readU32LE(raw.relocationPointer);
    cursor.readU32LE(linePointer);
    cursor.readU16LE(raw.relocationCount);
    cursor.readU16LE(lineCount);
    cursor.readU32LE(raw.characteristics);
    return raw;
}

// Reads one object in stages; each stage reports what it finds wrong and says whether
// the later stages can still run.
class ObjectReader {
public:
    ObjectReader(const std::string& path, std::span<const uint8_t> bytes, tools::Diagnostics& diagnostics)
        : bytes_(bytes), diagnostics_(diagnostics)
    {
        object_.path = path;
    }

    std::optional<CoffObject> read();

private:
    bool readFileHeader();
    bool readStringTable();
    bool readSectionHeaders();
    void readSectionHeader(ByteCursor& cursor, size_t index);
    std::string sectionName(std::span<const uint8_t> field, size_t index);
    void readRelocationTable(CoffSection& section, const RawSectionHeader& raw);
    bool readSymbols();
    void readSymbol(ByteCursor& cursor, uint32_t index);
    std::string symbolName(std::span<const uint8_t> field, uint32_t index);
    void checkDefinedSymbol(CoffSymbol& symbol, uint32_t index, std::span<const uint8_t> aux);
    void noteSectionDefinition(CoffSymbol& symbol, std::span<const uint8_t> aux);
    void checkComdatDefinitions();
    void checkRelocations();
    bool nameAt(uint32_t offset, std::string& name);
    void fail(const std::string& what) { diagnostics_.error(object_.path, what); }

    std::span<const uint8_t> bytes_;
    tools::Diagnostics& diagnostics_;
    CoffObject object_;
    FileHeader header_;
    std::span<const uint8_t> stringTable_;
};

std::string shortName(std::span<const uint8_t> field)
{
    const char* text = reinterpret_cast<const char*>(field.data());
    return std::string(text, strnlen(text, field.size()));
}

std::string symbolLabel(uint32_t index, const std::string& name)
{
    return "symbol #" + std::to_string(index) + " (" + (name.empty() ? "no name" : name) + ")";
}

bool ObjectReader::readFileHeader()
{
    ByteCursor cursor(bytes_);
    uint32_t timeDateStamp = 0;
    uint16_t characteristics = 0;
    if (!cursor.has(kFileHeaderSize)) {
        fail("truncated COFF header (" + std::to_string(bytes_.size()) + " bytes)");
        return false;
    }
    cursor.readU16LE(header_.machine);
    cursor.readU16LE(header_.sectionCount);
    cursor.readU32LE(timeDateStamp);
    cursor.readU32LE(header_.symbolTableOffset);
    cursor.readU32LE(header_.symbolCount);
    cursor.readU16LE(header_.optionalHeaderSize);
    cursor.readU16LE(characteristics);
    if (header_.machine != kMachineI386) {
        fail("not an i386 COFF object (machine " + hex(header_.machine) + ")");
        return false;
    }
    return true;
}

bool ObjectReader::readStringTable()
{
    const uint64_t symbolBytes = uint64_t{header_.symbolCount} * kSymbolSize;
    if (!rangeFits(header_.symbolTableOffset, symbolBytes, bytes_.size())) {
        fail("symbol table (" + std::to_string(header_.symbolCount) + " symbols at " + hex(header_.symbolTableOffset) +
             ") runs past the end of the file");
        return false;
    }
    const uint64_t tableOffset = header_.symbolTableOffset + symbolBytes;
    // An object whose file ends with the symbol table simply has no long names.
    if (header_.symbolTableOffset == 0 || tableOffset == bytes_.size())
        return true;
    ByteCursor cursor(bytes_, static_cast<size_t>(tableOffset));
    uint32_t size = 0;
    if (!cursor.readU32LE(size)) {
        fail("truncated string table size at " + hex(tableOffset));
        return false;
    }
    if (size < 4 || !rangeFits(tableOffset, size, bytes_.size())) {
        fail("string table (" + hex(size) + " bytes at " + hex(tableOffset) + ") does not fit the file");
        return false;
    }
    stringTable_ = bytes_.subspan(static_cast<size_t>(tableOffset), size);
    return true;
}

bool ObjectReader::nameAt(uint32_t offset, std::string& name)
{
    if (offset < 4 || offset >= stringTable_.size())
        return false;
    const char* start = reinterpret_cast<const char*>(stringTable_.data()) + offset;
    const size_t room = stringTable_.size() - offset;
    const size_t length = strnlen(start, room);
    if (length == room)
        return false; // no terminator before the end of the table
    name.assign(start, length);
    return true;
}

bool ObjectReader::readSectionHeaders()
{
    const uint64_t tableOffset = kFileHeaderSize + header_.optionalHeaderSize;
    const uint64_t tableBytes = uint64_t{header_.sectionCount} * kSectionHeaderSize;
    if (!rangeFits(tableOffset, tableBytes, bytes_.size())) {
        fail("section table (" + std::to_string(header_.sectionCount) + " sections at " + hex(tableOffset) +
             ") runs past the end of the file");
        return false;
    }
    ByteCursor cursor(bytes_, static_cast<size_t>(tableOffset));
    object_.sections.resize(header_.sectionCount);
    for (size_t index = 0; index < header_.sectionCount; ++index)
        readSectionHeader(cursor, index);
    return true;
}

void ObjectReader::readSectionHeader(ByteCursor& cursor, size_t index)
{
    const RawSectionHeader raw = readRawSectionHeader(cursor);
    CoffSection& section = object_.sections[index];
    section.size = raw.size;
    section.characteristics = raw.characteristics;
    section.name = sectionName(raw.name, index);
    const uint32_t alignCode = (section.characteristics & kScnAlignMask) >> 20;
    if (alignCode == 15)
        fail(section.name + ": bad alignment field");
    section.alignment = alignCode == 0 ? 16 : (alignCode == 15 ? 1 : 1u << (alignCode - 1));
    if (!section.isUninitialized() && section.size > 0) {
        if (!rangeFits(raw.rawPointer, section.size, bytes_.size())) {
            fail(section.name + ": raw data (" + hex(section.size) + " bytes at " + hex(raw.rawPointer) +
                 ") runs past the end of the file");
        } else {
            section.data.assign(bytes_.begin() + raw.rawPointer, bytes_.begin() + raw.rawPointer + section.size);
        }
    }
    readRelocationTable(section, raw);
}

std::string ObjectReader::sectionName(std::span<const uint8_t> field, size_t index)
{
    std::string name = shortName(field);
    if (name.size() < 2 || name[0] != '/')
        return name;
    // "/123": the name is at offset 123 of the string table.
    char* end = nullptr;
    const unsigned long offset = std::strtoul(name.c_str() + 1, &end, 10);
    std::string longName;
    if (*end == '\0' && offset <= UINT32_MAX && nameAt(static_cast<uint32_t>(offset), longName))
        return longName;
    const std::string label = "section #" + std::to_string(index + 1);
    fail(label + ": bad long name " + name);
    return label;
}

void ObjectReader::readRelocationTable(CoffSection& section, const RawSectionHeader& raw)
{
    uint32_t count = raw.relocationCount;
    const bool countInFirst = (section.characteristics & kScnLnkNrelocOvfl) != 0 && count == 0xFFFF;
    if (countInFirst) {
        // The true count sits in the first record, which counts itself.
        ByteCursor first(bytes_);
        if (!first.seek(raw.relocationPointer) || !first.readU32LE(count) || count == 0) {
            fail(section.name + ": bad extended relocation count at " + hex(raw.relocationPointer));
            return;
        }
    }
    if (count == 0)
        return;
    if (!rangeFits(raw.relocationPointer, uint64_t{count} * kRelocationSize, bytes_.size())) {
        fail(section.name + ": relocation table (" + std::to_string(count) + " entries at " +
             hex(raw.relocationPointer) + ") runs past the end of the file");
        return;
    }
    ByteCursor cursor(bytes_, raw.relocationPointer);
    for (uint32_t i = 0; i < count; ++i) {
        uint32_t address = 0;
        CoffRelocation relocation;
        cursor.readU32LE(address);
        cursor.readU32LE(relocation.symbolIndex);
        cursor.readU16LE(relocation.type);
        if (countInFirst && i == 0)
            continue;
        if (address < raw.virtualAddress ||
            !rangeFits(address - raw.virtualAddress, relocationWidth(relocation.type), section.size)) {
            diagnostics_.error(object_.path, section.name, address,
                               "relocation lies outside its section (" + hex(section.size) + " bytes)");
            continue;
        }
        relocation.offset = address - raw.virtualAddress;
        section.relocations.push_back(relocation);
    }
}

bool ObjectReader::readSymbols()
{
    object_.symbols.resize(header_.symbolCount);
    ByteCursor cursor(bytes_, header_.symbolTableOffset);
    for (uint32_t index = 0; index < header_.symbolCount; ++index) {
        readSymbol(cursor, index);
        const CoffSymbol& symbol = object_.symbols[index];
        if (symbol.auxCount > header_.symbolCount - 1 - index) {
            fail(symbolLabel(index, symbol.name) + ": auxiliary records run past the end of the symbol table");
            return false;
        }
        for (uint8_t aux = 0; aux < symbol.auxCount; ++aux) {
            object_.symbols[++index].isAuxiliary = true;
            cursor.skip(kSymbolSize);
        }
    }
    return true;
}

void ObjectReader::readSymbol(ByteCursor& cursor, uint32_t index)
{
    CoffSymbol& symbol = object_.symbols[index];
    std::span<const uint8_t> nameField;
    uint16_t section = 0;
    cursor.readBytes(8, nameField);
    cursor.readU32LE(symbol.value);
    cursor.readU16LE(section);
    cursor.readU16LE(symbol.type);
    cursor.readU8(symbol.storageClass);
    cursor.readU8(symbol.auxCount);
    symbol.section = static_cast<int16_t>(section);
    symbol.name = symbolName(nameField, index);
    if (symbol.section < kSectionDebug || symbol.section > static_cast<int>(object_.sections.size())) {
        fail(symbolLabel(index, symbol.name) + ": section number " + std::to_string(symbol.section) +
             " does not exist");
        symbol.section = kSectionDebug; // keeps later stages from using it
        return;
    }
    // Only the first auxiliary record is ever read; readSymbols checks they all fit.
    std::span<const uint8_t> aux;
    if (symbol.auxCount > 0 && index + 1u < header_.symbolCount)
        aux = bytes_.subspan(cursor.position(), kSymbolSize);
    if (symbol.storageClass == kClassWeakExternal && !aux.empty())
        symbol.weakDefault = loadU32LE(aux.data());
    if (symbol.section > 0)
        checkDefinedSymbol(symbol, index, aux);
}

std::string ObjectReader::symbolName(std::span<const uint8_t> field, uint32_t index)
{
    if (loadU32LE(field.data()) != 0)
        return shortName(field);
    const uint32_t offset = loadU32LE(field.data() + 4);
    std::string name;
    if (!nameAt(offset, name)) {
        fail(symbolLabel(index, "") + ": name offset " + hex(offset) + " is outside the string table");
    }
    return name;
}

// A static symbol named like its section, with an auxiliary record, is the section's
// definition (which carries the COMDAT selection); any other symbol must lie inside its section.
void ObjectReader::checkDefinedSymbol(CoffSymbol& symbol, uint32_t index, std::span<const uint8_t> aux)
{
    const CoffSection& home = object_.section(symbol.section);
    const bool definesSection = !aux.empty() && symbol.storageClass == kClassStatic && symbol.name == home.name &&
                                symbol.value == 0 && !home.hasComdatDefinition;
    if (definesSection) {
        noteSectionDefinition(symbol, aux);
    } else if (symbol.value > home.size) {
        fail(symbolLabel(index, symbol.name) + ": value " + hex(symbol.value) + " lies outside section " + home.name);
    }
}

void ObjectReader::noteSectionDefinition(CoffSymbol& symbol, std::span<const uint8_t> aux)
{
    symbol.isSectionDefinition = true;
    CoffSection& section = object_.sections[symbol.section - 1];
    if ((section.characteristics & kScnLnkComdat) == 0)
        return;
    section.hasComdatDefinition = true;
    section.comdatAssociate = loadU16LE(aux.data() + 12);
    section.comdatSelection = aux[14];
}

void ObjectReader::checkComdatDefinitions()
{
    for (uint32_t index = 0; index < object_.symbols.size(); ++index) {
        const CoffSymbol& symbol = object_.symbols[index];
        if (symbol.isAuxiliary || symbol.isSectionDefinition || symbol.section <= 0)
            continue;
        CoffSection& home = object_.sections[symbol.section - 1];
        if (home.hasComdatDefinition && home.comdatSymbol < 0)
            home.comdatSymbol = index;
    }
    for (size_t number = 1; number <= object_.sections.size(); ++number) {
        const CoffSection& section = object_.sections[number - 1];
        if ((section.characteristics & kScnLnkComdat) == 0)
            continue;
        if (!section.hasComdatDefinition) {
            fail(section.name + ": COMDAT section has no section definition symbol");
        } else if (section.comdatSelection == kComdatAssociative &&
                   (section.comdatAssociate == 0 || section.comdatAssociate > object_.sections.size() ||
                    section.comdatAssociate == number)) {
            fail(section.name + ": associative COMDAT names section " + std::to_string(section.comdatAssociate) +
                 ", which does not exist");
        }
    }
    for (uint32_t index = 0; index < object_.symbols.size(); ++index) {
        const CoffSymbol& symbol = object_.symbols[index];
        if (symbol.isAuxiliary || symbol.storageClass != kClassWeakExternal)
            continue;
        if (symbol.auxCount == 0 || symbol.weakDefault >= object_.symbols.size() ||
            object_.symbols[symbol.weakDefault].isAuxiliary) {
            fail(symbolLabel(index, symbol.name) + ": weak external has no valid default symbol");
        }
    }
}

void ObjectReader::checkRelocations()
{
    const size_t count = object_.symbols.size();
    for (CoffSection& section : object_.sections) {
        for (const CoffRelocation& relocation : section.relocations) {
            if (relocation.symbolIndex >= count) {
                diagnostics_.error(object_.path, section.name, relocation.offset,
                                   "relocation symbol index " + std::to_string(relocation.symbolIndex) +
                                       " is out of range (" + std::to_string(count) + " symbols)");
            } else if (object_.symbols[relocation.symbolIndex].isAuxiliary) {
                diagnostics_.error(object_.path, section.name, relocation.offset,
                                   "relocation symbol index " + std::to_string(relocation.symbolIndex) +
                                       " refers to an auxiliary record");
            }
        }
    }
}

std::optional<CoffObject> ObjectReader::read()
{
    const size_t errorsBefore = diagnostics_.count();
    if (!readFileHeader() || !readStringTable() || !readSectionHeaders() || !readSymbols()) {
        return std::nullopt;
    }
    checkComdatDefinitions();
    checkRelocations();
    if (diagnostics_.count() != errorsBefore)
        return std::nullopt;
    return std::move(object_);
}

} // namespace

std::optional<CoffObject> readCoffObject(const std::string& path, std::span<const uint8_t> bytes,
                                         tools::Diagnostics& diagnostics)
{
    return ObjectReader(path, bytes, diagnostics).read();
}

std::string relocationTypeName(uint16_t type)
{
    switch (type) {
    case 0x0000:
        return "ABSOLUTE";
    case 0x0001:
        return "DIR16";
    case 0x0002:
        return "REL16";
    case 0x0006:
        return "DIR32";
    case 0x0007:
        return "DIR32NB";
    case 0x0009:
        return "SEG12";
    case 0x000A:
        return "SECTION";
    case 0x000B:
        return "SECREL";
    case 0x000C:
        return "TOKEN";
    case 0x000D:
        return "SECREL7";
    case 0x0014:
        return "REL32";
    default:
        return "type " + hex(type);
    }
}

uint32_t relocationWidth(uint16_t type)
{
    switch (type) {
    case 0x0000:
        return 0;
    case 0x0001:
    case 0x0002:
    case 0x0009:
    case 0x000A:
        return 2;
    case 0x000D:
        return 1;
    case 0x0006:
    case 0x0007:
    case 0x000B:
    case 0x000C:
    case 0x0014:
        return 4;
    default:
        return 1;
    }
}

} // namespace imagelink
