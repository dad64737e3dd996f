// The whole program coming to the front or leaving it: the application's Activate and
// Deactivate, and floating windows that stay above only the program's own windows.
#include "ui/windows/applicationactivation.h"

#include "ui/windows/events.h"
#include "ui/windows/nativewindow.h"
#include "ui/windows/windowhooks.h"

namespace {

bool applicationActive;

void placeFloatingWindows(HWND after)
{
    for (NativeWindow* native = windowListHead(); native; native = native->next) {
        if (frameKindFacts(native->frameKind).floating)
            SetWindowPos(native->handle, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

// Our floating windows go just below the program now in front. Only our own windows are moved:
// raising the other program's window would wait on that program, which may not answer.
void placeFloatingWindowsBelowForeground()
{
    placeFloatingWindows(HWND_NOTOPMOST);
    HWND foreground = GetForegroundWindow();
    DWORD ours = GetCurrentProcessId(), owner = 0;
    GetWindowThreadProcessId(foreground, &owner);
    if (foreground && owner != ours)
        placeFloatingWindows(foreground);
}

} // namespace

void applicationActivated(bool gaining)
{
    if (gaining == applicationActive)
        return;
    applicationActive = gaining;
    ObjectHeader* application = windowHooks().applicationObject ? windowHooks().applicationObject() : nullptr;
    if (gaining) {
        raiseEvent(application, "Activate");
        placeFloatingWindows(HWND_TOPMOST);
        return;
    }
    placeFloatingWindowsBelowForeground();
    raiseEvent(application, "Deactivate");
}
