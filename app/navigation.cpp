// The windows and the way between them: the cheque window first with the About window over it,
// the two forms switched in place of each other, and the program ending with either of them.
#include "app/dates.h"
#include "app/formsettings.h"
#include "app/formwindow.h"
#include "app/issuedregister.h"
#include "app/printfont.h"
#include "appdata.h"

namespace {
STRING_CONSTANT(mnuApple, "mnuApple");
STRING_CONSTANT(fileOpenRegister, "FileOpenRegister");
STRING_CONSTANT(editClear, "EditClear");
STRING_CONSTANT(editCopy, "EditCopy");
STRING_CONSTANT(editCut, "EditCut");
STRING_CONSTANT(editPaste, "EditPaste");
STRING_CONSTANT(editUndo, "EditUndo");
STRING_CONSTANT(settingsNotKept, "設定を保存できませんでした。次に起動したときは、前に保存した設定になります。");

// Closing one window closes the other: each keeps its settings, but a failure is told once.
bool settingsFailureTold = false;

// The Edit items have no handlers here: enabled, they edit the focused field.
StringRecord* const alwaysEnabledItems[] = {&mnuApple.record, &fileOpenRegister.record, &editClear.record,
                                            &editCopy.record, &editCut.record,          &editPaste.record,
                                            &editUndo.record};

ObjectHeader* aboutWindow()
{
    return implicitWindow(fromAppleTemplate, &fromAppleSlot);
}

// Both forms keep their state: switching only hides one and shows the other.
void switchForms(FormWindowFields* shown, FormWindowFields* hidden)
{
    WindowVisibleSetter(asObject(shown), 0, 1);
    WindowVisibleSetter(asObject(hidden), 0, 0);
}

void openForm(FormWindowFields* window)
{
    fillFontMenu(window);
    loadFormSettings(window);
    givePrintFontIfNone(window);
    recordStampHeights(window);
    showTodaysEra(window);
}

} // namespace

void enableMenuItem(StringRecord* name)
{
    ObjectHeader* item = RuntimeMenuReference(name);
    RuntimeEnableMenu(item);
    RuntimeUnlockObject(item);
}

extern "C" {

void appEnableMenuItems(ObjectHeader*)
{
    for (StringRecord* name : alwaysEnabledItems)
        enableMenuItem(name);
}

bool appShowAbout(ObjectHeader*)
{
    RuntimeShowWindow(aboutWindow());
    return true;
}

bool appOpenRegister(ObjectHeader*)
{
    openIssuedRegister();
    return true;
}

void chequeWindowOpen(FormWindowFields* window)
{
    openForm(window);
    RuntimeShowWindow(aboutWindow());
}

void noteWindowOpen(FormWindowFields* window)
{
    openForm(window);
}

// The quit closes the other working window too, if it was ever opened, which keeps its own
// settings in its Close.
void formWindowClose(FormWindowFields* window)
{
    if (!saveFormSettings(window) && !settingsFailureTold) {
        settingsFailureTold = true;
        RuntimeMsgBox(&settingsNotKept.record);
    }
    ApplicationQuit();
}

void tegataButtonAction(ObjectHeader*)
{
    switchForms(noteWindow(), chequeWindow());
}

void chequeButtonAction(ObjectHeader*)
{
    switchForms(chequeWindow(), noteWindow());
}

void aboutOpen(ObjectHeader* window)
{
    ObjectHeader* player = RuntimeControlFetch(window, &TolvaMovieName.record);
    RuntimeMediaPlay(player);
    mediaControllerLoopingSetter(player, 0, 1);
}

bool aboutMouseDown(ObjectHeader* window, int, int)
{
    RuntimeCloseWindow(window);
    return true;
}

void aboutDeactivate(ObjectHeader* window)
{
    RuntimeCloseWindow(window);
}
}
