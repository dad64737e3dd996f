// The lines a program under test writes to its trace file.
#pragma once

#include <string>
#include <vector>

// The lines a program wrote to `folder`\trace.log, in UTF-8, without their line ends.
std::vector<std::string> traceLines(const std::string& folder);
// The lines traced after the first that is `anchor`; none while there is no such line.
std::vector<std::string> tracedAfter(const std::string& folder, const std::string& anchor);
// Lines as "[one] [two] ", for failure messages.
std::string joinedLines(const std::vector<std::string>& lines);
