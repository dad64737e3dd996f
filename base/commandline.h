// The command line after the program's name, and its arguments for OpenDocument.
#pragma once

#include <string>
#include <vector>

// A double quote starts an argument that runs to the next double quote (or the end), the
// quotes dropped; otherwise an argument runs to the next blank; blanks between are skipped.
std::vector<std::string> commandLineArguments(const char* commandLine);

// The raw command line (as GetCommandLineA gives it) after the program's name, quoted or not,
// and after the one blank that separates the name from what follows. Blanks after that are
// kept: a command line of blanks only is not an empty one.
const char* commandLineAfterProgramName(const char* rawCommandLine);
