// Test-only builder of small i386 COFF objects in memory: sections, symbols, relocations.
#include "tests/coff_builder.h"

#include "common/endian.h"

#include <cstring>

namespace testsupport {

using tools::appendU16LE;
using tools::appendU32LE;

int16_t CoffBuilder::addSection(const std::string& name, uint32_t characteristics, std::vector<uint8_t> bytes)
{
    sections_.push_back(Section{name, characteristics, std::move(bytes), 0, {}});
    return static_cast<int16_t>(sections_.size());
}

int16_t CoffBuilder::addBss(uint32_t size, const std::string& name)
{
    sections_.push_back(Section{name, kBssFlags, {}, size, {}});
    return static_cast<int16_t>(sections_.size());
}

uint32_t CoffBuilder::addSymbol(const std::string& name, uint32_t value, int16_t section, uint8_t storageClass,
                                uint16_t type)
{
    symbols_.push_back(Symbol{name, value, section, type, storageClass, {}});
    return symbolSlots_++;
}

uint32_t CoffBuilder::addSectionSymbol(int16_t section, uint8_t comdatSelection, uint16_t associate)
{
    const Section& home = sections_[section - 1];
    std::array<uint8_t, 18> aux{};
    storeU32LE(aux.data(), home.bytes.empty() ? home.bssSize : static_cast<uint32_t>(home.bytes.size()));
    aux[4] = static_cast<uint8_t>(home.relocations.size());
    aux[12] = static_cast<uint8_t>(associate);
    aux[13] = static_cast<uint8_t>(associate >> 8);
    aux[14] = comdatSelection;
    symbols_.push_back(Symbol{home.name, 0, section, 0, kStatic, {aux}});
    const uint32_t index = symbolSlots_;
    symbolSlots_ += 2;
    return index;
}

uint32_t CoffBuilder::addWeakExternal(const std::string& name, uint32_t defaultSymbol)
{
    std::array<uint8_t, 18> aux{};
    storeU32LE(aux.data(), defaultSymbol);
    storeU32LE(aux.data() + 4, 3); // search alias
    symbols_.push_back(Symbol{name, 0, 0, 0, kWeakExternal, {aux}});
    const uint32_t index = symbolSlots_;
    symbolSlots_ += 2;
    return index;
}

void CoffBuilder::addRelocation(int16_t section, uint32_t offset, uint32_t symbol, uint16_t type)
{
    sections_[section - 1].relocations.push_back(Relocation{offset, symbol, type});
}

namespace {

// Appends a name field of 8 bytes: the name itself, or a reference into the string table.
void appendName(std::vector<uint8_t>& out, const std::string& name, std::string& strings, bool isSection)
{
    uint8_t field[8] = {};
    if (name.size() <= 8) {
        std::memcpy(field, name.data(), name.size());
    } else {
        const uint32_t offset = static_cast<uint32_t>(4 + strings.size());
        strings += name;
        strings.push_back('\0');
        if (isSection) {
            const std::string reference = "/" + std::to_string(offset);
            std::memcpy(field, reference.data(), reference.size());
        } else {
            storeU32LE(field + 4, offset);
        }
    }
    out.insert(out.end(), field, field + 8);
}

} // namespace

std::vector<uint8_t> CoffBuilder::build(CoffLayout* layout) const
{
    CoffLayout where;
    std::string strings;
    const uint32_t headerSize = 20 + 40 * static_cast<uint32_t>(sections_.size());
    uint32_t cursor = headerSize;
    for (const Section& section : sections_) {
        where.rawData.push_back(section.bytes.empty() ? 0 : cursor);
        cursor += static_cast<uint32_t>(section.bytes.size());
    }
    for (const Section& section : sections_) {
        where.relocationTable.push_back(section.relocations.empty() ? 0 : cursor);
        cursor += 10 * static_cast<uint32_t>(section.relocations.size());
    }
    where.sectionTable = 20;
    where.symbolTable = cursor;
    where.stringTable = cursor + 18 * symbolSlots_;

    std::vector<uint8_t> out;
    appendU16LE(out, 0x014c);
    appendU16LE(out, static_cast<uint16_t>(sections_.size()));
    appendU32LE(out, 0);
    appendU32LE(out, where.symbolTable);
    appendU32LE(out, symbolSlots_);
    appendU16LE(out, 0);
    appendU16LE(out, 0);
    for (size_t i = 0; i < sections_.size(); ++i) {
        const Section& section = sections_[i];
        appendName(out, section.name, strings, true);
        appendU32LE(out, 0);
        appendU32LE(out, 0);
        appendU32LE(out, section.bytes.empty() ? section.bssSize : static_cast<uint32_t>(section.bytes.size()));
        appendU32LE(out, where.rawData[i]);
        appendU32LE(out, where.relocationTable[i]);
        appendU32LE(out, 0);
        appendU16LE(out, static_cast<uint16_t>(section.relocations.size()));
        appendU16LE(out, 0);
        appendU32LE(out, section.characteristics);
    }
    for (const Section& section : sections_)
        out.insert(out.end(), section.bytes.begin(), section.bytes.end());
    for (const Section& section : sections_) {
        for (const Relocation& relocation : section.relocations) {
            appendU32LE(out, relocation.offset);
            appendU32LE(out, relocation.symbol);
            appendU16LE(out, relocation.type);
        }
    }
    for (const Symbol& symbol : symbols_) {
        appendName(out, symbol.name, strings, false);
        appendU32LE(out, symbol.value);
        appendU16LE(out, static_cast<uint16_t>(symbol.section));
        appendU16LE(out, symbol.type);
        out.push_back(symbol.storageClass);
        out.push_back(static_cast<uint8_t>(symbol.aux.size()));
        for (const auto& aux : symbol.aux)
            out.insert(out.end(), aux.begin(), aux.end());
    }
    appendU32LE(out, static_cast<uint32_t>(4 + strings.size()));
    out.insert(out.end(), strings.begin(), strings.end());
    where.size = static_cast<uint32_t>(out.size());
    if (layout != nullptr)
        *layout = where;
    return out;
}

} // namespace testsupport
