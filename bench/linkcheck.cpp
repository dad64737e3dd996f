// Checks of a linked synthetic image: the calls land on their routines, the words hold their bases.
#include "bench/linkcheck.h"

#include "base/bytecursor.h"

#include <cstdio>

namespace {

std::string describe(const char* format, uint32_t offset, uint32_t found, uint32_t expected)
{
    char text[160];
    snprintf(text, sizeof text, format, offset, found, expected);
    return text;
}

// The first byte in [from, to) that differs from what was stored.
bool unchangedBetween(const std::vector<uint8_t>& stored, const uint8_t* now, uint32_t from, uint32_t to,
                      const char* block, std::string& problem)
{
    for (uint32_t at = from; at < to; ++at) {
        if (now[at] != stored[at]) {
            problem = std::string(block) + describe(" byte at 0x%X is 0x%02X, stored 0x%02X", at, now[at], stored[at]);
            return false;
        }
    }
    return true;
}

} // namespace

bool checkLinkedCode(const SyntheticImage& image, const uint8_t* linked, std::string& problem)
{
    uint32_t codeBase = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(linked));
    uint32_t checkedUpTo = 0;
    for (const CallSite& site : image.callSites) {
        if (!unchangedBetween(image.code, linked, checkedUpTo, site.operandOffset, "code", problem))
            return false;
        uint32_t called = codeBase + site.operandOffset + 4 + loadU32LE(linked + site.operandOffset);
        if (called != site.target) {
            problem = describe("call site at 0x%X calls 0x%08X, not its routine at 0x%08X", site.operandOffset, called,
                               site.target);
            return false;
        }
        checkedUpTo = site.operandOffset + 4;
    }
    return unchangedBetween(image.code, linked, checkedUpTo, static_cast<uint32_t>(image.code.size()), "code", problem);
}

bool checkRelocatedData(const SyntheticImage& image, const uint8_t* relocated, uint32_t codeBase, uint32_t dataBase,
                        std::string& problem)
{
    uint32_t checkedUpTo = 0;
    for (const RelocatedRun& run : image.runs) {
        if (!unchangedBetween(image.data, relocated, checkedUpTo, run.offset, "data", problem))
            return false;
        uint32_t base = run.byDataBase ? dataBase : codeBase;
        for (uint32_t at = run.offset; at < run.offset + run.words * 4; at += 4) {
            uint32_t expected = base + loadU32LE(&image.data[at]);
            if (loadU32LE(relocated + at) != expected) {
                problem = describe("relocated word at 0x%X holds 0x%08X, not 0x%08X", at, loadU32LE(relocated + at),
                                   expected);
                return false;
            }
        }
        checkedUpTo = run.offset + run.words * 4;
    }
    return unchangedBetween(image.data, relocated, checkedUpTo, static_cast<uint32_t>(image.data.size()), "data",
                            problem);
}
