// The line-based text of the description files: sections of entries, each with the file and
// line it came from. What the sections mean is read elsewhere.
//
//   # a comment (a whole line)
//   [control PushButton OkButton]     a section header: words in brackets
//   Caption = 支払                    an entry: key words, "=", the value to the end of the line
//   on Action = okButtonAction        keys may be several words
//   menubar                           an entry without a value
//   Text = "two\rlines"               a quoted value: \\ \" \r \n \t are escapes
#pragma once

#include "common/diagnostics.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace resgen {

struct Location {
    std::string file;
    int line = 0;

    std::string text() const { return file + ":" + std::to_string(line); }
};

// "resgen: file:line: what"
void report(tools::Diagnostics& diagnostics, const Location& where, std::string_view what);

struct Entry {
    std::vector<std::string> key;     // never empty
    std::optional<std::string> value; // absent when the line has no "="
    Location where;

    std::string keyText() const; // the key words joined by one blank
};

struct Section {
    std::vector<std::string> header; // never empty: the kind, then its arguments
    Location where;
    std::vector<Entry> entries;
};

// Splits the text into sections. Bad lines are reported and skipped.
std::vector<Section> parseDescription(const std::string& file, std::string_view text, tools::Diagnostics& diagnostics);

} // namespace resgen
