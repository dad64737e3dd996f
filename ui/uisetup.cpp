// Starting the window framework: window classes, the built-in classes' properties and panes,
// and the steps it takes in the event loop and at shutdown.
#include "ui/uisetup.h"

#include "graphics/graphics.h"
#include "host/builtinclassset.h"
#include "host/eventloop.h"
#include "host/shutdown.h"
#include "ui/controlkinds.h"
#include "ui/controlproperties.h"
#include "ui/keyboard.h"
#include "ui/menustart.h"
#include "ui/mousetracking.h"
#include "ui/windowclasses.h"
#include "ui/windowhooks.h"
#include "ui/windowproperties.h"
#include "ui/windowvisibility.h"

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
    graphicsSetUpClass(builtinClass(BuiltinClassId::Graphics));
}

} // namespace

WindowHooks& windowHooks()
{
    static WindowHooks hooks;
    return hooks;
}

void uiStart()
{
    registerWindowClasses();
    setUpClasses();
    menusStart();
    LoopSteps& steps = loopSteps();
    steps.syncWindows = windowsSync;
    steps.paneHoldsCapture = mouseCaptureHeld;
    steps.trackMouse = mouseTrack;
    steps.preTranslateMessage = keyboardPreTranslate;
    steps.anyWindowOpen = windowsAnyOpen;
    shutdownSteps().closeAllWindows = windowsCloseAll;
}
