// The forms program: a cheque window and a note window in one frame, switched by their
// buttons, and a modal About window over them at the start. Every event it hears goes to the
// trace, so that a test driving it from outside can check what reached whom.
#include "app/runtime.h"
#include "appdata.h"
#include "forms_fields.h"
#include "tests/support/tracedhandler.h"

extern "C" ImageClassTableLayout ImageClassTable;

namespace {
STRING_CONSTANT(filePrint, "FilePrint");
STRING_CONSTANT(chequeOpened, "Cheque.Open");
STRING_CONSTANT(chequePrinted, "Cheque.FilePrint");
STRING_CONSTANT(notePrinted, "Note.FilePrint");
STRING_CONSTANT(tegataActed, "TegataButton.Action");
STRING_CONSTANT(chequeActed, "ChequeButton.Action");
STRING_CONSTANT(aboutDown, "About.MouseDown");
STRING_CONSTANT(aboutLeft, "About.Deactivate");
STRING_CONSTANT(appActivated, "App.Activate");
STRING_CONSTANT(appDeactivated, "App.Deactivate");
STRING_CONSTANT(runEnded, "Run ended");

// Shows one working window in place of the other.
void switchTo(ObjectHeader* shown, ObjectHeader* hidden)
{
    WindowVisibleSetter(shown, 0, 1);
    WindowVisibleSetter(hidden, 0, 0);
}
} // namespace

TRACED_HANDLER(digit1Action, "Digit1.Action")
TRACED_HANDLER(digit2Action, "Digit2.Action")
TRACED_HANDLER(digit3Action, "Digit3.Action")
TRACED_HANDLER(digit4Action, "Digit4.Action")
TRACED_HANDLER(digit5Action, "Digit5.Action")
TRACED_HANDLER(digit6Action, "Digit6.Action")
TRACED_HANDLER(digit7Action, "Digit7.Action")
TRACED_HANDLER(digit8Action, "Digit8.Action")
TRACED_HANDLER(digit9Action, "Digit9.Action")
TRACED_HANDLER(clearAction, "Clear.Action")
TRACED_HANDLER(buttonManAction, "ButtonMan.Action")
TRACED_HANDLER(buttonSenAction, "ButtonSen.Action")
TRACED_HANDLER(buttonHyakuAction, "ButtonHyaku.Action")
TRACED_HANDLER(buttonJyuAction, "ButtonJyu.Action")
TRACED_HANDLER(buttonYenAction, "ButtonYen.Action")
TRACED_HANDLER(tondeButtonAction, "TondeButton.Action")
TRACED_HANDLER(changeButtonAction, "ChangeButton.Action")
TRACED_HANDLER(eraseButtonAction, "EraseButton.Action")
TRACED_HANDLER(todayButtonAction, "TodayButton.Action")
TRACED_HANDLER(ginkouButtonAction, "GinkouButton.Action")
TRACED_HANDLER(dayButtonAction, "DayButton.Action")
TRACED_HANDLER(printButtonAction, "PrintButton.Action")
TRACED_HANDLER(dateYButtonAction, "DateYButton.Action")

extern "C" {
void chequeOpen(ObjectHeader*)
{
    lineTrace(&chequeOpened.record);
    RuntimeUnlockObject(RuntimeCreateWindow(AboutWindowTemplate, reinterpret_cast<ObjectHeader**>(&AboutWindowSlot)));
}

void formEnableMenuItems(ObjectHeader*)
{
    ObjectHeader* item = RuntimeMenuReference(&filePrint.record);
    RuntimeEnableMenu(item);
    RuntimeUnlockObject(item);
}

bool chequeFilePrint(ObjectHeader*)
{
    lineTrace(&chequePrinted.record);
    return true;
}

bool noteFilePrint(ObjectHeader*)
{
    lineTrace(&notePrinted.record);
    return true;
}

void tegataButtonAction(ObjectHeader*)
{
    lineTrace(&tegataActed.record);
    switchTo(reinterpret_cast<ObjectHeader*>(NoteWindowSlot), reinterpret_cast<ObjectHeader*>(ChequeWindowSlot));
}

void chequeButtonAction(ObjectHeader*)
{
    lineTrace(&chequeActed.record);
    switchTo(reinterpret_cast<ObjectHeader*>(ChequeWindowSlot), reinterpret_cast<ObjectHeader*>(NoteWindowSlot));
}

bool aboutMouseDown(ObjectHeader* window, int, int)
{
    lineTrace(&aboutDown.record);
    RuntimeCloseWindow(window);
    return false;
}

void aboutDeactivate(ObjectHeader* window)
{
    lineTrace(&aboutLeft.record);
    RuntimeCloseWindow(window);
}

void formsAppActivate(ObjectHeader*)
{
    lineTrace(&appActivated.record);
}

void formsAppDeactivate(ObjectHeader*)
{
    lineTrace(&appDeactivated.record);
}

int ImageEntry()
{
    Win32InstallPlugins(nullptr);
    RuntimeInit(&ImageClassTable);
    ObjectHeader* cheque =
        RuntimeCreateWindow(ChequeWindowTemplate, reinterpret_cast<ObjectHeader**>(&ChequeWindowSlot));
    ObjectHeader* note = RuntimeCreateWindow(NoteWindowTemplate, reinterpret_cast<ObjectHeader**>(&NoteWindowSlot));
    int result = RuntimeRun();
    RuntimeUnlockObject(note);
    RuntimeUnlockObject(cheque);
    lineTrace(&runEnded.record);
    return result;
}
}
