// Control tests: a window of native controls opened from a template, with every control event
// recorded, and the typing of text as a person gives it.
#include "tests/ui/controls/controltesting.h"

#include "ui/templates/templateproperties.h"
#include "ui/templates/windowtemplate.h"
#include "ui/windows/focus.h"
#include "ui/windows/windowvisibility.h"

namespace {

int32_t windowClass = -1;

std::vector<HandlerEntry> withControlRecorders(std::vector<HandlerEntry> own)
{
    std::vector<HandlerEntry> handlers = controlRecorders();
    handlers.insert(handlers.end(), own.begin(), own.end());
    return handlers;
}

} // namespace

void ControlTest::SetUp()
{
    windowTestSetUp();
    if (windowClass < 0)
        windowClass = testClass(BuiltinClassId::Window, windowRecorders());
    moveMouseToScreen(900, 700);
}

void ControlTest::TearDown()
{
    windowsCloseAll();
}

ObjectHeader* ControlTest::open(const std::vector<ControlSpec>& controls)
{
    window = openWindow(templateStream(windowClass, windowProperties("Controls", 320, 240), controls), &slot);
    if (window)
        bringToFront(window);
    pumpFor(100);
    recordedEvents().clear();
    return window;
}

ObjectHeader* ControlTest::control(const char* name)
{
    StringRef key(stringFromText(name));
    return RuntimeControlFetch(window, key.get());
}

HWND ControlTest::handleOf(const char* name)
{
    Pane* pane = paneOfControl(control(name));
    return pane ? pane->handle() : nullptr;
}

void ControlTest::focus(const char* name)
{
    RuntimeSetFocus(control(name));
    pumpFor(50);
    recordedEvents().clear();
}

void ControlTest::pressKeyIn(const char* name, WORD key, std::vector<WORD> held)
{
    if (paneFromHandle(GetFocus()) != paneOfControl(control(name))) {
        bringToFront(window);
        RuntimeSetFocus(control(name));
        pumpFor(20);
    }
    pressKey(key, std::move(held));
}

std::string ControlTest::focusedName()
{
    Pane* pane = paneFromHandle(GetFocus());
    return pane ? objectLabel(pane->control()) : "none";
}

int32_t ControlTest::editFieldClass()
{
    static int32_t index =
        testClass(BuiltinClassId::EditField, withControlRecorders({
                                                 {"KeyDown", reinterpret_cast<void*>(recordKey<"KeyDown">)},
                                                 {"GotFocus", reinterpret_cast<void*>(recordPlain<"GotFocus">)},
                                                 {"LostFocus", reinterpret_cast<void*>(recordPlain<"LostFocus">)},
                                                 {"SelChange", reinterpret_cast<void*>(recordPlain<"SelChange">)},
                                                 {"TextChange", reinterpret_cast<void*>(recordPlain<"TextChange">)},
                                             }));
    return index;
}

int32_t ControlTest::pushButtonClass()
{
    static int32_t index = testClass(
        BuiltinClassId::PushButton, withControlRecorders({{"Action", reinterpret_cast<void*>(recordPlain<"Action">)}}));
    return index;
}

int32_t ControlTest::popupMenuClass()
{
    static int32_t index = testClass(
        BuiltinClassId::PopupMenu, withControlRecorders({{"Change", reinterpret_cast<void*>(recordPlain<"Change">)}}));
    return index;
}

int32_t ControlTest::checkBoxClass()
{
    static int32_t index = testClass(
        BuiltinClassId::CheckBox, withControlRecorders({{"Action", reinterpret_cast<void*>(recordPlain<"Action">)}}));
    return index;
}

int32_t ControlTest::radioButtonClass()
{
    static int32_t index =
        testClass(BuiltinClassId::RadioButton,
                  withControlRecorders({{"Action", reinterpret_cast<void*>(recordPlain<"Action">)}}));
    return index;
}

int32_t ControlTest::groupBoxClass()
{
    static int32_t index = testClass(BuiltinClassId::GroupBox, controlRecorders());
    return index;
}

int32_t ControlTest::listboxClass()
{
    static int32_t index =
        testClass(BuiltinClassId::Listbox,
                  withControlRecorders({{"Change", reinterpret_cast<void*>(recordPlain<"Change">)},
                                        {"DoubleClick", reinterpret_cast<void*>(recordPlain<"DoubleClick">)}}));
    return index;
}

int32_t ControlTest::sliderClass()
{
    static int32_t index =
        testClass(BuiltinClassId::Slider,
                  withControlRecorders({{"ValueChanged", reinterpret_cast<void*>(recordPlain<"ValueChanged">)}}));
    return index;
}

int32_t ControlTest::scrollBarClass()
{
    static int32_t index =
        testClass(BuiltinClassId::ScrollBar,
                  withControlRecorders({{"ValueChanged", reinterpret_cast<void*>(recordPlain<"ValueChanged">)}}));
    return index;
}

int32_t ControlTest::progressBarClass()
{
    static int32_t index = testClass(BuiltinClassId::ProgressBar, controlRecorders());
    return index;
}

int32_t ControlTest::tabPanelClass()
{
    static int32_t index =
        testClass(BuiltinClassId::TabPanel, {{"Change", reinterpret_cast<void*>(recordPlain<"Change">)}});
    return index;
}

void ControlTest::clickControl(const char* name)
{
    if (GetForegroundWindow() != windowHandleOf(window))
        bringToFront(window);
    RECT area;
    GetWindowRect(handleOf(name), &area);
    POINT centre = {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
    // A window just brought to the front may not be under the cursor at the first try.
    for (int attempt = 0; attempt < 10 && WindowFromPoint(centre) != handleOf(name); ++attempt)
        pumpFor(50);
    moveMouseToScreen(centre.x, centre.y);
    mouseButton(true);
    mouseButton(false);
}

void applyProperty(ObjectHeader* object, const char* key, const char* value)
{
    int32_t converted;
    applyTemplateProperty(object, key, value, converted);
}

void typeText(HWND field, const std::string& bytes)
{
    for (char byte : bytes) {
        PostMessageA(field, WM_CHAR, static_cast<uint8_t>(byte), 1);
        pumpFor(5);
    }
    pumpFor(40);
}

std::string textOf(StringRecord* owned)
{
    StringRef text(owned);
    return std::string(stringText(text.get()), stringLength(text.get()));
}

std::string windowText(HWND handle)
{
    char text[256] = {};
    GetWindowTextA(handle, text, sizeof text);
    return text;
}
