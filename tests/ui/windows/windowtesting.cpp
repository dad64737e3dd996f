// Window tests: classes with recording handlers, template streams, input as a person gives
// it, and running the event loop until something has happened.
#include "tests/ui/windows/windowtesting.h"

#include "base/eventloop.h"
#include "image/projectsettings.h"
#include "runtime/strings/string.h"
#include "startup/uisetup.h"
#include "tests/support/timescale.h"
#include "tests/support/waits.h"
#include "ui/templates/windowtemplate.h"
#include "ui/windows/controlobject.h"
#include "ui/windows/nativewindow.h"
#include "ui/windows/windowobject.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

std::vector<ClassDescriptor*>& classTable()
{
    static std::vector<ClassDescriptor*> table;
    return table;
}

LoopTimer pollingTimer;

void keepPolling(LoopTimer*)
{}

} // namespace

Events& recordedEvents()
{
    static Events events;
    return events;
}

std::map<std::string, bool>& handlerAnswers()
{
    static std::map<std::string, bool> answers;
    return answers;
}

Events recordedIgnoring(const std::vector<std::string>& ignorable)
{
    Events kept;
    for (const std::string& line : recordedEvents()) {
        std::string name = line.substr(line.find('.') + 1);
        name = name.substr(0, name.find(' '));
        if (std::find(ignorable.begin(), ignorable.end(), name) == ignorable.end())
            kept.push_back(line);
    }
    return kept;
}

Events concatenated(const Events& first, const Events& second)
{
    Events both = first;
    both.insert(both.end(), second.begin(), second.end());
    return both;
}

const std::vector<std::string> pointerPassing = {"MouseEnter", "MouseMove", "MouseExit"};
const std::vector<std::string> frontChanges = {"Activate", "Deactivate"};
const std::vector<std::string> incidental = concatenated(pointerPassing, frontChanges);

std::string objectLabel(ObjectHeader* object)
{
    if (isWindowObject(object)) {
        const char* title = stringText(asWindow(object)->title);
        return *title ? title : "Window";
    }
    if (isControlObject(object)) {
        ControlObject* control = asControl(object);
        std::string label = stringText(control->name);
        if (control->index != notInControlArray)
            label += "$" + std::to_string(control->index);
        return label;
    }
    return "Object";
}

int32_t recordEvent(ObjectHeader* object, const char* event, const std::string& arguments)
{
    std::string key = objectLabel(object) + "." + event;
    recordedEvents().push_back(key + arguments);
    auto answer = handlerAnswers().find(key);
    return answer != handlerAnswers().end() && answer->second;
}

int32_t testClass(ClassDescriptor* base, const std::vector<HandlerEntry>& handlers, uint32_t extraBytes)
{
    ClassDescriptor* cls = classCreate();
    cls->superclass = base;
    cls->instanceSize = base->instanceSize + extraBytes;
    for (const HandlerEntry& entry : handlers)
        classAddEventHandler(cls, entry.event, entry.code);
    classTable().push_back(cls);
    classSetTable(classTable().data(), static_cast<int32_t>(classTable().size()));
    return static_cast<int32_t>(classTable().size() - 1);
}

int32_t testClass(BuiltinClassId base, const std::vector<HandlerEntry>& handlers)
{
    return testClass(builtinClass(base), handlers);
}

ClassDescriptor* testClassAt(int32_t index)
{
    return classTable().at(static_cast<size_t>(index));
}

std::vector<HandlerEntry> windowRecorders()
{
    return {
        {"Open", reinterpret_cast<void*>(recordPlain<"Open">)},
        {"Close", reinterpret_cast<void*>(recordPlain<"Close">)},
        {"CancelClose", reinterpret_cast<void*>(recordPlain<"CancelClose">)},
        {"KeyDown", reinterpret_cast<void*>(recordKey<"KeyDown">)},
        {"MouseMove", reinterpret_cast<void*>(recordPoint<"MouseMove">)},
        {"MouseEnter", reinterpret_cast<void*>(recordPlain<"MouseEnter">)},
        {"MouseExit", reinterpret_cast<void*>(recordPlain<"MouseExit">)},
        {"MouseDown", reinterpret_cast<void*>(recordPoint<"MouseDown">)},
        {"MouseDrag", reinterpret_cast<void*>(recordPoint<"MouseDrag">)},
        {"MouseUp", reinterpret_cast<void*>(recordPoint<"MouseUp">)},
        {"Resized", reinterpret_cast<void*>(recordPlain<"Resized">)},
        {"Moved", reinterpret_cast<void*>(recordPlain<"Moved">)},
        {"Activate", reinterpret_cast<void*>(recordPlain<"Activate">)},
        {"Deactivate", reinterpret_cast<void*>(recordPlain<"Deactivate">)},
    };
}

std::vector<HandlerEntry> controlRecorders()
{
    return {
        {"Open", reinterpret_cast<void*>(recordPlain<"Open">)},
        {"Close", reinterpret_cast<void*>(recordPlain<"Close">)},
        {"MouseMove", reinterpret_cast<void*>(recordPoint<"MouseMove">)},
        {"MouseEnter", reinterpret_cast<void*>(recordPlain<"MouseEnter">)},
        {"MouseExit", reinterpret_cast<void*>(recordPlain<"MouseExit">)},
    };
}

