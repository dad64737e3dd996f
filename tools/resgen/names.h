// Names as the runtime compares them: class, key, event and item names match without regard
// to ASCII case.
#pragma once

#include <string>
#include <string_view>

namespace resgen {

bool equalsIgnoringCase(std::string_view a, std::string_view b);
// The name in upper case, as a key for maps that must not tell cases apart.
std::string foldedName(std::string_view name);

} // namespace resgen
