// Data relocation instructions: 16-bit words that add the code or data base to runs of words.
#include "host/image/datarelocation.h"

#include "host/base/bytecursor.h"
#include "host/image/imageerror.h"

namespace {
constexpr uint16_t advanceMask = 0xF000, advanceOp = 0x8000;
constexpr uint16_t runMask = 0xFE00;
constexpr uint16_t runByCodeBase = 0x4000, runByDataBase = 0x4200, runByCodeBaseVector = 0x4600;
} // namespace

bool relocateData(uint8_t* data, uint32_t dataSize, const uint8_t* instructions, uint32_t length,
                  uint32_t codeBase, uint32_t dataBase, std::string& error)
{
    uint64_t cursor = 0;   // may run past the block; only a run there is an error
    for (uint32_t index = 0; index < length / 2; ++index) {
        uint16_t word = uint16_t(instructions[2 * index] | instructions[2 * index + 1] << 8);
        if ((word & advanceMask) == advanceOp) {
            cursor += (word & 0x0FFFu) + 1;
            continue;
        }
        uint16_t op = word & runMask;
        if (op != runByCodeBase && op != runByDataBase && op != runByCodeBaseVector)
            continue;
        uint32_t words = (word & 0x01FFu) + 1;
        if (cursor > dataSize || uint64_t(words) * 4 > dataSize - cursor) {
            error = imageDamaged("data relocation %u (0x%04X) at data offset 0x%llX: a run of %u words "
                                 "leaves the data block (0x%X bytes)",
                                 index, word, static_cast<unsigned long long>(cursor), words, dataSize);
            return false;
        }
        uint32_t base = op == runByDataBase ? dataBase : codeBase;
        for (uint32_t i = 0; i < words; ++i, cursor += 4) {
            uint8_t* target = data + cursor;
            ByteCursor::store32LE(target, ByteCursor::load32LE(target) + base);
        }
    }
    return true;
}
