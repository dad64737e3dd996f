// The font faces installed on the system, as the program offers them for printing: each face
// once, faces with Japanese characters first, each group in name order.
#pragma once

#include "runtime/strings/string.h"

#include <cstdint>

extern "C" {
// How many faces the list holds. The list is made on the first call.
int32_t RuntimeFontCount();
// The face at `index` (from 0), as a new string; Nil outside the list.
StringRecord* RuntimeFontName(int32_t index);
// Whether a face of that name is installed (names compare as the system compares them,
// without regard to case).
int32_t RuntimeFontInstalled(StringRecord* name);
}
