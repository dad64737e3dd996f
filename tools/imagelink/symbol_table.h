// The image-wide table of external symbols, and what each symbol of an object refers to
// once the sections are placed.
#pragma once

#include "common/diagnostics.h"
#include "imagelink/coff_object.h"
#include "imagelink/section_layout.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace imagelink {

struct Target {
    enum class Kind { Code, Data, Absolute, Undefined, Discarded };
    Kind kind = Kind::Undefined;
    uint32_t value = 0; // offset in the code or data block, or the absolute value
};

struct Definition {
    Block block = Block::Code;
    uint32_t offset = 0;
    size_t object = 0; // the defining object, for diagnostics
};

class SymbolTable {
public:
    // Collects the external definitions of kept sections (two strong definitions of one name
    // are reported) and allocates common symbols in the zero-filled tail of the data block.
    SymbolTable(const std::vector<CoffObject>& objects, SectionLayout& layout, tools::Diagnostics& diagnostics);

    const Definition* find(const std::string& name) const;
    // What symbol `index` of object `object` refers to.
    Target resolve(size_t object, uint32_t index) const;
    const std::map<std::string, Definition>& definitions() const { return definitions_; }
    // Common symbols allocated by the linker, by name.
    const std::map<std::string, Definition>& commons() const { return commons_; }

private:
    void defineStrong(size_t object, const CoffSymbol& symbol, const SectionPlace& place);
    void allocateCommons(const std::map<std::string, uint32_t>& sizes, SectionLayout& layout);
    Target fromDefinition(const Definition& definition) const;

    const std::vector<CoffObject>& objects_;
    const SectionLayout& layout_;
    tools::Diagnostics& diagnostics_;
    std::map<std::string, Definition> definitions_;
    std::map<std::string, Definition> commons_;
};

} // namespace imagelink
