// The register of issued forms: a line for every note and cheque printed for real, kept in
// the user's data folder as a CSV file that Japanese spreadsheet programs open as it is.
#pragma once

#include "app/formwindow.h"

// Appends the line of the form about to be printed and writes it through; false when it
// cannot be written.
[[nodiscard]] bool recordIssuedForm(FormWindowFields* window);
// Opens the register with the program the system has for it; says so when it cannot.
void openIssuedRegister();
