// Reader for i386 COFF object files: checks the file, then exposes its sections,
// symbols and relocations as plain checked views.
#pragma once

#include "common/diagnostics.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace imagelink {

// Section characteristics used by the linker.
constexpr uint32_t kScnCntCode = 0x00000020;
constexpr uint32_t kScnCntInitializedData = 0x00000040;
constexpr uint32_t kScnCntUninitializedData = 0x00000080;
constexpr uint32_t kScnLnkInfo = 0x00000200;
constexpr uint32_t kScnLnkRemove = 0x00000800;
constexpr uint32_t kScnLnkComdat = 0x00001000;
constexpr uint32_t kScnAlignMask = 0x00F00000;
constexpr uint32_t kScnLnkNrelocOvfl = 0x01000000;

// Symbol storage classes and special section numbers.
constexpr uint8_t kClassExternal = 2;
constexpr uint8_t kClassStatic = 3;
constexpr uint8_t kClassWeakExternal = 105;
constexpr int16_t kSectionUndefined = 0;
constexpr int16_t kSectionAbsolute = -1;
constexpr int16_t kSectionDebug = -2;

// i386 relocation types.
constexpr uint16_t kRelI386Absolute = 0x0000;
constexpr uint16_t kRelI386Dir32 = 0x0006;
constexpr uint16_t kRelI386Rel32 = 0x0014;

// COMDAT selection kinds.
constexpr uint8_t kComdatNoDuplicates = 1;
constexpr uint8_t kComdatAssociative = 5;

struct CoffRelocation {
    uint32_t offset = 0;      // from the start of its section; the field lies inside the section
    uint32_t symbolIndex = 0; // a symbol record, never an auxiliary record
    uint16_t type = 0;
};

struct CoffSection {
    std::string name;
    uint32_t characteristics = 0;
    uint32_t size = 0;         // SizeOfRawData; for uninitialised data the size to reserve
    uint32_t alignment = 16;   // in bytes
    std::vector<uint8_t> data; // `size` bytes; empty for uninitialised data
    std::vector<CoffRelocation> relocations;
    // Taken from the section definition symbol of a COMDAT section.
    bool hasComdatDefinition = false;
    uint8_t comdatSelection = 0;
    uint16_t comdatAssociate = 0; // 1-based section number, for associative COMDATs
    int64_t comdatSymbol = -1;    // index of the COMDAT symbol, -1 when there is none

    bool isUninitialized() const { return (characteristics & kScnCntUninitializedData) != 0; }
};

struct CoffSymbol {
    std::string name;
    uint32_t value = 0;
    int16_t section = 0; // 1-based section number, or 0, -1, -2; always valid
    uint16_t type = 0;
    uint8_t storageClass = 0;
    uint8_t auxCount = 0;
    bool isAuxiliary = false; // this slot is an auxiliary record of the symbol before it
    bool isSectionDefinition = false;
    uint32_t weakDefault = 0; // weak externals: the symbol to use when nothing defines the name
};

struct CoffObject {
    std::string path;
    std::vector<CoffSection> sections; // section number n is sections[n - 1]
    std::vector<CoffSymbol> symbols;   // indexed like the file's symbol table

    const CoffSection& section(int16_t number) const { return sections[number - 1]; }
};

// Reads one object. Every problem found is reported through `diagnostics`; the result is
// empty when the object is unusable or any record in it was bad.
std::optional<CoffObject> readCoffObject(const std::string& path, std::span<const uint8_t> bytes,
                                         tools::Diagnostics& diagnostics);

// A readable name for an i386 relocation type ("DIR32NB", "SECREL", ...).
std::string relocationTypeName(uint16_t type);

// Width in bytes of the field a relocation type patches.
uint32_t relocationWidth(uint16_t type);

} // namespace imagelink
