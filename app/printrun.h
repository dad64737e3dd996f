// One printed page of a working window.
#pragma once

#include "app/formwindow.h"

// The three ways to a print: the 印刷 button, the 印刷... menu item (the crossed-cheque mark
// at the page's corner) and a test print on plain paper (the form picture under the texts).
enum class PrintPath { button, menu, testPrint };

// Draws the page on a printer Graphics.
void printFormPage(FormWindowFields* window, ObjectHeader* g, PrintPath path);
