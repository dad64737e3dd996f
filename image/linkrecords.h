// Link records of an image: parsed and checked against the code block before anything is patched.
#pragma once

#include "image/imagefault.h"

#include <cstdint>
#include <string>
#include <vector>

enum class LinkRecordKind { Fixup, Import };

struct LinkRecord {
    LinkRecordKind kind;
    uint32_t recordOffset; // where the record starts in the link-record block
    uint32_t codeOffset;   // fixup: the word to patch; import: the first call site (0: none)
    std::string name;      // import only
};

// Reads every record (laid out as linkrecordformat.h says); other kind bytes are passed over
// one byte at a time.
// Checks that each fixup word and every call site of every chain lies inside the code
// block, and that no patched word overlaps another (which also catches a chain that loops).
// Returns false with a message on the first fault.
bool parseLinkRecords(const uint8_t* records, uint32_t length, const uint8_t* code, uint32_t codeSize,
                      std::vector<LinkRecord>& parsed, std::string& error);

// A link record as the place of a fault: its offset in the block of link records.
ImageFaultPlace linkRecordPlace(uint32_t recordOffset);

// Rewrites a call-site chain (already checked) so that every site calls `target`.
void patchCallChain(uint8_t* code, uint32_t firstSite, uint32_t target);
