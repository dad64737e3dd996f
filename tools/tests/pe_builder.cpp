// Test-only builder of small PE executables carrying a resource directory.
#include "tests/pe_builder.h"

#include "base/bytecursor.h"

namespace testsupport {

namespace {

constexpr uint32_t kHighBit = 0x80000000;

void put16(std::vector<uint8_t>& out, size_t at, uint16_t v)
{
    out[at] = static_cast<uint8_t>(v);
    out[at + 1] = static_cast<uint8_t>(v >> 8);
}

void put32(std::vector<uint8_t>& out, size_t at, uint32_t v)
{
    storeU32LE(out.data() + at, v);
}

// Types in first-seen order, named ones before numbered ones as in a real directory.
std::vector<std::vector<size_t>> groupByType(const std::vector<PeResource>& resources)
{
    std::vector<std::vector<size_t>> groups;
    for (int named = 1; named >= 0; --named) {
        for (size_t i = 0; i < resources.size(); ++i) {
            if (resources[i].typeName.empty() == (named == 1))
                continue;
            bool placed = false;
            for (auto& group : groups) {
                const PeResource& first = resources[group.front()];
                if (first.typeName == resources[i].typeName && first.typeId == resources[i].typeId) {
                    group.push_back(i);
                    placed = true;
                }
            }
            if (!placed)
                groups.push_back({i});
        }
    }
    return groups;
}

// The .rsrc section: directories, then names, then data entries, then data.
struct ResourceOffsets {
    std::vector<uint32_t> typeDirectories, languageDirectories, dataEntries, dataOffsets;
};

std::vector<uint8_t> buildResourceSection(const std::vector<PeResource>& resources, ResourceOffsets& where)
{
    std::vector<uint32_t>& dataEntries = where.dataEntries;
    std::vector<uint32_t>& dataOffsets = where.dataOffsets;
    const auto groups = groupByType(resources);
    const uint32_t rootSize = 16 + 8 * static_cast<uint32_t>(groups.size());
    uint32_t cursor = rootSize;
    std::vector<uint32_t> typeDirs;
    for (const auto& group : groups) {
        typeDirs.push_back(cursor);
        cursor += 16 + 8 * static_cast<uint32_t>(group.size());
    }
    std::vector<uint32_t> languageDirs(resources.size());
    for (const auto& group : groups) {
        for (size_t index : group) {
            languageDirs[index] = cursor;
            cursor += 16 + 8;
        }
    }
    std::vector<uint32_t> names(groups.size(), 0);
    for (size_t g = 0; g < groups.size(); ++g) {
        const PeResource& first = resources[groups[g].front()];
        if (first.typeName.empty())
            continue;
        names[g] = cursor;
        cursor += 2 + 2 * static_cast<uint32_t>(first.typeName.size());
    }
    cursor = (cursor + 3) & ~3u;
    dataEntries.assign(resources.size(), 0);
    for (size_t i = 0; i < resources.size(); ++i, cursor += 16)
        dataEntries[i] = cursor;
    dataOffsets.assign(resources.size(), 0);
    for (size_t i = 0; i < resources.size(); ++i) {
        dataOffsets[i] = cursor;
        cursor = (cursor + static_cast<uint32_t>(resources[i].data.size()) + 3) & ~3u;
    }

    where.typeDirectories.assign(resources.size(), 0);
    where.languageDirectories.assign(resources.size(), 0);
    std::vector<uint8_t> out(cursor, 0);
    const auto writeDirectory = [&](uint32_t at, uint16_t named, uint16_t ids) {
        put16(out, at + 12, named);
        put16(out, at + 14, ids);
    };
    uint16_t namedTypes = 0;
    for (const auto& group : groups)
        namedTypes += resources[group.front()].typeName.empty() ? 0 : 1;
    writeDirectory(0, namedTypes, static_cast<uint16_t>(groups.size() - namedTypes));
    for (size_t g = 0; g < groups.size(); ++g) {
        const PeResource& first = resources[groups[g].front()];
        put32(out, 16 + 8 * g, first.typeName.empty() ? first.typeId : (names[g] | kHighBit));
        put32(out, 16 + 8 * g + 4, typeDirs[g] | kHighBit);
        if (!first.typeName.empty()) {
            put16(out, names[g], static_cast<uint16_t>(first.typeName.size()));
            for (size_t c = 0; c < first.typeName.size(); ++c)
                put16(out, names[g] + 2 + 2 * c, first.typeName[c]);
        }
        writeDirectory(typeDirs[g], 0, static_cast<uint16_t>(groups[g].size()));
        for (size_t k = 0; k < groups[g].size(); ++k) {
            const size_t index = groups[g][k];
            where.typeDirectories[index] = typeDirs[g];
            where.languageDirectories[index] = languageDirs[index];
            put32(out, typeDirs[g] + 16 + 8 * k, resources[index].id);
            put32(out, typeDirs[g] + 16 + 8 * k + 4, languageDirs[index] | kHighBit);
            writeDirectory(languageDirs[index], 0, 1);
            put32(out, languageDirs[index] + 16, resources[index].language);
            put32(out, languageDirs[index] + 20, dataEntries[index]);
            put32(out, dataEntries[index], kResourceRva + dataOffsets[index]);
            put32(out, dataEntries[index] + 4, static_cast<uint32_t>(resources[index].data.size()));
            std::copy(resources[index].data.begin(), resources[index].data.end(), out.begin() + dataOffsets[index]);
        }
    }
    return out;
}

} // namespace

PeOptions bareHostOptions()
{
    PeOptions options;
    options.resources.push_back(PeResource{u"", 3, 1, 0x0409, std::vector<uint8_t>(40, 0x11)});
    options.resources.push_back(PeResource{u"PICKLEX", 0, 101, 0x0411, std::vector<uint8_t>(8, 0x22)});
    options.resources.push_back(PeResource{u"PICKLE", 0, 100, 0x0411, std::vector<uint8_t>(8, 0x33)});
    options.resources.push_back(PeResource{u"PICKLE", 0, 101, 0x0411, {'P', 'I', 'C', 'K', 0, 0, 0, 0}});
    return options;
}

std::vector<uint8_t> buildPe(const PeOptions& options, PeLayout* layout)
{
    PeLayout where;
    ResourceOffsets offsets;
    const std::vector<uint8_t> rsrc = buildResourceSection(options.resources, offsets);
    const uint16_t optionalSize = options.pe32Plus ? 240 : 224;
    where.peHeader = 0x80;
    where.optionalHeader = where.peHeader + 24;
    where.sectionTable = where.optionalHeader + optionalSize;
    const uint32_t textPointer = 0x200;
    where.resourceSection = 0x400;
    const uint32_t rsrcRawSize = (static_cast<uint32_t>(rsrc.size()) + 0x1FF) & ~0x1FFu;

    std::vector<uint8_t> out(where.resourceSection + rsrcRawSize, 0);
    out[0] = 'M';
    out[1] = 'Z';
    put32(out, 0x3C, where.peHeader);
    out[where.peHeader] = 'P';
    out[where.peHeader + 1] = 'E';
    put16(out, where.peHeader + 4, 0x014c);
    put16(out, where.peHeader + 6, 2);
    put16(out, where.peHeader + 20, optionalSize);
    put16(out, where.peHeader + 22, options.dll ? 0x2102 : 0x0102);
    put16(out, where.optionalHeader, options.pe32Plus ? 0x20B : 0x10B);
    const uint32_t countField = options.pe32Plus ? 108 : 92;
    put32(out, where.optionalHeader + countField, 16);
    where.resourceDirectoryEntry = where.optionalHeader + countField + 4 + 2 * 8;
    put32(out, where.resourceDirectoryEntry, kResourceRva);
    put32(out, where.resourceDirectoryEntry + 4, static_cast<uint32_t>(rsrc.size()));

    const auto writeSection = [&](uint32_t at, const char* name, uint32_t rva, uint32_t virtualSize, uint32_t rawSize,
                                  uint32_t rawPointer, uint32_t flags) {
        for (int i = 0; name[i] != '\0'; ++i)
            out[at + i] = static_cast<uint8_t>(name[i]);
        put32(out, at + 8, virtualSize);
        put32(out, at + 12, rva);
        put32(out, at + 16, rawSize);
        put32(out, at + 20, rawPointer);
        put32(out, at + 36, flags);
    };
    writeSection(where.sectionTable, ".text", 0x1000, 0x10, 0x200, textPointer, 0x60000020);
    writeSection(where.sectionTable + 40, ".rsrc", kResourceRva, static_cast<uint32_t>(rsrc.size()), rsrcRawSize,
                 where.resourceSection, 0x40000040);
    out[textPointer] = 0xC3;
    std::copy(rsrc.begin(), rsrc.end(), out.begin() + where.resourceSection);
    const auto inFile = [&](const std::vector<uint32_t>& inSection) {
        std::vector<uint32_t> result;
        for (uint32_t offset : inSection)
            result.push_back(where.resourceSection + offset);
        return result;
    };
    where.typeDirectories = inFile(offsets.typeDirectories);
    where.languageDirectories = inFile(offsets.languageDirectories);
    where.dataEntries = inFile(offsets.dataEntries);
    where.dataOffsets = inFile(offsets.dataOffsets);
    where.size = static_cast<uint32_t>(out.size());
    if (layout != nullptr)
        *layout = where;
    return out;
}

} // namespace testsupport
