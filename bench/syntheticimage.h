// A made-up image for the linking benchmark: call-site chains, link records, relocated data,
// and an export table for its imports to resolve against.
#pragma once

#include "image/exportslot.h"

#include <cstdint>
#include <memory>
#include <vector>

// Slots with names that read like real entry points, every 29th slot empty. The routines are
// made-up addresses: nothing calls them. The slots point into `names`.
struct SyntheticExports {
    std::vector<std::unique_ptr<char[]>> names;
    std::vector<ExportSlot> slots;
};
SyntheticExports syntheticExports(uint32_t slotCount);

// Where the linked code must send one call.
struct CallSite {
    uint32_t operandOffset;
    uint32_t target;
};

// Consecutive relocated words and the base added to each.
struct RelocatedRun {
    uint32_t offset;
    uint32_t words;
    bool byDataBase;
};

// The blocks as stored, and what linking and relocation must make of them.
struct SyntheticImage {
    std::vector<uint8_t> code;        // each call operand holds the next site of its name
    std::vector<uint8_t> records;     // one import per name
    std::vector<uint8_t> data;        // each relocated word holds an offset into its block
    std::vector<uint8_t> relocations; // runs of at most 512 words, gaps of at most 4096 bytes
    std::vector<CallSite> callSites;  // in code order
    std::vector<RelocatedRun> runs;   // in data order
};

// `sites` call sites of 10 bytes, shared round-robin by `names` imports spread over the named
// slots of `exports`, and `relocatedWords` relocated words in runs with gaps between them.
SyntheticImage syntheticImage(const SyntheticExports& exports, uint32_t sites, uint32_t names, uint32_t relocatedWords);

constexpr uint32_t syntheticSiteBytes = 10;
