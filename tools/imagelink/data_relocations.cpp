// Block 4 of the image: the 16-bit relocation instructions that add the code or data base
// to words of the data block.
#include "imagelink/data_relocations.h"

#include "common/endian.h"

namespace imagelink {

namespace {

void appendAdvances(std::vector<uint8_t>& out, uint32_t gap)
{
    while (gap > 0) {
        const uint32_t step = gap < relocationLongestAdvance ? gap : relocationLongestAdvance;
        tools::appendU16LE(out, static_cast<uint16_t>(relocationAdvance | (step - 1)));
        gap -= step;
    }
}

} // namespace

std::vector<uint8_t> encodeDataRelocations(std::span<const DataRelocation> relocations)
{
    std::vector<uint8_t> out;
    uint32_t cursor = 0;
    size_t i = 0;
    while (i < relocations.size()) {
        appendAdvances(out, relocations[i].offset - cursor);
        cursor = relocations[i].offset;
        const RelocationBase base = relocations[i].base;
        uint32_t words = 0;
        while (i < relocations.size() && words < relocationLongestRun && relocations[i].base == base &&
               relocations[i].offset == cursor) {
            ++words;
            ++i;
            cursor += 4;
        }
        const uint16_t opcode = base == RelocationBase::Code ? relocationRunByCodeBase : relocationRunByDataBase;
        tools::appendU16LE(out, static_cast<uint16_t>(opcode | (words - 1)));
    }
    return out;
}

} // namespace imagelink
