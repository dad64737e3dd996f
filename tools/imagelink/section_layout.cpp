// Which sections of the objects go into the image, and where each one lands in the code
// or data block.
#include "imagelink/section_layout.h"

#include <array>
#include <map>
#include <string>
#include <string_view>

namespace imagelink {

namespace {

enum class SectionKind { Code, InitializedData, UninitializedData, Dropped, Unsupported, Unknown };

struct NameRule {
    std::string_view prefix;
    bool wholeName;
    SectionKind kind;
    const char* reason; // for unsupported sections
};

// Sections recognised by name, before their characteristics are looked at. Static
// constructors and thread-local data would need start-up code that an image does not have,
// so they stop the link instead of being silently left unrun.
constexpr std::array<NameRule, 9> kNameRules{{
    {".drectve", true, SectionKind::Dropped, nullptr},
    {".debug", false, SectionKind::Dropped, nullptr},
    {".eh_frame", true, SectionKind::Dropped, nullptr},
    {".rdata$zzz", true, SectionKind::Dropped, nullptr},
    {".ctors", false, SectionKind::Unsupported, "static constructors are never run in an image"},
    {".dtors", false, SectionKind::Unsupported, "static destructors are never run in an image"},
    {".CRT$", false, SectionKind::Unsupported, "start-up tables are never run in an image"},
    {".tls", false, SectionKind::Unsupported, "thread-local data is not supported in an image"},
    {".init_array", false, SectionKind::Unsupported, "static constructors are never run in an image"},
}};

const NameRule* ruleFor(const std::string& name)
{
    for (const NameRule& rule : kNameRules) {
        if (rule.wholeName ? name == rule.prefix : name.starts_with(rule.prefix))
            return &rule;
    }
    return nullptr;
}

SectionKind classify(const CoffObject& object, const CoffSection& section, tools::Diagnostics& diagnostics)
{
    if ((section.characteristics & (kScnLnkRemove | kScnLnkInfo)) != 0)
        return SectionKind::Dropped;
    if (const NameRule* rule = ruleFor(section.name)) {
        if (rule->kind == SectionKind::Unsupported) {
            diagnostics.error(object.path, section.name + ": " + rule->reason);
        }
        return rule->kind;
    }
    if ((section.characteristics & kScnCntCode) != 0)
        return SectionKind::Code;
    if ((section.characteristics & kScnCntUninitializedData) != 0)
        return SectionKind::UninitializedData;
    if ((section.characteristics & kScnCntInitializedData) != 0)
        return SectionKind::InitializedData;
    diagnostics.error(object.path, section.name + ": section is neither code nor data (characteristics " +
                                       tools::hex(section.characteristics) + ")");
    return SectionKind::Unknown;
}

struct ComdatOwner {
    size_t object;
    std::string sectionName;
};

// The name that identifies a COMDAT across objects: its COMDAT symbol when that is
// external, otherwise the section name (the convention of GNU "linkonce" sections).
std::string comdatKey(const CoffObject& object, const CoffSection& section)
{
    if (section.comdatSymbol >= 0) {
        const CoffSymbol& symbol = object.symbols[section.comdatSymbol];
        if (symbol.storageClass == kClassExternal)
            return symbol.name;
        return object.path + "\n" + symbol.name; // a local COMDAT never matches another object
    }
    return section.name;
}

class SectionChooser {
public:
    SectionChooser(const std::vector<CoffObject>& objects, tools::Diagnostics& diagnostics)
        : objects_(objects), diagnostics_(diagnostics)
    {}

    // kinds[object][section] after dropping duplicate and orphaned COMDATs.
    std::vector<std::vector<SectionKind>> choose();

private:
    void chooseComdat(size_t objectIndex, size_t sectionIndex, SectionKind& kind);
    void resolveAssociative(size_t objectIndex, std::vector<SectionKind>& kinds);

