// Starting the window framework: window classes, the built-in classes' properties and panes,
// and the steps it takes in the event loop and at shutdown.
#include "startup/uisetup.h"

#include "base/eventloop.h"
#include "base/shutdown.h"
#include "runtime/objects/builtinclassset.h"
#include "ui/controls/controlkinds.h"
#include "ui/media/soundobjects.h"
#include "ui/menus/menustart.h"
#include "ui/windows/controlproperties.h"
#include "ui/windows/focus.h"
#include "ui/windows/keyboard.h"
#include "ui/windows/messagebox.h"
#include "ui/windows/modalclicks.h"
#include "ui/windows/mousetracking.h"
#include "ui/windows/windowclasses.h"
#include "ui/windows/windowhooks.h"
#include "ui/windows/windowproperties.h"
#include "ui/windows/windowvisibility.h"

namespace {

void setUpClasses()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    windowSetUpClass(builtinClass(BuiltinClassId::Window));
    controlSetUpClasses(builtinClass(BuiltinClassId::Control), builtinClass(BuiltinClassId::RectControl));
    canvasSetUpClass(builtinClass(BuiltinClassId::Canvas));
    staticTextSetUpClass(builtinClass(BuiltinClassId::StaticText));
    rectangleSetUpClass(builtinClass(BuiltinClassId::Rectangle));
    ovalSetUpClass(builtinClass(BuiltinClassId::Oval));
    roundRectangleSetUpClass(builtinClass(BuiltinClassId::RoundRectangle));
    lineSetUpClass(builtinClass(BuiltinClassId::Line));
    pushButtonSetUpClass(builtinClass(BuiltinClassId::PushButton));
    editFieldSetUpClass(builtinClass(BuiltinClassId::EditField));
    popupMenuSetUpClass(builtinClass(BuiltinClassId::PopupMenu));
    checkBoxSetUpClass(builtinClass(BuiltinClassId::CheckBox));
    radioButtonSetUpClass(builtinClass(BuiltinClassId::RadioButton));
    groupBoxSetUpClass(builtinClass(BuiltinClassId::GroupBox));
    listboxSetUpClass(builtinClass(BuiltinClassId::Listbox));
    sliderSetUpClass(builtinClass(BuiltinClassId::Slider));
    progressBarSetUpClass(builtinClass(BuiltinClassId::ProgressBar));
    scrollBarSetUpClass(builtinClass(BuiltinClassId::ScrollBar));
    tabPanelSetUpClass(builtinClass(BuiltinClassId::TabPanel));
    moviePlayerSetUpClass(builtinClass(BuiltinClassId::MoviePlayer));
}

// While a modal window shows, clicks elsewhere are refused before any key handling.
bool preTranslateMessage(MSG& message)
{
    return modalRefusesClick(message) || keyboardPreTranslate(message);
}

} // namespace

void uiStart()
{
    registerWindowClasses();
    messageBoxesStart();
    setUpClasses();
    menusStart();
    LoopSteps& steps = loopSteps();
    steps.syncWindows = windowsSync;
    steps.paneHoldsCapture = mouseCaptureHeld;
    steps.trackMouse = mouseTrack;
    steps.preTranslateMessage = preTranslateMessage;
    steps.idleFocusedControl = focusedPaneIdle;
    steps.anyWindowOpen = windowsAnyOpen;
    shutdownSteps().closeAllWindows = windowsCloseAll;
    shutdownSteps().releaseSounds = soundObjectsRelease;
}
