// A settings file on disk: where it is kept, which of its versions is read back, and its
// replacement in one step with the previous version kept beside it.
#pragma once

#include "app/ownedtext.h"

constexpr int settingsLineCount = 12;

// A version of a settings file split into lines as a text stream reads them (CR LF, a lone CR
// and a lone LF each end a line).
struct SettingsLines {
    OwnedText line[settingsLineCount]; // Nil past the last line
    int count = 0;                     // lines in the file, more than the twelve kept if there are
    bool text = false;                 // it has lines and no control bytes: not binary junk
    bool asWritten = false;            // every line ended by CR LF, as the program writes them
};

// Which lines hold positions, written as whole numbers: bit i for line i + 1.
using SettingsNumberLines = unsigned;

// The best version of the settings file `name`, looked for where the settings are kept and then,
// for files of earlier runs, in the program's folder: the first place with the file gives it and
// its kept previous version; the first that is whole (twelve lines as written, the number lines
// whole numbers) is read, else the first that is text. None (no lines) when the file is missing
// or neither version is text.
SettingsLines readSettingsFile(StringRecord* name, SettingsNumberLines numberLines);
// Writes the lines as a new version of the file (a line's own line breaks become spaces), which
// then replaces the file in one step, the previous version kept. The file is kept in the
// program's folder, or in the user's data folder when the program cannot write in its own.
// False when the settings could not be kept anywhere: the file is then as it was.
[[nodiscard]] bool writeSettingsFile(StringRecord* name, StringRecord* const* lines, int count);
