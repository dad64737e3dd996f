// The Win32 window classes of the framework.
#include "ui/windows/windowclasses.h"

#include "base/hoststate.h"
#include "ui/windows/drawnpane.h"
#include "ui/windows/windowprocedure.h"

namespace {

HICON applicationIcon()
{
    HICON icon = LoadIconA(hostState().instance, MAKEINTRESOURCEA(applicationIconResource));
    return icon ? icon : LoadIconA(nullptr, IDI_APPLICATION);
}

void registerClass(const char* name, WNDPROC procedure, HICON icon, HBRUSH background, UINT extraStyle = 0)
{
    WNDCLASSA existing;
    if (GetClassInfoA(hostState().instance, name, &existing))
        return;
    WNDCLASSA cls = {};
    cls.style = CS_HREDRAW | CS_VREDRAW | extraStyle;
    cls.lpfnWndProc = procedure;
    cls.cbWndExtra = sizeof(void*);
    cls.hInstance = hostState().instance;
    cls.hIcon = icon;
    cls.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    cls.hbrBackground = background;
    cls.lpszClassName = name;
    RegisterClassA(&cls);
}

} // namespace

void registerWindowClasses()
{
    registerClass(windowClassName, topLevelWindowProcedure, applicationIcon(), nullptr);
    // Without CS_DBLCLKS the system never sends a pane the double clicks its procedure handles.
    registerClass(paneClassName, paneWindowProcedure, nullptr, nullptr, CS_DBLCLKS);
    if (!hostState().frameMode)
        return;
    registerClass(mdiFrameClassName, frameWindowProcedure, applicationIcon(),
                  reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1));
    registerClass(mdiChildClassName, topLevelWindowProcedure, applicationIcon(), nullptr);
}
