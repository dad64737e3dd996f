// Data relocation instructions: 16-bit words that add the code or data base to runs of words.
#include "image/datarelocation.h"

#include "base/bytecursor.h"
#include "image/datarelocationformat.h"
#include "image/imagefault.h"

namespace {

// A run must lie inside the data block; `cursor` may already be past its end.
bool checkRun(uint32_t index, uint16_t word, uint64_t cursor, uint32_t dataSize, std::string& error)
{
    if (rangeFits(cursor, uint64_t(relocationRunWords(word)) * 4, dataSize))
        return true;
    ImageFaultPlace place{formatText("data relocation %u (0x%04X)", index, word), ImageOffsetUnit::dataOffset, cursor};
    error = imageDamaged(
        imageFault(place, "a run of %u words leaves the data block (0x%X bytes)", relocationRunWords(word), dataSize));
    return false;
}

} // namespace

bool relocateData(uint8_t* data, uint32_t dataSize, const uint8_t* instructions, uint32_t length, uint32_t codeBase,
                  uint32_t dataBase, std::string& error)
{
    uint64_t cursor = 0; // may run past the block; only a run there is an error
    for (uint32_t index = 0; index < length / 2; ++index) {
        uint16_t word = loadU16LE(instructions + 2 * index);
        if ((word & relocationAdvanceMask) == relocationAdvance) {
            cursor += relocationAdvanceBytes(word);
            continue;
        }
        uint16_t op = word & relocationRunMask;
        if (op != relocationRunByCodeBase && op != relocationRunByDataBase && op != relocationRunByCodeBaseVector)
            continue;
        if (!checkRun(index, word, cursor, dataSize, error))
            return false;
        uint32_t base = op == relocationRunByDataBase ? dataBase : codeBase;
        for (uint32_t i = 0, words = relocationRunWords(word); i < words; ++i, cursor += 4) {
            uint8_t* target = data + cursor;
            storeU32LE(target, loadU32LE(target) + base);
        }
    }
    return true;
}
