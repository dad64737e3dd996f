// The C++ definition of one class table entry: a reference, or a definition as a struct
// whose fields follow the entry's layout (every field 32 bits, so no padding; arrays of no
// elements left out).
#pragma once

#include "resgen/image_model.h"

#include <functional>
#include <string>

namespace resgen {

// `nameOf` gives the address expression of a name's string constant.
std::string classEntrySource(const ClassTableEntry& entry, const std::string& symbol,
                             const std::function<std::string(const std::string&)>& nameOf);

} // namespace resgen
