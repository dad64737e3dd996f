// Links i386 COFF objects into the four blocks of an application image: code, link
// records, data and data relocations.
#include "imagelink/image_linker.h"

#include "common/endian.h"
#include "image/imagelayout.h"
#include "imagelink/coff_object.h"
#include "imagelink/data_relocations.h"
#include "imagelink/link_records.h"
#include "imagelink/section_layout.h"
#include "imagelink/symbol_table.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace imagelink {

using tools::hex;

namespace {

constexpr uint8_t kCodePadding = 0xCC; // int3 between code sections

struct ImportSite {
    uint32_t codeOffset;
    size_t object;
    int16_t section;
    uint32_t sectionOffset;
};

// What one relocation record is about, for patching and for diagnostics.
struct RelocationContext {
    size_t object;
    int16_t section;
    const CoffRelocation& relocation;
    const CoffSymbol& symbol;
    Block block;       // of the section holding the field
    uint32_t position; // of the field in that block
};

class ImageLinker {
public:
    ImageLinker(std::vector<CoffObject> objects, const ExportNames& exports, const LinkOptions& options,
                tools::Diagnostics& diagnostics)
        : objects_(std::move(objects)),
          exports_(exports),
          options_(options),
          diagnostics_(diagnostics),
          layout_(layOutSections(objects_, diagnostics)),
          symbols_(objects_, layout_, diagnostics)
    {}

    std::optional<LinkedImage> link();

private:
    void copySections();
    void writeDataHeader();
    void checkOverlaps(size_t object, int16_t section);
    void applyRelocation(size_t object, int16_t section, const CoffRelocation& relocation);
    void applyRel32(const RelocationContext& context, const Target& target, uint32_t addend);
    void applyDir32(const RelocationContext& context, const Target& target, uint32_t addend);
    void addImportSite(const RelocationContext& context, uint32_t addend);
    std::vector<ImportChain> buildImportChains();
    void collectMap();
    void report(const RelocationContext& context, const std::string& what);
    std::vector<uint8_t>& blockBytes(Block block) { return block == Block::Code ? image_.code : image_.data; }

    std::vector<CoffObject> objects_;
    const ExportNames& exports_;
    const LinkOptions& options_;
    tools::Diagnostics& diagnostics_;
    SectionLayout layout_;
    SymbolTable symbols_;
    LinkedImage image_;
    std::vector<uint32_t> fixups_;
    std::map<std::string, std::vector<ImportSite>> importSites_;
    std::vector<DataRelocation> dataRelocations_;
};

void ImageLinker::report(const RelocationContext& context, const std::string& what)
{
    const CoffObject& object = objects_[context.object];
    diagnostics_.error(object.path, object.section(context.section).name, context.relocation.offset, what);
}

void ImageLinker::copySections()
{
    image_.code.assign(layout_.codeSize, kCodePadding);
    image_.data.assign(layout_.dataSize, 0);
    for (size_t o = 0; o < objects_.size(); ++o) {
        for (size_t s = 0; s < objects_[o].sections.size(); ++s) {
            const SectionPlace& place = layout_.places[o][s];
            const CoffSection& section = objects_[o].sections[s];
            if (!place.kept || section.isUninitialized())
                continue;
            std::copy(section.data.begin(), section.data.end(), blockBytes(place.block).begin() + place.offset);
        }
    }
}

void ImageLinker::writeDataHeader()
{
    const std::string entry = "_" + options_.entry;
    const std::string classTable = "_" + options_.classTable;
    const Definition* entryDefinition = symbols_.find(entry);
    const Definition* classDefinition = symbols_.find(classTable);
    if (entryDefinition == nullptr) {
        diagnostics_.error("entry symbol " + entry + " is not defined");
    } else if (entryDefinition->block != Block::Code) {
        diagnostics_.error("entry symbol " + entry + " is not in code");
    } else {
        storeU32LE(image_.data.data() + imageEntryWord, entryDefinition->offset);
    }
    if (classDefinition == nullptr) {
        diagnostics_.error("class-table symbol " + classTable + " is not defined");
    } else if (classDefinition->block != Block::Data) {
        diagnostics_.error("class-table symbol " + classTable + " is not in data");
    } else {
        storeU32LE(image_.data.data() + imageClassTableWord, classDefinition->offset);
    }
    dataRelocations_.push_back({imageEntryWord, RelocationBase::Code});
    dataRelocations_.push_back({imageClassTableWord, RelocationBase::Data});
}

void ImageLinker::checkOverlaps(size_t object, int16_t section)
{
    const CoffSection& home = objects_[object].section(section);
    std::vector<const CoffRelocation*> sorted;
    for (const CoffRelocation& relocation : home.relocations) {
        if (relocationWidth(relocation.type) > 0)
            sorted.push_back(&relocation);
    }
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const CoffRelocation* a, const CoffRelocation* b) { return a->offset < b->offset; });
    for (size_t i = 1; i < sorted.size(); ++i) {
        const CoffRelocation& previous = *sorted[i - 1];
        if (sorted[i]->offset - previous.offset < relocationWidth(previous.type)) {
            diagnostics_.error(objects_[object].path, home.name, sorted[i]->offset,
                               "relocation overlaps the one at +" + hex(previous.offset));
        }
    }
}

