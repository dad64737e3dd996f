// Message boxes and the beep for application code.
#include "host/projectsettings.h"
#include "host/hoststate.h"
#include "runtime/string.h"
#include "ui/framewindow.h"
#include "ui/messagebox.h"
#include "ui/nativewindow.h"

#include <windows.h>

HWND messageBoxOwner()
{
    if (NativeWindow* modal = topmostVisibleModal())
        return modal->handle;
    if (hostState().frameMode && frameWindowHandle())
        return frameWindowHandle();
    for (NativeWindow* native = windowListHead(); native; native = native->next) {
        if (native->active)
            return native->handle;
    }
    return windowListHead() ? windowListHead()->handle : nullptr;
}

namespace {

const char* messageBoxCaption()
{
    if (hostState().frameMode && settingsFrameTitle())
        return stringText(settingsFrameTitle());
    return "Message";
}

} // namespace

extern "C" void RuntimeMsgBox(StringRecord* text)
{
    MessageBoxA(messageBoxOwner(), stringText(text), messageBoxCaption(), MB_ICONINFORMATION);
}

extern "C" void RuntimeBeep()
{
    MessageBeep(0);
}
