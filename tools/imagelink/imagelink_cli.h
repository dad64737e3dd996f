// The imagelink command line: reads the files, links, writes the image and the map.
#pragma once

#include <ostream>
#include <span>
#include <string>

namespace imagelink {

// Runs the tool on `arguments` (without the program name). Diagnostics go to `errors`.
// Returns 0 on success, 1 when the inputs are bad, 2 for a bad command line.
int runImagelink(std::span<const std::string> arguments, std::ostream& errors);

} // namespace imagelink
