// The runtime export table's names, read from the text file that the runtime builds its
// table from (one EXPORT(Name) or EXPORT_ALIAS(Name, routine) per line).
#pragma once

#include "common/diagnostics.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>

namespace imagelink {

class ExportNames {
public:
    void add(std::string_view name);
    // The loader matches import names without regard to ASCII case, so this does too.
    bool contains(std::string_view name) const;
    size_t size() const { return folded_.size(); }

private:
    std::unordered_set<std::string> folded_;
};

// Parses the text of exports.def. Blank lines and // comments are allowed; any other line
// that is not EXPORT(Name) or EXPORT_ALIAS(Name, routine) is reported as "path:line: ...".
std::optional<ExportNames> parseExportsDef(const std::string& path, std::string_view text,
                                           tools::Diagnostics& diagnostics);

} // namespace imagelink
