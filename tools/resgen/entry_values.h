// Checks of single entries that every section reader shares: names, numbers, texts and keys
// given twice. Each reports a bad entry at its line and yields nothing.
#pragma once

#include "common/diagnostics.h"
#include "resgen/description.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace resgen {

// Letters, digits and _, not starting with a digit: a name C++ and the runtime both accept.
bool isIdentifier(std::string_view text);
// Decimal with an optional sign, within 32 bits.
std::optional<int32_t> parseInteger(std::string_view text);

std::optional<std::string> identifierValue(const Entry& entry, tools::Diagnostics& diagnostics);
std::optional<std::string> shiftJisText(std::string_view utf8, const Location& where, tools::Diagnostics& diagnostics);
std::optional<std::string> shiftJisValue(const Entry& entry, tools::Diagnostics& diagnostics);
std::optional<int32_t> integerValue(const Entry& entry, int32_t minimum, int32_t maximum,
                                    tools::Diagnostics& diagnostics);
// The entry's value, or a report that the key needs one.
const std::string* valueOf(const Entry& entry, tools::Diagnostics& diagnostics);
// Reports that the entry's key means nothing in this section: what = "for a window", ...
void unknownKey(const Entry& entry, std::string_view where, tools::Diagnostics& diagnostics);
// Reports a name that is not an identifier; true when it is one.
bool checkIdentifier(std::string_view name, const Location& where, tools::Diagnostics& diagnostics);

// Remembers the keys of one section, compared without regard to case, to report a key
// given twice.
class KeysSeen {
public:
    // True the first time; reports "<key> is given twice (first at line N)" after that.
    bool first(const std::string& key, const Location& where, tools::Diagnostics& diagnostics);

private:
    std::map<std::string, int> lines_;
};

} // namespace resgen
