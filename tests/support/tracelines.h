// The lines a program under test writes to its trace file.
#pragma once

#include <string>
#include <vector>

// The lines a program wrote to `folder`\trace.log, in UTF-8, without their line ends.
std::vector<std::string> traceLines(const std::string& folder);
// Lines as "[one] [two] ", for failure messages.
std::string joinedLines(const std::vector<std::string>& lines);
