// Window tests: classes with recording handlers, template streams, input as a person gives
// it, and running the event loop until something has happened.
#pragma once

#include "runtime/objects/builtinclassset.h"
#include "runtime/objects/object.h"
#include "tests/support/templatestream.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

// ---- What handlers saw, one line per event: "Label.Event" and its arguments.
using Events = std::vector<std::string>;
Events& recordedEvents();
// Boolean answers of recording handlers by "Label.Event"; false when not set.
std::map<std::string, bool>& handlerAnswers();
// Every recorded event but those whose name is one of these, in order: a check compares the
// rest whole, so an event it did not expect fails it.
Events recordedIgnoring(const std::vector<std::string>& ignorable);
// The events a pointer raises as it passes over windows and controls; those of a window coming
// to the front or going behind; both: the system's doing beside the input a check gives.
extern const std::vector<std::string> pointerPassing;
extern const std::vector<std::string> frontChanges;
extern const std::vector<std::string> incidental;
// The first list, then the second: event names to ignore, or the lines of an expected sequence.
Events concatenated(const Events& first, const Events& second);
// The label of an object: a window's title ("Window" without one), a control's Name
// (with "$index" for array elements).
std::string objectLabel(ObjectHeader* object);

// ---- Classes.
template <size_t N> struct EventName {
    char text[N];
    constexpr EventName(const char (&name)[N]) { std::copy_n(name, N, text); }
};

int32_t recordEvent(ObjectHeader* object, const char* event, const std::string& arguments);

template <EventName Name> int32_t recordPlain(ObjectHeader* object)
{
    return recordEvent(object, Name.text, "");
}
template <EventName Name> int32_t recordPoint(ObjectHeader* object, int32_t x, int32_t y)
{
    return recordEvent(object, Name.text, " " + std::to_string(x) + "," + std::to_string(y));
}
template <EventName Name> int32_t recordKey(ObjectHeader* object, StringRecord* key)
{
    return recordEvent(object, Name.text, " " + std::to_string(stringLength(key) ? stringBytes(key)[0] : 0));
}
template <EventName Name> int32_t recordObject(ObjectHeader* object, ObjectHeader* argument)
{
    return recordEvent(object, Name.text, argument ? " object" : " nil");
}

struct HandlerEntry {
    const char* event;
    void* code;
};

// An unnamed subclass of `base` (as the image makes them) with these handlers, entered in
// the test's class table; returns its class index.
int32_t testClass(ClassDescriptor* base, const std::vector<HandlerEntry>& handlers, uint32_t extraBytes = 0);
int32_t testClass(BuiltinClassId base, const std::vector<HandlerEntry>& handlers);
ClassDescriptor* testClassAt(int32_t index);

// Handlers recording every window event and every control event of the kinds used here.
std::vector<HandlerEntry> windowRecorders();
std::vector<HandlerEntry> controlRecorders();
std::vector<HandlerEntry> canvasRecorders();

// ---- Running and driving.
// Sets up the runtime's classes and the framework once, forgets the events recorded, and
// keeps the loop polling so that passes never wait.
void windowTestSetUp();
// Forgets timers and a quit request (set by passes that ran with no window open) and polls again.
void loopKeepPollingAfresh();
// Runs loop passes until `done` or the time is up; returns `done()`.
bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 3000);
void pumpFor(DWORD milliseconds);
bool sawEvent(const std::string& line);

HWND windowHandleOf(ObjectHeader* window);
// Puts the window in front and waits until it is active.
bool bringToFront(ObjectHeader* window);
void moveMouseTo(HWND window, int32_t clientX, int32_t clientY);
void moveMouseToScreen(int32_t x, int32_t y);
void mouseButton(bool down);
void clickAt(HWND window, int32_t clientX, int32_t clientY);
// Presses and releases a key with the modifier keys held (VK_SHIFT, VK_CONTROL, ...).
void pressKey(WORD virtualKey, std::vector<WORD> held = {});

// Creates a window from a template and waits until it is shown.
ObjectHeader* openWindow(const std::string& stream, ObjectHeader** slot = nullptr);
