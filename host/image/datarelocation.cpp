// Data relocation instructions: 16-bit words that add the code or data base to runs of words.
#include "host/image/datarelocation.h"

#include "host/base/bytecursor.h"
#include "host/image/imagefault.h"

namespace {
constexpr uint16_t advanceMask = 0xF000, advanceOp = 0x8000;
constexpr uint16_t runMask = 0xFE00;
constexpr uint16_t runByCodeBase = 0x4000, runByDataBase = 0x4200, runByCodeBaseVector = 0x4600;

uint32_t runWords(uint16_t word)
{
    return (word & 0x01FFu) + 1;
}

// A run must lie inside the data block; `cursor` may already be past its end.
bool checkRun(uint32_t index, uint16_t word, uint64_t cursor, uint32_t dataSize, std::string& error)
{
    if (rangeFits(cursor, uint64_t(runWords(word)) * 4, dataSize))
        return true;
    ImageFaultPlace place{formatText("data relocation %u (0x%04X)", index, word), ImageOffsetUnit::dataOffset, cursor};
    error = imageDamaged(
        imageFault(place, "a run of %u words leaves the data block (0x%X bytes)", runWords(word), dataSize));
    return false;
}

} // namespace

bool relocateData(uint8_t* data, uint32_t dataSize, const uint8_t* instructions, uint32_t length, uint32_t codeBase,
                  uint32_t dataBase, std::string& error)
{
    uint64_t cursor = 0; // may run past the block; only a run there is an error
    for (uint32_t index = 0; index < length / 2; ++index) {
        uint16_t word = loadU16LE(instructions + 2 * index);
        if ((word & advanceMask) == advanceOp) {
            cursor += (word & 0x0FFFu) + 1;
            continue;
        }
        uint16_t op = word & runMask;
        if (op != runByCodeBase && op != runByDataBase && op != runByCodeBaseVector)
            continue;
        if (!checkRun(index, word, cursor, dataSize, error))
            return false;
        uint32_t base = op == runByDataBase ? dataBase : codeBase;
        for (uint32_t i = 0, words = runWords(word); i < words; ++i, cursor += 4) {
            uint8_t* target = data + cursor;
            storeU32LE(target, loadU32LE(target) + base);
        }
    }
    return true;
}
