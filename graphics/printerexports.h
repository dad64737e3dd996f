// The routines of printing that application code and plug-ins call by name: the PrinterSetup
// properties, the page-setup dialog and the opening of a print job.
#pragma once

#include "runtime/objects/object.h"

#include <cstdint>

extern "C" {
// Selectors 0 to 11: VerticalResolution, HorizontalResolution, Left, Top, Width, Height,
// PageLeft, PageTop, PageWidth, PageHeight, MaxVerticalResolution, MaxHorizontalResolution.
int32_t printerSetupInfoGetter(ObjectHeader* setup, int32_t selector);
// Selector 0 sets the vertical, 1 the horizontal resolution.
void printerSetupResSetter(ObjectHeader* setup, int32_t selector, int32_t value);
// Selector 10 sets the maximum vertical, 11 the maximum horizontal resolution.
void printerSetupMaxResSetter(ObjectHeader* setup, int32_t selector, int32_t value);
// The page-setup record as an 84-byte string, and its restoring.
StringRecord* printerSetupStringGetter(ObjectHeader* setup, int32_t);
void printerSetupStringSetter(ObjectHeader* setup, int32_t, StringRecord* text);
// The page-setup dialog: true when confirmed; the setup is unchanged when cancelled.
int32_t printerSetupPageSetup(ObjectHeader* setup);
// A print job with a printer Graphics (one reference): after the print dialog, or on the
// setup's printer without one. Nil when cancelled or when there is no printer. A Nil setup
// prints in 72 units per inch from the printable corner.
ObjectHeader* RuntimeOpenPrinterDialog(ObjectHeader* setup);
ObjectHeader* RuntimeOpenPrinter(ObjectHeader* setup);
// The job of a printer Graphics is thrown away instead of printed when its Graphics goes.
void RuntimeAbandonPrintJob(ObjectHeader* g);
// The name the spooler shows for every job started from now on (the text is copied); Nil or
// an empty text names them "Document".
void RuntimeSetPrintJobName(StringRecord* name);
}

// Declares the properties of the PrinterSetup class, in the order of its table.
void printerSetupDeclareProperties(ClassDescriptor* cls);
