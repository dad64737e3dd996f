// Splitting the command line into the arguments handed to OpenDocument.
#pragma once

#include <string>
#include <vector>

// A double quote starts an argument that runs to the next double quote (or the end), the
// quotes dropped; otherwise an argument runs to the next blank; blanks between are skipped.
std::vector<std::string> commandLineArguments(const char* commandLine);
