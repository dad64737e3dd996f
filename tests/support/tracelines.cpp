// The lines a program under test writes to its trace file.
#include "tests/support/tracelines.h"

#include "tests/support/codepages.h"
#include "tests/support/files.h"

#include <sstream>

std::vector<std::string> traceLines(const std::string& folder)
{
    std::string bytes;
    readWholeFile(folder + "\\trace.log", bytes);
    std::istringstream text(utf8FromAnsi(bytes));
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);)
        lines.push_back(line.substr(0, line.find('\r')));
    return lines;
}

std::string joinedLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += "[" + line + "] ";
    return text;
}
