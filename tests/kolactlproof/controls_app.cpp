// The controls program: one window of the control library's controls. What they raise goes to
// the trace, so that a test using them from outside can count it.
#include "app/runtime.h"
#include "appdata.h"
#include "controls_fields.h"
#include "tests/support/tracedhandler.h"

extern "C" ImageClassTableLayout ImageClassTable;

extern "C" {
void bevelAddRow(ObjectHeader* button, StringRecord* text) RUNTIME_MEMBER("M", "BevelButton.AddRow");
void bevelAddSeparator(ObjectHeader* button) RUNTIME_MEMBER("M", "BevelButton.AddSeparator");
int bevelMenuValue(ObjectHeader* button, int parameter) RUNTIME_MEMBER("G", "BevelButton.MenuValue");
}

namespace {
STRING_CONSTANT(choiceName, "Choice");
STRING_CONSTANT(red, "赤");
STRING_CONSTANT(blue, "青");
STRING_CONSTANT(green, "緑");
STRING_CONSTANT(choiceActed, "Choice.Action ");
STRING_CONSTANT(notASource, " (not an ActionSource)");
} // namespace

TRACED_HANDLER(arrowsUp, "Arrows.Up")
TRACED_HANDLER(arrowsDown, "Arrows.Down")
TRACED_HANDLER(quietArrowsUp, "QuietArrows.Up")
TRACED_HANDLER(quietArrowsDown, "QuietArrows.Down")
TRACED_HANDLER(pushAction, "Push.Action")
TRACED_HANDLER(toggleAction, "Toggle.Action")
TRACED_HANDLER(stickyAction, "Sticky.Action")
TRACED_HANDLER(offAction, "Off.Action")

extern "C" {
// The menu rows: 赤 (row 0), a separator (row 1), 青 (row 2), 緑 (row 3).
void controlsOpen(ObjectHeader* window)
{
    ObjectHeader* choice = RuntimeControlFetch(window, &choiceName.record);
    bevelAddRow(choice, &red.record);
    bevelAddSeparator(choice);
    bevelAddRow(choice, &blue.record);
    bevelAddRow(choice, &green.record);
}

void choiceAction(ObjectHeader* button)
{
    StringRecord* row = StringStr(bevelMenuValue(button, 0));
    StringRecord* line = RuntimeAddString(&choiceActed.record, row);
    // The library's bevel button names the interface ActionSource: the button that acted is one.
    if (!RuntimeObjectIsa(button, ClassIndex::ActionSource)) {
        StringRecord* marked = RuntimeAddString(line, &notASource.record);
        RuntimeUnlockString(line);
        line = marked;
    }
    lineTrace(line);
    RuntimeUnlockString(line);
    RuntimeUnlockString(row);
}

int ImageEntry()
{
    Win32InstallPlugins(ImagePluginList);
    RuntimeInit(&ImageClassTable);
    ObjectHeader* window =
        RuntimeCreateWindow(ControlsWindowTemplate, reinterpret_cast<ObjectHeader**>(&ControlsWindowSlot));
    int result = RuntimeRun();
    RuntimeUnlockObject(window);
    return result;
}
}
