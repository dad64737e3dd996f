// The process entry: remembers the instance and command line, then loads and runs the image.
#include "host/base/hoststate.h"
#include "host/image/imageloader.h"
#include "host/startup/runtimeexports.h"

#include <windows.h>

#include <commctrl.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    hostState().instance = instance;
    hostState().commandLine = commandLine;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    imageLoadAndRun(runtimeExports());
    return 0;
}
