// Texts of several lines, as rows and captions come: lines end in CR, LF or CR LF.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The lines of a text; a line end at the very end makes no empty last line.
std::vector<std::string> textLines(std::string_view text);