void ImageLinker::applyRelocation(size_t object, int16_t section, const CoffRelocation& relocation)
{
    const CoffObject& file = objects_[object];
    const CoffSection& home = file.section(section);
    const SectionPlace& place = layout_.place(object, section);
    const CoffSymbol& symbol = file.symbols[relocation.symbolIndex];
    const RelocationContext context{object, section, relocation, symbol, place.block, place.offset + relocation.offset};
    if (relocation.type == kRelI386Absolute)
        return; // defined as "no relocation"
    if (home.isUninitialized()) {
        report(context, "relocation in uninitialised data");
        return;
    }
    if (relocation.type != kRelI386Dir32 && relocation.type != kRelI386Rel32) {
        report(context,
               "unsupported relocation type " + relocationTypeName(relocation.type) + " against " + symbol.name);
        return;
    }
    const Target target = symbols_.resolve(object, relocation.symbolIndex);
    if (target.kind == Target::Kind::Discarded) {
        report(context, "relocation against " + symbol.name + ", which lies in a discarded section");
        return;
    }
    const uint32_t addend = loadU32LE(blockBytes(place.block).data() + context.position);
    if (relocation.type == kRelI386Rel32) {
        applyRel32(context, target, addend);
    } else {
        applyDir32(context, target, addend);
    }
}

void ImageLinker::applyRel32(const RelocationContext& context, const Target& target, uint32_t addend)
{
    const std::string& name = context.symbol.name;
    if (context.block == Block::Data) {
        report(context, "REL32 in data cannot be expressed (against " + name + ")");
        return;
    }
    switch (target.kind) {
    case Target::Kind::Code:
        storeU32LE(image_.code.data() + context.position, target.value + addend - (context.position + 4));
        return;
    case Target::Kind::Undefined:
        addImportSite(context, addend);
        return;
    case Target::Kind::Data:
        report(context, "REL32 from code into data (" + name + ") cannot be expressed");
        return;
    default:
        report(context, "REL32 against absolute symbol " + name + " cannot be expressed");
        return;
    }
}

void ImageLinker::applyDir32(const RelocationContext& context, const Target& target, uint32_t addend)
{
    const std::string& name = context.symbol.name;
    uint8_t* field = blockBytes(context.block).data() + context.position;
    switch (target.kind) {
    case Target::Kind::Undefined:
        report(context, "DIR32 against undefined symbol " + name);
        return;
    case Target::Kind::Absolute:
        storeU32LE(field, target.value + addend);
        return;
    case Target::Kind::Code:
        if (context.block == Block::Code) {
            report(context, "DIR32 in code against code (" + name + ") cannot be expressed by the link records");
            return;
        }
        storeU32LE(field, target.value + addend);
        dataRelocations_.push_back({context.position, RelocationBase::Code});
        return;
    default:
        storeU32LE(field, target.value + addend);
        if (context.block == Block::Code) {
            fixups_.push_back(context.position);
        } else {
            dataRelocations_.push_back({context.position, RelocationBase::Data});
        }
        return;
    }
}

// "!" with a member letter, then Class.Member (or a plug-in's global method): bound by the
// runtime once its classes and plug-ins exist, so it is not looked up in the export table.
bool isMemberImport(std::string_view name)
{
    return name.size() > 2 && name[0] == '!' && std::string_view("MWGS").find(name[1]) != std::string_view::npos;
}

void ImageLinker::addImportSite(const RelocationContext& context, uint32_t addend)
{
    const std::string& name = context.symbol.name;
    if (addend != 0) {
        report(context, "import site for " + name + " has a non-zero addend (" + hex(addend) + ")");
        return;
    }
    if (name.size() < 2 || name[0] != '_') {
        report(context, "undefined symbol " + name + " has no leading underscore, so it names no runtime routine");
        return;
    }
    if (context.position == linkChainEnd) {
        // linkChainEnd ends a chain and, as a first site, means "no sites".
        report(context, "import site for " + name + " at code offset 0 cannot start a call-site chain");
        return;
    }
    importSites_[name.substr(1)].push_back(
        ImportSite{context.position, context.object, context.section, context.relocation.offset});
}

