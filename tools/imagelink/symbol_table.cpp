// The image-wide table of external symbols, and what each symbol of an object refers to
// once the sections are placed.
#include "imagelink/symbol_table.h"

namespace imagelink {

SymbolTable::SymbolTable(const std::vector<CoffObject>& objects, SectionLayout& layout, tools::Diagnostics& diagnostics)
    : objects_(objects), layout_(layout), diagnostics_(diagnostics)
{
    std::map<std::string, uint32_t> commonSizes;
    for (size_t o = 0; o < objects.size(); ++o) {
        for (const CoffSymbol& symbol : objects[o].symbols) {
            if (symbol.isAuxiliary || symbol.storageClass != kClassExternal)
                continue;
            if (symbol.section > 0) {
                const SectionPlace& place = layout.place(o, symbol.section);
                if (place.kept)
                    defineStrong(o, symbol, place);
            } else if (symbol.section == kSectionUndefined && symbol.value > 0) {
                uint32_t& size = commonSizes[symbol.name];
                if (symbol.value > size)
                    size = symbol.value;
            }
        }
    }
    allocateCommons(commonSizes, layout);
}

void SymbolTable::defineStrong(size_t object, const CoffSymbol& symbol, const SectionPlace& place)
{
    const Definition definition{place.block, place.offset + symbol.value, object};
    const auto [existing, inserted] = definitions_.try_emplace(symbol.name, definition);
    if (!inserted) {
        diagnostics_.error(objects_[object].path, "duplicate definition of " + symbol.name + " (first defined in " +
                                                      objects_[existing->second.object].path + ")");
    }
}

// A common symbol takes the largest size any object asks for and the natural alignment of
// that size, up to 16 bytes; a real definition elsewhere wins over it.
void SymbolTable::allocateCommons(const std::map<std::string, uint32_t>& sizes, SectionLayout& layout)
{
    for (const auto& [name, size] : sizes) {
        if (definitions_.count(name) != 0)
            continue;
        uint32_t alignment = 1;
        while (alignment < 16 && alignment * 2 <= size)
            alignment *= 2;
        uint32_t offset = 0;
        if (!layout.reserveZeroFill(size, alignment, offset)) {
            diagnostics_.error("the image's data block would exceed 256 MiB (common symbol " + name + ")");
            return;
        }
        commons_[name] = Definition{Block::Data, offset, 0};
    }
}

const Definition* SymbolTable::find(const std::string& name) const
{
    if (auto found = definitions_.find(name); found != definitions_.end())
        return &found->second;
    if (auto found = commons_.find(name); found != commons_.end())
        return &found->second;
    return nullptr;
}

Target SymbolTable::fromDefinition(const Definition& definition) const
{
    return Target{definition.block == Block::Code ? Target::Kind::Code : Target::Kind::Data, definition.offset};
}

Target SymbolTable::resolve(size_t object, uint32_t index) const
{
    const CoffObject& file = objects_[object];
    const CoffSymbol& symbol = file.symbols[index];
    const bool external = symbol.storageClass == kClassExternal || symbol.storageClass == kClassWeakExternal;
    if (symbol.section > 0) {
        const SectionPlace& place = layout_.place(object, symbol.section);
        if (place.kept) {
            return Target{place.block == Block::Code ? Target::Kind::Code : Target::Kind::Data,
                          place.offset + symbol.value};
        }
        // A dropped duplicate COMDAT: its external symbols mean the kept copy.
        if (const Definition* definition = external ? find(symbol.name) : nullptr) {
            return fromDefinition(*definition);
        }
        return Target{Target::Kind::Discarded, 0};
    }
    if (symbol.section == kSectionAbsolute)
        return Target{Target::Kind::Absolute, symbol.value};
    if (symbol.section == kSectionDebug)
        return Target{Target::Kind::Discarded, 0};
    if (const Definition* definition = external ? find(symbol.name) : nullptr) {
        return fromDefinition(*definition);
    }
    if (symbol.storageClass == kClassWeakExternal) {
        const CoffSymbol& fallback = file.symbols[symbol.weakDefault];
        // The default of a weak external is a defined symbol; one more weak level is not followed.
        if (fallback.storageClass != kClassWeakExternal)
            return resolve(object, symbol.weakDefault);
    }
    return Target{Target::Kind::Undefined, 0};
}

} // namespace imagelink
