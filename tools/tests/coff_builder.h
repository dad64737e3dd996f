// Test-only builder of small i386 COFF objects in memory: sections, symbols, relocations.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

constexpr uint32_t kCodeFlags = 0x60500020;  // code, execute, read, align 16
constexpr uint32_t kDataFlags = 0xC0300040;  // initialised data, read, write, align 4
constexpr uint32_t kRdataFlags = 0x40300040; // initialised data, read, align 4
constexpr uint32_t kBssFlags = 0xC0300080;   // uninitialised data, read, write, align 4
constexpr uint32_t kComdatFlag = 0x00001000;
constexpr uint32_t kDrectveFlags = 0x00100A00; // info, remove

constexpr uint16_t kDir32 = 0x0006;
constexpr uint16_t kDir32NB = 0x0007;
constexpr uint16_t kSection = 0x000A;
constexpr uint16_t kSecRel = 0x000B;
constexpr uint16_t kRel32 = 0x0014;

constexpr uint8_t kExternal = 2;
constexpr uint8_t kStatic = 3;
constexpr uint8_t kWeakExternal = 105;
constexpr uint16_t kFunctionType = 0x20;

// Where the parts of the last built object lie, for tests that damage them.
struct CoffLayout {
    uint32_t sectionTable = 0;
    std::vector<uint32_t> rawData;
    std::vector<uint32_t> relocationTable;
    uint32_t symbolTable = 0;
    uint32_t stringTable = 0;
    uint32_t size = 0;
};

class CoffBuilder {
public:
    int16_t addSection(const std::string& name, uint32_t characteristics, std::vector<uint8_t> bytes);
    int16_t addCode(std::vector<uint8_t> bytes, const std::string& name = ".text")
    {
        return addSection(name, kCodeFlags, std::move(bytes));
    }
    int16_t addData(std::vector<uint8_t> bytes, const std::string& name = ".data")
    {
        return addSection(name, kDataFlags, std::move(bytes));
    }
    int16_t addBss(uint32_t size, const std::string& name = ".bss");

    uint32_t addSymbol(const std::string& name, uint32_t value, int16_t section, uint8_t storageClass = kExternal,
                       uint16_t type = 0);
    uint32_t addUndefined(const std::string& name) { return addSymbol(name, 0, 0, kExternal, kFunctionType); }
    uint32_t addCommon(const std::string& name, uint32_t size) { return addSymbol(name, size, 0, kExternal); }
    // The static symbol named like the section, with its section-definition record.
    uint32_t addSectionSymbol(int16_t section, uint8_t comdatSelection = 0, uint16_t associate = 0);
    uint32_t addWeakExternal(const std::string& name, uint32_t defaultSymbol);
    void addRelocation(int16_t section, uint32_t offset, uint32_t symbol, uint16_t type);

    std::vector<uint8_t> build(CoffLayout* layout = nullptr) const;

private:
    struct Relocation {
        uint32_t offset;
        uint32_t symbol;
        uint16_t type;
    };
    struct Section {
        std::string name;
        uint32_t characteristics;
        std::vector<uint8_t> bytes;
        uint32_t bssSize;
        std::vector<Relocation> relocations;
    };
    struct Symbol {
        std::string name;
        uint32_t value;
        int16_t section;
        uint16_t type;
        uint8_t storageClass;
        std::vector<std::array<uint8_t, 18>> aux;
    };

    std::vector<Section> sections_;
    std::vector<Symbol> symbols_;
    uint32_t symbolSlots_ = 0;
};

} // namespace testsupport