std::vector<ImportChain> ImageLinker::buildImportChains()
{
    std::vector<ImportChain> chains;
    for (auto& [name, sites] : importSites_) {
        std::sort(sites.begin(), sites.end(),
                  [](const ImportSite& a, const ImportSite& b) { return a.codeOffset < b.codeOffset; });
        const ImportSite& first = sites.front();
        const CoffObject& file = objects_[first.object];
        const std::string& sectionName = file.section(first.section).name;
        if (!isMemberImport(name) && !exports_.contains(name)) {
            diagnostics_.error(file.path, sectionName, first.sectionOffset,
                               "undefined symbol _" + name + ": " + name + " is not in the runtime export table");
            continue;
        }
        if (name.size() > linkImportNameLongest) {
            diagnostics_.error(file.path, sectionName, first.sectionOffset,
                               "import name " + name + " is longer than 255 bytes");
            continue;
        }
        ImportChain chain{name, {}};
        for (const ImportSite& site : sites)
            chain.sites.push_back(site.codeOffset);
        chains.push_back(std::move(chain));
    }
    // The records come out in the order the code first uses the names.
    std::sort(chains.begin(), chains.end(),
              [](const ImportChain& a, const ImportChain& b) { return a.sites.front() < b.sites.front(); });
    return chains;
}

void ImageLinker::collectMap()
{
    for (size_t o = 0; o < objects_.size(); ++o) {
        for (const CoffSymbol& symbol : objects_[o].symbols) {
            if (symbol.isAuxiliary || symbol.isSectionDefinition || symbol.section <= 0)
                continue;
            if (symbol.storageClass != kClassExternal && symbol.storageClass != kClassStatic)
                continue;
            const SectionPlace& place = layout_.place(o, symbol.section);
            if (!place.kept)
                continue;
            image_.map.push_back(
                MapEntry{place.block == Block::Code ? "code" : "data", place.offset + symbol.value, symbol.name});
        }
    }
    for (const auto& [name, definition] : symbols_.commons()) {
        image_.map.push_back(MapEntry{"data", definition.offset, name});
    }
    for (const auto& [name, sites] : importSites_) {
        for (const ImportSite& site : sites)
            image_.map.push_back(MapEntry{"call", site.codeOffset, name});
    }
    const auto rank = [](const std::string& kind) { return kind == "code" ? 0 : kind == "data" ? 1 : 2; };
    std::sort(image_.map.begin(), image_.map.end(), [&](const MapEntry& a, const MapEntry& b) {
        if (rank(a.kind) != rank(b.kind))
            return rank(a.kind) < rank(b.kind);
        if (a.offset != b.offset)
            return a.offset < b.offset;
        return a.name < b.name;
    });
}

std::optional<LinkedImage> ImageLinker::link()
{
    copySections();
    writeDataHeader();
    for (size_t o = 0; o < objects_.size(); ++o) {
        for (size_t s = 0; s < objects_[o].sections.size(); ++s) {
            if (!layout_.places[o][s].kept)
                continue;
            const int16_t number = static_cast<int16_t>(s + 1);
            checkOverlaps(o, number);
            for (const CoffRelocation& relocation : objects_[o].sections[s].relocations) {
                applyRelocation(o, number, relocation);
            }
        }
    }
    const std::vector<ImportChain> chains = buildImportChains();
    if (diagnostics_.hasErrors())
        return std::nullopt;

    threadImportChains(image_.code, chains);
    std::sort(fixups_.begin(), fixups_.end());
    image_.linkRecords = encodeLinkRecords(fixups_, chains);
    std::sort(dataRelocations_.begin(), dataRelocations_.end(),
              [](const DataRelocation& a, const DataRelocation& b) { return a.offset < b.offset; });
    image_.dataRelocations = encodeDataRelocations(dataRelocations_);
    collectMap();
    return std::move(image_);
}

} // namespace

std::optional<LinkedImage> linkImage(std::span<const InputObject> objects, const ExportNames& exports,
                                     const LinkOptions& options, tools::Diagnostics& diagnostics)
{
    std::vector<CoffObject> parsed;
    for (const InputObject& input : objects) {
        std::optional<CoffObject> object = readCoffObject(input.path, input.bytes, diagnostics);
        if (object)
            parsed.push_back(std::move(*object));
    }
    // A malformed object stops the link here: its records cannot be trusted for layout.
    if (diagnostics.hasErrors())
        return std::nullopt;
    return ImageLinker(std::move(parsed), exports, options, diagnostics).link();
}

std::vector<uint8_t> serializeImage(const LinkedImage& image)
{
    std::vector<uint8_t> out;
    for (const std::vector<uint8_t>* block : {&image.code, &image.linkRecords, &image.data, &image.dataRelocations}) {
        tools::appendU32LE(out, static_cast<uint32_t>(block->size()));
        out.insert(out.end(), block->begin(), block->end());
    }
    return out;
}

std::string formatMap(const LinkedImage& image)
{
    std::string text;
    char offset[16];
    for (const MapEntry& entry : image.map) {
        std::snprintf(offset, sizeof offset, "%08x", entry.offset);
        text += entry.kind + " " + offset + " " + entry.name + "\n";
    }
    return text;
}

} // namespace imagelink
