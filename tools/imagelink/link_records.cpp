// Block 2 of the image: fixup records and import records with their call-site chains.
#include "imagelink/link_records.h"

#include "common/endian.h"

namespace imagelink {

void threadImportChains(std::span<uint8_t> code, const std::vector<ImportChain>& chains)
{
    for (const ImportChain& chain : chains) {
        for (size_t i = 0; i < chain.sites.size(); ++i) {
            const uint32_t next = i + 1 < chain.sites.size() ? chain.sites[i + 1] : linkChainEnd;
            storeU32LE(code.data() + chain.sites[i], next);
        }
    }
}

std::vector<uint8_t> encodeLinkRecords(std::span<const uint32_t> fixups, const std::vector<ImportChain>& chains)
{
    std::vector<uint8_t> records;
    for (uint32_t offset : fixups) {
        tools::appendU8(records, linkRecordFixup);
        tools::appendU32LE(records, offset);
    }
    for (const ImportChain& chain : chains) {
        tools::appendU8(records, linkRecordImport);
        tools::appendU32LE(records, chain.sites.empty() ? linkChainEnd : chain.sites.front());
        tools::appendU8(records, static_cast<uint8_t>(chain.name.size()));
        records.insert(records.end(), chain.name.begin(), chain.name.end());
    }
    return records;
}

} // namespace imagelink
