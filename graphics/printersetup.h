// The PrinterSetup object: the chosen printer, the paper and margins of the last page setup,
// and the resolution a print job draws in.
#pragma once

#include "runtime/objects/object.h"

#include <windows.h>

#include <commdlg.h>

#include <cstdint>

// The records of the last dialogs, kept whole: the page-setup record is what SetupString
// saves and restores, byte for byte.
struct PrinterSetupRecords {
    PRINTDLGA printDialog;
    PAGESETUPDLGA pageSetup; // margins and paper in hundredths of a millimetre
};
static_assert(sizeof(PRINTDLGA) == 66 && sizeof(PAGESETUPDLGA) == 84, "the records of the 32-bit system");

// A new setup draws in 72 units per inch, has no printer and no setup. The printer's handles
// (DEVMODEA and DEVNAMES in global memory) are the setup's own, freed with it; they stay
// null until a dialog or the default printer supplies them. `records` is made with the
// object and never null after.
struct PrinterSetupObject {
    ObjectHeader header;
    int32_t verticalResolution; // units per inch
    int32_t horizontalResolution;
    int32_t maxVerticalResolution; // 0 or less: no maximum
    int32_t maxHorizontalResolution;
    PrinterSetupRecords* records;
    int32_t hasSetup; // a dialog was confirmed or SetupString was set
    HGLOBAL devMode;
    HGLOBAL devNames;
};
static_assert(sizeof(PrinterSetupObject) <= 128, "the PrinterSetup class is 128 bytes");

ClassDescriptor* printerSetupClass();
// The setup behind an object; null for Nil and for any other object.
PrinterSetupObject* printerSetupOf(ObjectHeader* object);

// The printer's handles, replaced: the old ones are freed unless they are the new ones.
void printerSetupTakeHandles(PrinterSetupObject& setup, HGLOBAL devMode, HGLOBAL devNames);
// The default printer's handles, fetched without a dialog when the setup has no printer yet.
// False when there is no printer.
bool printerSetupEnsurePrinter(PrinterSetupObject& setup);
// The resolutions of the device mode, each held to its maximum when it has one.
void printerSetupResolutionsFromDevice(PrinterSetupObject& setup);

// The page-setup margins in whole inches (the remainder dropped); zero without a setup.
struct PrinterMargins {
    int32_t left, top, right, bottom;
};
PrinterMargins printerSetupMargins(const PrinterSetupObject& setup);
