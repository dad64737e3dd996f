// The filter of the open and save dialogs, made from the file types a program names.
#pragma once

#include <string>
#include <string_view>

// `fileTypes` names file types of the image's table, separated by `;` (case does not matter).
// Each one found gives a row "name" / its extensions as patterns ("*.*" when it has none);
// when none is found the one row is all files. The result is in the dialogs' form: pairs of
// zero-terminated texts, ended by an empty text.
std::string fileDialogFilter(std::string_view fileTypes);
