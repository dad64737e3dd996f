// Texts of several lines, as rows and captions come: lines end in CR, LF or CR LF.
#include "ui/controls/textlines.h"

#include "graphics/textblock.h"

std::vector<std::string> textLines(std::string_view text)
{
    std::vector<std::string> lines;
    textForEachLine(text, [&](std::string_view line) { lines.emplace_back(line); });
    if (lines.back().empty())
        lines.pop_back(); // a line end at the very end (or no text at all) makes no line
    return lines;
}
