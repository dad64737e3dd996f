// The resgen command line: reads the built-in class table and the description files, and
// writes appdata.cpp and appdata.h into the output folder.
//
//   resgen --builtin-classes runtime/objects/builtinclasses.def --out-dir <dir> <description files...>
#pragma once

#include <ostream>
#include <span>
#include <string>

namespace resgen {

// Runs the tool on `arguments` (without the program name). Diagnostics go to `errors`.
// Returns 0 on success, 1 when the inputs are bad (nothing is written), 2 for a bad command line.
int runResgen(std::span<const std::string> arguments, std::ostream& errors);

} // namespace resgen
