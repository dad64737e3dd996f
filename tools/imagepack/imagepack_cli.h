// The imagepack command line: "exe" appends an image to a host, "loose" writes the files
// of file mode.
#pragma once

#include <ostream>
#include <span>
#include <string>

namespace imagepack {

// Runs the tool on `arguments` (without the program name). Diagnostics go to `errors`.
// Returns 0 on success, 1 when the inputs are bad, 2 for a bad command line.
int runImagepack(std::span<const std::string> arguments, std::ostream& errors);

} // namespace imagepack
