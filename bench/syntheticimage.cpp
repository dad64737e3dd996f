// A made-up image for the linking benchmark: call-site chains, link records, relocated data,
// and an export table for its imports to resolve against.
#include "bench/syntheticimage.h"

#include "base/bytecursor.h"
#include "image/datarelocationformat.h"
#include "image/linkrecordformat.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

// call rel32; add esp,4; mov edi,eax
constexpr uint8_t siteTemplate[syntheticSiteBytes] = {0xE8, 0, 0, 0, 0, 0x83, 0xC4, 0x04, 0x8B, 0xF8};
constexpr uint32_t operandAt = 1;

const char* const nameNouns[] = {"Window", "String", "File",   "Graphics", "Print", "Sound",
                                 "Menu",   "Timer",  "Memory", "Text",     "Image", "Control"};
const char* const nameVerbs[] = {"Open", "Close", "Get",  "Set",  "Find", "Add",
                                 "Draw", "Move",  "Copy", "Free", "Read", "Write"};
const char* const nameEndings[] = {"", "Ex", "Count", "Size", "Text", "At", "All", "First"};

// Varied run lengths and gaps, including the longest run and the longest advance.
constexpr uint32_t runLengths[] = {1, 2, 7, 30, 128, 512, 3, 64};
constexpr uint32_t gapBytes[] = {0, 4, 8, 16, 4096, 40, 200};

std::unique_ptr<char[]> exportName(uint32_t slot)
{
    std::string name = std::string(nameNouns[slot % 12]) + nameVerbs[slot / 12 % 12] + nameEndings[slot / 144 % 8];
    if (slot >= 12 * 12 * 8)
        name += std::to_string(slot);
    auto text = std::make_unique<char[]>(name.size() + 1);
    memcpy(text.get(), name.c_str(), name.size() + 1);
    return text;
}

void putU16LE(std::vector<uint8_t>& out, uint16_t value)
{
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}

void putU32LE(std::vector<uint8_t>& out, uint32_t value)
{
    putU16LE(out, uint16_t(value));
    putU16LE(out, uint16_t(value >> 16));
}

// Named slots evenly spread over the table; they repeat only if there are too few.
std::vector<const ExportSlot*> chooseImports(const SyntheticExports& exports, uint32_t names)
{
    std::vector<const ExportSlot*> named;
    for (const ExportSlot& slot : exports.slots) {
        if (slot.name)
            named.push_back(&slot);
    }
    std::vector<const ExportSlot*> chosen;
    for (uint32_t k = 0; k < names; ++k)
        chosen.push_back(named[uint64_t(k) * named.size() / names % named.size()]);
    return chosen;
}

void buildCallSites(SyntheticImage& image, uint32_t sites, const std::vector<const ExportSlot*>& imports)
{
    uint32_t names = static_cast<uint32_t>(imports.size());
    image.code.resize(uint64_t(sites) * syntheticSiteBytes);
    for (uint32_t i = 0; i < sites; ++i) {
        uint32_t operand = i * syntheticSiteBytes + operandAt;
        uint32_t nextOfName = i + names < sites ? operand + names * syntheticSiteBytes : linkChainEnd;
        memcpy(&image.code[i * syntheticSiteBytes], siteTemplate, syntheticSiteBytes);
        storeU32LE(&image.code[operand], nextOfName);
        uint32_t target = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(imports[i % names]->routine));
        image.callSites.push_back({operand, target});
    }
}

void buildImportRecords(SyntheticImage& image, uint32_t sites, const std::vector<const ExportSlot*>& imports)
{
    for (uint32_t k = 0; k < imports.size() && k < sites; ++k) {
        const char* name = imports[k]->name;
        image.records.push_back(linkRecordImport);
        putU32LE(image.records, k * syntheticSiteBytes + operandAt);
        image.records.push_back(uint8_t(strlen(name)));
        image.records.insert(image.records.end(), name, name + strlen(name));
    }
}

void buildRelocationRuns(SyntheticImage& image, uint32_t relocatedWords)
{
    uint32_t offset = 0;
    for (uint32_t n = 0, done = 0; done < relocatedWords; ++n) {
        uint32_t gap = gapBytes[n % std::size(gapBytes)];
        uint32_t words = std::min(runLengths[n % std::size(runLengths)], relocatedWords - done);
        bool byDataBase = n % 2 == 1;
        if (gap)
            putU16LE(image.relocations, uint16_t(relocationAdvance | (gap - 1)));
        uint16_t run = byDataBase ? relocationRunByDataBase : relocationRunByCodeBase;
        putU16LE(image.relocations, uint16_t(run | (words - 1)));
        image.runs.push_back({offset + gap, words, byDataBase});
        offset += gap + words * 4;
        done += words;
    }
    image.data.resize(offset);
}

// Gap bytes get a pattern; relocated words point into the code or at themselves.
void fillData(SyntheticImage& image)
{
    for (uint32_t at = 0; at < image.data.size(); ++at)
        image.data[at] = uint8_t(at * 13 + 5);
    uint32_t codeSize = std::max<uint32_t>(static_cast<uint32_t>(image.code.size()), 1);
    for (const RelocatedRun& run : image.runs) {
        for (uint32_t at = run.offset; at < run.offset + run.words * 4; at += 4)
            storeU32LE(&image.data[at], run.byDataBase ? at : at * 7 % codeSize);
    }
}

} // namespace

SyntheticExports syntheticExports(uint32_t slotCount)
{
    SyntheticExports exports;
    for (uint32_t slot = 0; slot < slotCount; ++slot) {
        bool empty = slot % 29 == 28;
        exports.names.push_back(empty ? nullptr : exportName(slot));
        void* routine = reinterpret_cast<void*>(uintptr_t(0x10000000u + slot * 0x40u));
        exports.slots.push_back({exports.names.back().get(), routine, {0, 0}});
    }
    return exports;
}

SyntheticImage syntheticImage(const SyntheticExports& exports, uint32_t sites, uint32_t names, uint32_t relocatedWords)
{
    SyntheticImage image;
    std::vector<const ExportSlot*> imports = chooseImports(exports, names);
    buildCallSites(image, sites, imports);
    buildImportRecords(image, sites, imports);
    buildRelocationRuns(image, relocatedWords);
    fillData(image);
    return image;
}
