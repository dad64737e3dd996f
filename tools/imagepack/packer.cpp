// Puts an image and its resources together: appended to the host executable, or as the
// loose files of file mode.
#include "imagepack/packer.h"

#include "common/endian.h"
#include "image/imagelayout.h"
#include "imagepack/image_blocks.h"
#include "imagepack/pe_resources.h"

namespace imagepack {

std::optional<std::vector<uint8_t>> packExecutable(const std::string& hostPath, std::span<const uint8_t> host,
                                                   const PackInput& input, tools::Diagnostics& diagnostics)
{
    if (!splitImage(input.image, input.imagePath, diagnostics))
        return std::nullopt;
    uint32_t pickleOffset = 0;
    std::string error;
    if (!findPickleResource(host, pickleOffset, error)) {
        diagnostics.error(hostPath, error);
        return std::nullopt;
    }
    const uint64_t blobBase = uint64_t{host.size()} + input.image.size();
    const uint64_t tableOffset = blobBase + resourceBlobSize(input.items);
    const uint64_t total = tableOffset + (input.items.empty() ? 0 : resourceTableSize(input.items));
    if (total > UINT32_MAX) {
        diagnostics.error("the program would be larger than 4 GiB, past what the PICKLE offsets can reach");
        return std::nullopt;
    }
    std::vector<uint8_t> out(host.begin(), host.end());
    storeU32LE(out.data() + pickleOffset + imageLocatorImageWord, static_cast<uint32_t>(host.size()));
    storeU32LE(out.data() + pickleOffset + imageLocatorTableWord,
               input.items.empty() ? 0 : static_cast<uint32_t>(tableOffset));
    out.insert(out.end(), input.image.begin(), input.image.end());
    if (!input.items.empty()) {
        const std::vector<uint8_t> blobs = concatenateBlobs(input.items);
        const std::vector<uint8_t> table = buildResourceTable(input.items, static_cast<uint32_t>(blobBase));
        out.insert(out.end(), blobs.begin(), blobs.end());
        out.insert(out.end(), table.begin(), table.end());
    }
    return out;
}

std::optional<std::vector<LooseFile>> packLoose(const PackInput& input, tools::Diagnostics& diagnostics)
{
    const std::optional<ImageBlocks> image = splitImage(input.image, input.imagePath, diagnostics);
    if (!image)
        return std::nullopt;
    std::vector<LooseFile> files;
    for (uint32_t index = 0; index < imageBlockCount; ++index) {
        const std::span<const uint8_t> block = image->blocks[index];
        files.push_back({imageLooseFileNames[index], std::vector<uint8_t>(block.begin(), block.end())});
    }
    if (input.items.empty())
        return files;
    const uint64_t tableSize = resourceTableSize(input.items);
    if (tableSize + resourceBlobSize(input.items) > UINT32_MAX) {
        diagnostics.error("data3.dat would be larger than 4 GiB, past what the table offsets can reach");
        return std::nullopt;
    }
    std::vector<uint8_t> data3 = buildResourceTable(input.items, static_cast<uint32_t>(tableSize));
    const std::vector<uint8_t> blobs = concatenateBlobs(input.items);
    data3.insert(data3.end(), blobs.begin(), blobs.end());
    files.push_back({imageLooseResourceFileName, std::move(data3)});
    return files;
}

} // namespace imagepack
