// The print font: the installed faces offered in the font menu, and the chosen face shown by
// the fields that preview the printed texts.
#pragma once

#include "app/formwindow.h"

// One row per installed face, Japanese faces first.
void fillFontMenu(FormWindowFields* window);
// The face becomes the window's print font and the font of its previewing fields (their texts
// kept); the cheque window passes it on to the note window.
void applyPrintFont(FormWindowFields* window, StringRecord* font);
// A window without a print face (first start, or none saved) takes the default face, the first
// Mincho face, as a form is printed in: it is never printed in the system's plain face unseen.
void givePrintFontIfNone(FormWindowFields* window);
// A saved face comes back through the font menu; one no longer installed gives way to the
// default face, so that the menu and the field show the face really used. An empty name leaves
// the window without a face of its own.
void restorePrintFont(FormWindowFields* window, StringRecord* saved);
