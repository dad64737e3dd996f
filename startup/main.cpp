// The process entry: remembers the instance and command line, then loads and runs the image.
#include "base/commandline.h"
#include "base/hoststate.h"
#include "image/imageloader.h"
#include "startup/runtimeexports.h"

#include <windows.h>

#include <commctrl.h>

// The command line WinMain is given has the blanks after the program's name taken away, so a
// command line of blanks only would look empty: the raw one is read instead.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    hostState().instance = instance;
    hostState().commandLine = commandLineAfterProgramName(GetCommandLineA());
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    imageLoadAndRun(runtimeExports());
    return 0;
}
