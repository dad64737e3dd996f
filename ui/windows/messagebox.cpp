// Message boxes and the beep for application code.
#include "ui/windows/messagebox.h"

#include "base/hostmessage.h"
#include "base/hoststate.h"
#include "image/projectsettings.h"
#include "runtime/strings/string.h"
#include "ui/windows/framewindow.h"
#include "ui/windows/nativewindow.h"

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

// Warnings about what the system cannot do carry no caption.
void showMessageBox(const char* text, UINT icon)
{
    MessageBoxA(messageBoxOwner(), text, icon == MB_ICONWARNING ? "" : messageBoxCaption(), icon);
}

} // namespace

void messageBoxesStart()
{
    messageSteps().show = showMessageBox;
    messageSteps().owner = messageBoxOwner;
}

extern "C" void RuntimeMsgBox(StringRecord* text)
{
    hostShowMessage(stringText(text));
}

// No is the default button: Return alone never agrees to what is asked.
extern "C" int32_t RuntimeAskYesNo(StringRecord* text)
{
    UINT style = MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2;
    return MessageBoxA(messageBoxOwner(), stringText(text), messageBoxCaption(), style) == IDYES;
}

extern "C" void RuntimeBeep()
{
    MessageBeep(0);
}
