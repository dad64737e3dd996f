// Block 2 of the image: fixup records and import records with their call-site chains.
#pragma once

#include "image/linkrecordformat.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace imagelink {

struct ImportChain {
    std::string name;            // the runtime export's name, without the C underscore
    std::vector<uint32_t> sites; // code offsets of the 32-bit operands, ascending, none is linkChainEnd
};

// Stores each chain in the operands it links: every site's operand holds the offset of the
// next site's operand, the last one linkChainEnd.
void threadImportChains(std::span<uint8_t> code, const std::vector<ImportChain>& chains);

// Fixup records (ascending code offsets) first, then one import record per chain.
std::vector<uint8_t> encodeLinkRecords(std::span<const uint32_t> fixups, const std::vector<ImportChain>& chains);

} // namespace imagelink
