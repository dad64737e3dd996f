// What the working windows offer for printing: the page setup, the print itself and its menu
// item, the crossed-cheque mark and the print font.
#include "app/formwindow.h"
#include "app/issuedregister.h"
#include "app/ownedtext.h"
#include "app/printfont.h"
#include "app/printguard.h"
#include "app/printrun.h"
#include "appdata.h"

namespace {
STRING_CONSTANT(fiePageSetup, "FiePageSetup");
STRING_CONSTANT(filePrint, "FilePrint");
STRING_CONSTANT(fileTestPrint, "FileTestPrint");
STRING_CONSTANT(printUnrecorded, "振出記録に書き込めませんでした。\r\n記録を残さずに印刷しますか？");
STRING_CONSTANT(testPrintName, "試し印刷");
STRING_CONSTANT(space, " ");

bool printingAllowed(FormWindowFields* window)
{
    return controlEnabledGetter(control(window, PrintButtonName), 0) != 0;
}

// A real print is recorded before anything reaches the printer; one that cannot be recorded
// is printed only when the user says so.
bool recordedOrAllowed(FormWindowFields* window)
{
    return recordIssuedForm(window) || RuntimeAskYesNo(&printUnrecorded.record);
}

// The name and a word after a space, or the name alone when the word is empty.
OwnedText withWord(StringRecord* name, StringRecord* word)
{
    if (!word || word->length == 0)
        return OwnedText(RuntimeLockString(name));
    return joined(name, &space.record, word);
}

// What the spooler shows for the job, so that a queue of several says which is which: the form,
// the amount as printed and the issuer's company line (小切手 ￥ 35,000- 株式会社サンプル商事); a
// test print says so instead of an amount that may not be complete.
OwnedText printJobName(FormWindowFields* window, PrintPath path)
{
    OwnedText name = path == PrintPath::testPrint
                         ? joined(&testPrintName.record, &space.record, formKindName(window))
                         : withWord(formKindName(window), fieldText(window, &NumberFieldName.record).get());
    return withWord(name.get(), fieldText(window, &SyameiFieldName.record).get());
}

// One print run: the amount checked once more (not for plain paper), the print dialog, then the
// page; a cancelled dialog prints nothing. The job ends when the printer Graphics is let go.
void printForm(FormWindowFields* window, PrintPath path)
{
    bool real = path != PrintPath::testPrint;
    if (real && !printedAmountAgrees(window))
        return;
    RuntimeSetPrintJobName(printJobName(window, path).get());
    ObjectHeader* printer = RuntimeOpenPrinterDialog(nullptr);
    if (!printer)
        return;
    if (!real || recordedOrAllowed(window))
        printFormPage(window, printer, path);
    else
        RuntimeAbandonPrintJob(printer);
    RuntimeUnlockObject(printer);
}
} // namespace

extern "C" {

// Printing from the menu is offered only while "印刷" is: an amount whose kanji and figures
// disagree must not reach paper by another way.
void formEnableMenuItems(FormWindowFields* window)
{
    enableMenuItem(&fiePageSetup.record);
    enableMenuItem(&fileTestPrint.record);
    if (printingAllowed(window))
        enableMenuItem(&filePrint.record);
}

bool formPageSetup(FormWindowFields* window)
{
    ObjectHeader* setup = RuntimeNewObject(ClassIndex::PrinterSetup);
    printerSetupStringSetter(setup, 0, window->PrinterSetupString);
    if (printerSetupPageSetup(setup))
        holdText(window->PrinterSetupString, OwnedText(printerSetupStringGetter(setup, 0)).get());
    RuntimeUnlockObject(setup);
    return true;
}

bool formFilePrint(FormWindowFields* window)
{
    if (printingAllowed(window))
        printForm(window, PrintPath::menu);
    return true;
}

// Plain paper only: the amount need not be complete.
bool formFileTestPrint(FormWindowFields* window)
{
    printForm(window, PrintPath::testPrint);
    return true;
}

void printButtonAction(ObjectHeader* button)
{
    printForm(windowOf(button), PrintPath::button);
}

void ginkouButtonAction(ObjectHeader* button)
{
    ObjectHeader* mark = control(windowOf(button), GinkowatariName);
    ControlVisibleSetter(mark, 0, !controlVisibleGetter(mark, 0));
}

void fontMenuChange(ObjectHeader* menu)
{
    OwnedText name(popupTextGetter(menu, 0));
    editTextSetter(control(windowOf(menu), FontFieldName), 0, name.get());
}

void fontFieldTextChange(ObjectHeader* field)
{
    applyPrintFont(windowOf(field), OwnedText(editTextGetter(field, 0)).get());
}
}