std::vector<HandlerEntry> canvasRecorders()
{
    std::vector<HandlerEntry> handlers = controlRecorders();
    handlers.push_back({"MouseDown", reinterpret_cast<void*>(recordPoint<"MouseDown">)});
    handlers.push_back({"MouseDrag", reinterpret_cast<void*>(recordPoint<"MouseDrag">)});
    handlers.push_back({"MouseUp", reinterpret_cast<void*>(recordPoint<"MouseUp">)});
    return handlers;
}

void loopKeepPollingAfresh()
{
    loopReset();
    loopAddTimer(&pollingTimer, 0);
    pollingTimer.action = keepPolling;
}

void windowTestSetUp()
{
    static bool started = false;
    if (!started) {
        started = true;
        builtinClassesEnsure();
        SettingsStream settings;
        settings.languageCode = 13;
        settingsApply(settings);
        uiStart();
    }
    loopKeepPollingAfresh();
    recordedEvents().clear();
    handlerAnswers().clear();
}

// The bound (and so pumpFor's time) is stretched by the machine's time scale.
bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    return pollUntil(done, timeoutMs, 1, loopRunPass);
}

void pumpFor(DWORD milliseconds)
{
    pumpUntil([] { return false; }, milliseconds);
}

bool sawEvent(const std::string& line)
{
    const auto& events = recordedEvents();
    return std::find(events.begin(), events.end(), line) != events.end();
}

HWND windowHandleOf(ObjectHeader* window)
{
    WindowObject* object = asWindow(window);
    return object && object->native ? object->native->handle : nullptr;
}

bool bringToFront(ObjectHeader* window)
{
    HWND handle = windowHandleOf(window);
    SetForegroundWindow(handle);
    SetActiveWindow(handle);
    return pumpUntil([handle] { return GetActiveWindow() == handle; });
}

// Other programs on the same display may hold the foreground, so input is delivered the way
// the system would deliver it to this program: to the window under the cursor (or holding
// the capture) and to the focused window. The cursor itself is real: it is moved, and the
// move is waited for until the display reports it steadily.
void moveMouseToScreen(int32_t x, int32_t y)
{
    for (int attempt = 0; attempt < 50; ++attempt) {
        SetCursorPos(x, y);
        bool steady = true;
        for (DWORD start = GetTickCount(); GetTickCount() - start < 40;) {
            MSG message;
            PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
            POINT at;
            GetCursorPos(&at);
            steady = steady && at.x == x && at.y == y;
            Sleep(2);
        }
        if (steady)
            break;
    }
    POINT at = {x, y};
    if (HWND under = WindowFromPoint(at)) {
        ScreenToClient(under, &at);
        PostMessageA(under, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
    }
    pumpFor(60);
}

void moveMouseTo(HWND window, int32_t clientX, int32_t clientY)
{
    POINT at = {clientX, clientY};
    ClientToScreen(window, &at);
    moveMouseToScreen(at.x, at.y);
}

void mouseButton(bool down)
{
    POINT at;
    GetCursorPos(&at);
    HWND target = GetCapture() ? GetCapture() : WindowFromPoint(at);
    ScreenToClient(target, &at);
    PostMessageA(target, down ? WM_LBUTTONDOWN : WM_LBUTTONUP, down ? MK_LBUTTON : 0, MAKELPARAM(at.x, at.y));
    pumpFor(60);
}

void clickAt(HWND window, int32_t clientX, int32_t clientY)
{
    moveMouseTo(window, clientX, clientY);
    mouseButton(true);
    mouseButton(false);
}

void pressKey(WORD virtualKey, std::vector<WORD> held)
{
    BYTE saved[256];
    GetKeyboardState(saved);
    BYTE state[256];
    memcpy(state, saved, sizeof state);
    bool alt = false;
    for (WORD modifier : held) {
        state[modifier] |= 0x80;
        alt = alt || modifier == VK_MENU;
    }
    SetKeyboardState(state);
    HWND target = GetFocus() ? GetFocus() : windowListHead() ? windowListHead()->handle : nullptr;
    LPARAM flags = 1 | (static_cast<LPARAM>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC)) << 16) | (alt ? 1 << 29 : 0);
    PostMessageA(target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, virtualKey, flags);
    pumpFor(40);
    PostMessageA(GetFocus() ? GetFocus() : target, alt ? WM_SYSKEYUP : WM_KEYUP, virtualKey, flags | 0xC0000000);
    pumpFor(40);
    SetKeyboardState(saved);
}

ObjectHeader* openWindow(const std::string& stream, ObjectHeader** slot)
{
    std::vector<uint8_t> record = templateRecord(stream);
    ObjectHeader* window = RuntimeCreateWindow(record.data(), slot);
    if (window)
        pumpUntil([window] { return IsWindowVisible(windowHandleOf(window)) != 0; });
    return window;
}
