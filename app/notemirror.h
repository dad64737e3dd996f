// What the cheque window passes on to the note window.
#pragma once

#include "app/formwindow.h"

// A field of the cheque window that the note window follows (an issuer entry, an offset, the
// print font) has changed: the note's field of the same name takes its text, now if the note
// window is open, else when it opens.
void passOnToNote(StringRecord* fieldName);
// The note window has opened and read its own settings: it takes what changed before.
void takeWhatWasPassedOn(FormWindowFields* note);
