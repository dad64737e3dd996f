// The lines a program under test writes to its trace file.
#include "tests/support/tracelines.h"

#include "tests/support/codepages.h"
#include "tests/support/files.h"

#include <algorithm>
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

std::vector<std::string> tracedAfter(const std::string& folder, const std::string& anchor)
{
    std::vector<std::string> lines = traceLines(folder);
    auto found = std::find(lines.begin(), lines.end(), anchor);
    return found == lines.end() ? std::vector<std::string>{} : std::vector<std::string>(found + 1, lines.end());
}

std::string joinedLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += "[" + line + "] ";
    return text;
}
