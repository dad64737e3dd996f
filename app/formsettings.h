// What a working window keeps between runs: its issuer entries, print offsets, position, date
// stamp heights and print font, in a settings file of its own.
#pragma once

#include "app/formwindow.h"

// Puts the window's kept settings in place; the template's stay where there are none.
void loadFormSettings(FormWindowFields* window);
// False when the settings could not be kept.
[[nodiscard]] bool saveFormSettings(FormWindowFields* window);
