// Message boxes and the beep for application code.
#include "runtime/string.h"

#include <windows.h>

// The owner and caption rules of the window framework refine this once windows exist.
extern "C" void RuntimeMsgBox(StringRecord* text)
{
    MessageBoxA(nullptr, stringText(text), "Message", MB_ICONINFORMATION);
}

extern "C" void RuntimeBeep()
{
    MessageBeep(MB_OK);
}
