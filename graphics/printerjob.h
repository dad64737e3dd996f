// A print job: a printer device context with its document and first page started, drawn on
// through a printer Graphics and ended when that Graphics goes.
#pragma once

#include "runtime/objects/object.h"

#include <windows.h>

#include <cstdint>

// What the print dialog chose beside the printer.
struct PrintJobCounts {
    int32_t copies;
    int32_t firstPage;
    int32_t lastPage;
};

// Starts the document on `dc` (taken over: deleted whatever happens) and returns the printer
// Graphics (one reference) in the setup's units with its origin at the margin corner, or in
// 72 units per inch from the printable corner without a setup. Nil when `dc` is null or the
// document cannot be started.
ObjectHeader* printerJobStart(HDC dc, ObjectHeader* setup, const PrintJobCounts& counts);

// The name the document is given, which the spooler shows for the job: "Document" for null or
// an empty name.
void printerJobSetDocumentName(const char* name);
