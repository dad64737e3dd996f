// Test-only reader of images, written independently of the runtime's loader from the image format:
// splits the four blocks, decodes link records, and loads an image at chosen bases.
#include "tests/image_reader.h"

#include "base/bytecursor.h"

#include <stdexcept>

namespace testsupport {

uint32_t wordAt(std::span<const uint8_t> bytes, uint32_t offset)
{
    if (offset > bytes.size() || bytes.size() - offset < 4)
        throw std::out_of_range("word outside block");
    return loadU32LE(bytes.data() + offset);
}

std::optional<ImageFile> readImageFile(std::span<const uint8_t> bytes)
{
    ImageFile image;
    size_t position = 0;
    for (std::vector<uint8_t>* block : {&image.code, &image.links, &image.data, &image.relocations}) {
        if (bytes.size() - position < 4)
            return std::nullopt;
        const uint32_t length = loadU32LE(bytes.data() + position);
        position += 4;
        if (bytes.size() - position < length)
            return std::nullopt;
        block->assign(bytes.begin() + position, bytes.begin() + position + length);
        position += length;
    }
    if (position != bytes.size())
        return std::nullopt;
    return image;
}

LinkRecordList decodeLinkRecords(std::span<const uint8_t> links)
{
    LinkRecordList list;
    size_t position = 0;
    while (position < links.size()) {
        const uint8_t kind = links[position++];
        if (kind == 2) {
            list.fixups.push_back(wordAt(links, static_cast<uint32_t>(position)));
            position += 4;
            list.order += 'F';
        } else if (kind == 1) {
            const uint32_t first = wordAt(links, static_cast<uint32_t>(position));
            if (links.size() - position < 5)
                throw std::out_of_range("import record outside block");
            const uint8_t length = links[position + 4];
            if (links.size() - position - 5 < length)
                throw std::out_of_range("import name outside block");
            list.imports.push_back(
                {std::string(links.begin() + position + 5, links.begin() + position + 5 + length), first});
            position += 5 + length;
            list.order += 'I';
        }
    }
    return list;
}

std::vector<uint32_t> walkChain(std::span<const uint8_t> code, uint32_t firstSite)
{
    std::vector<uint32_t> sites;
    for (uint32_t site = firstSite; site != 0 && sites.size() < 100000; site = wordAt(code, site)) {
        sites.push_back(site);
    }
    return sites;
}

std::vector<RelocatedWord> decodeDataRelocations(std::span<const uint8_t> relocations)
{
    std::vector<RelocatedWord> words;
    uint32_t cursor = 0;
    for (size_t i = 0; i + 1 < relocations.size(); i += 2) {
        const uint16_t w = loadU16LE(relocations.data() + i);
        if ((w & 0xF000) == 0x8000) {
            cursor += (w & 0x0FFF) + 1;
        } else if ((w & 0xFE00) == 0x4000 || (w & 0xFE00) == 0x4200 || (w & 0xFE00) == 0x4600) {
            const char base = (w & 0xFE00) == 0x4200 ? 'D' : 'C';
            for (uint32_t n = 0; n < (w & 0x01FFu) + 1; ++n, cursor += 4)
                words.push_back({cursor, base});
        }
    }
    return words;
}

void PrintTo(const RelocatedWord& word, std::ostream* out)
{
    *out << "{" << word.offset << ", " << word.base << "}";
}

LoadedImage loadImage(const ImageFile& image, uint32_t codeBase, uint32_t dataBase,
                      const std::function<uint32_t(const std::string&)>& resolve)
{
    LoadedImage loaded{image.code, image.data};
    const LinkRecordList records = decodeLinkRecords(image.links);
    for (uint32_t fixup : records.fixups) {
        storeU32LE(loaded.code.data() + fixup, wordAt(loaded.code, fixup) + dataBase);
    }
    for (const ImportRecord& import : records.imports) {
        const uint32_t target = resolve(import.name);
        for (uint32_t site : walkChain(image.code, import.firstSite)) {
            storeU32LE(loaded.code.data() + site, target - (codeBase + site + 4));
        }
    }
    for (const RelocatedWord& word : decodeDataRelocations(image.relocations)) {
        const uint32_t base = word.base == 'D' ? dataBase : codeBase;
        storeU32LE(loaded.data.data() + word.offset, wordAt(loaded.data, word.offset) + base);
    }
    return loaded;
}

} // namespace testsupport