    const std::vector<CoffObject>& objects_;
    tools::Diagnostics& diagnostics_;
    std::map<std::string, ComdatOwner> comdatOwners_;
};

void SectionChooser::chooseComdat(size_t objectIndex, size_t sectionIndex, SectionKind& kind)
{
    const CoffObject& object = objects_[objectIndex];
    const CoffSection& section = object.sections[sectionIndex];
    const std::string key = comdatKey(object, section);
    const auto [owner, inserted] = comdatOwners_.try_emplace(key, ComdatOwner{objectIndex, section.name});
    if (inserted)
        return;
    if (section.comdatSelection == kComdatNoDuplicates) {
        diagnostics_.error(object.path, section.name + ": duplicate COMDAT " + key + " (first defined in " +
                                            objects_[owner->second.object].path + ")");
    }
    kind = SectionKind::Dropped;
}

void SectionChooser::resolveAssociative(size_t objectIndex, std::vector<SectionKind>& kinds)
{
    const CoffObject& object = objects_[objectIndex];
    // An associative section follows the section it is tied to; chains are followed until
    // they reach a section that is not associative (at most one step per section).
    for (size_t index = 0; index < kinds.size(); ++index) {
        const CoffSection& section = object.sections[index];
        if ((section.characteristics & kScnLnkComdat) == 0 || section.comdatSelection != kComdatAssociative) {
            continue;
        }
        size_t target = section.comdatAssociate - 1;
        for (size_t step = 0; step < kinds.size(); ++step) {
            const CoffSection& next = object.sections[target];
            if ((next.characteristics & kScnLnkComdat) == 0 || next.comdatSelection != kComdatAssociative)
                break;
            target = next.comdatAssociate - 1;
        }
        const bool targetKept = kinds[target] == SectionKind::Code || kinds[target] == SectionKind::InitializedData ||
                                kinds[target] == SectionKind::UninitializedData;
        if (!targetKept)
            kinds[index] = SectionKind::Dropped;
    }
}

std::vector<std::vector<SectionKind>> SectionChooser::choose()
{
    std::vector<std::vector<SectionKind>> kinds(objects_.size());
    for (size_t objectIndex = 0; objectIndex < objects_.size(); ++objectIndex) {
        const CoffObject& object = objects_[objectIndex];
        for (size_t index = 0; index < object.sections.size(); ++index) {
            const CoffSection& section = object.sections[index];
            SectionKind kind = classify(object, section, diagnostics_);
            const bool isComdat = (section.characteristics & kScnLnkComdat) != 0;
            if (isComdat && kind != SectionKind::Dropped && section.comdatSelection != kComdatAssociative) {
                chooseComdat(objectIndex, index, kind);
            }
            kinds[objectIndex].push_back(kind);
        }
        resolveAssociative(objectIndex, kinds[objectIndex]);
    }
    return kinds;
}

bool placeSection(uint64_t& cursor, const CoffSection& section, Block block, SectionPlace& place)
{
    const uint64_t aligned = (cursor + section.alignment - 1) / section.alignment * section.alignment;
    if (aligned + section.size > kMaxBlockSize)
        return false;
    place = SectionPlace{true, block, static_cast<uint32_t>(aligned)};
    cursor = aligned + section.size;
    return true;
}

} // namespace

bool SectionLayout::reserveZeroFill(uint32_t size, uint32_t alignment, uint32_t& offset)
{
    const uint64_t aligned = (uint64_t{dataSize} + alignment - 1) / alignment * alignment;
    if (aligned + size > kMaxBlockSize)
        return false;
    offset = static_cast<uint32_t>(aligned);
    dataSize = static_cast<uint32_t>(aligned + size);
    return true;
}

SectionLayout layOutSections(const std::vector<CoffObject>& objects, tools::Diagnostics& diagnostics)
{
    const std::vector<std::vector<SectionKind>> kinds = SectionChooser(objects, diagnostics).choose();
    SectionLayout layout;
    layout.places.resize(objects.size());
    for (size_t o = 0; o < objects.size(); ++o)
        layout.places[o].resize(objects[o].sections.size());

    uint64_t codeCursor = 0;
    uint64_t dataCursor = imageDataHeaderBytes;
    bool fits = true;
    // Three passes so that each block's parts come out in object order.
    const std::array<std::pair<SectionKind, Block>, 3> passes{{{SectionKind::Code, Block::Code},
                                                               {SectionKind::InitializedData, Block::Data},
                                                               {SectionKind::UninitializedData, Block::Data}}};
    for (const auto& [kind, block] : passes) {
        uint64_t& cursor = block == Block::Code ? codeCursor : dataCursor;
        for (size_t o = 0; o < objects.size(); ++o) {
            for (size_t s = 0; s < objects[o].sections.size(); ++s) {
                if (kinds[o][s] != kind)
                    continue;
                fits = fits && placeSection(cursor, objects[o].sections[s], block, layout.places[o][s]);
            }
        }
    }
    if (!fits)
        diagnostics.error("the image's code or data block would exceed 256 MiB");
    layout.codeSize = static_cast<uint32_t>(codeCursor);
    layout.dataSize = static_cast<uint32_t>(dataCursor);
    return layout;
}

} // namespace imagelink
