// The system's print and page-setup dialogs over a PrinterSetup, and the opening of a print
// job with or without the print dialog.
#include "base/hostmessage.h"
#include "graphics/printerdevice.h"
#include "graphics/printerexports.h"
#include "graphics/printerjob.h"
#include "graphics/printersetup.h"

namespace {

// A record restored from a string may ask for hooks and templates at addresses of another
// run, or for other units: only paper, margins and the plain options are taken from it.
constexpr DWORD pageSetupFlagsNotRestored = PSD_ENABLEPAGESETUPHOOK | PSD_ENABLEPAGEPAINTHOOK |
                                            PSD_ENABLEPAGESETUPTEMPLATE | PSD_ENABLEPAGESETUPTEMPLATEHANDLE |
                                            PSD_RETURNDEFAULT | PSD_INTHOUSANDTHSOFINCHES;

// The dialogs work on copies of the setup's handles, so that a cancelled dialog leaves the
// setup as it was whatever it did to them.
PAGESETUPDLGA pageSetupRecord(const PrinterSetupObject& setup)
{
    PAGESETUPDLGA dialog = {};
    if (setup.hasSetup) {
        dialog = setup.records->pageSetup;
        dialog.Flags |= PSD_MINMARGINS | PSD_MARGINS;
    }
    dialog.Flags = (dialog.Flags & ~pageSetupFlagsNotRestored) | PSD_INHUNDREDTHSOFMILLIMETERS;
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = hostDialogOwner();
    dialog.hInstance = nullptr;
    dialog.lCustData = 0;
    dialog.lpfnPageSetupHook = nullptr;
    dialog.lpfnPagePaintHook = nullptr;
    dialog.lpPageSetupTemplateName = nullptr;
    dialog.hPageSetupTemplate = nullptr;
    dialog.hDevMode = printerGlobalCopy(setup.devMode);
    dialog.hDevNames = printerGlobalCopy(setup.devNames);
    return dialog;
}

PRINTDLGA printDialogRecord(const PrinterSetupObject* setup)
{
    PRINTDLGA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.Flags = PD_RETURNDC | PD_NOSELECTION;
    dialog.nCopies = 1;
    dialog.hwndOwner = hostDialogOwner();
    if (setup) {
        dialog.hDevMode = printerGlobalCopy(setup->devMode);
        dialog.hDevNames = printerGlobalCopy(setup->devNames);
    }
    return dialog;
}

PrintJobCounts countsOf(const PRINTDLGA& dialog)
{
    if (dialog.Flags & PD_PAGENUMS)
        return {dialog.nCopies, dialog.nFromPage, dialog.nToPage};
    return {dialog.nCopies, dialog.nMinPage, dialog.nMaxPage};
}

// The setup takes the printer the dialog chose; its device context belongs to the job.
void keepPrintDialog(PrinterSetupObject& setup, const PRINTDLGA& dialog)
{
    printerSetupTakeHandles(setup, dialog.hDevMode, dialog.hDevNames);
    setup.records->printDialog = dialog;
    setup.records->printDialog.hDC = nullptr;
    setup.hasSetup = 1;
}

} // namespace

extern "C" int32_t printerSetupPageSetup(ObjectHeader* object)
{
    PrinterSetupObject* setup = printerSetupOf(object);
    if (!setup)
        return 0;
    PAGESETUPDLGA dialog = pageSetupRecord(*setup);
    if (!PageSetupDlgA(&dialog)) {
        printerFreeHandles(dialog.hDevMode, dialog.hDevNames);
        return 0;
    }
    printerSetupTakeHandles(*setup, dialog.hDevMode, dialog.hDevNames);
    setup->records->pageSetup = dialog;
    setup->hasSetup = 1;
    printerSetupResolutionsFromDevice(*setup);
    return 1;
}

extern "C" ObjectHeader* RuntimeOpenPrinterDialog(ObjectHeader* object)
{
    PrinterSetupObject* setup = printerSetupOf(object);
    PRINTDLGA dialog = printDialogRecord(setup);
    if (!PrintDlgA(&dialog)) {
        printerFreeHandles(dialog.hDevMode, dialog.hDevNames);
        return nullptr;
    }
    if (setup)
        keepPrintDialog(*setup, dialog);
    else
        printerFreeHandles(dialog.hDevMode, dialog.hDevNames);
    return printerJobStart(dialog.hDC, object, countsOf(dialog));
}

// Without a setup the default printer serves for this job alone.
extern "C" ObjectHeader* RuntimeOpenPrinter(ObjectHeader* object)
{
    PrinterSetupObject* setup = printerSetupOf(object);
    PrintJobCounts counts = countsOf(printDialogRecord(nullptr));
    if (setup) {
        if (!printerSetupEnsurePrinter(*setup))
            return nullptr;
        return printerJobStart(printerCreateDC(setup->devMode, setup->devNames), object, counts);
    }
    HGLOBAL devMode = nullptr, devNames = nullptr;
    if (!printerDefaultHandles(devMode, devNames))
        return nullptr;
    HDC dc = printerCreateDC(devMode, devNames);
    printerFreeHandles(devMode, devNames);
    return printerJobStart(dc, nullptr, counts);
}
