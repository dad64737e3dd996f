// The failed-assertion dialog for the runtime's internal consistency checks.
#include "base/assertion.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>

namespace {
constexpr const char* assertionFormat =
    "Failed Assertion: %d\nPress OK to Continue\nPress Cancel to Quit.\n\n"
    "Please report what caused this error\nalong with the information below.\n\n %s : %d";
}

void assertFailed(int /*category*/, int number, const char* sourceName, int line)
{
    char text[256];
    snprintf(text, sizeof text, assertionFormat, static_cast<int16_t>(number), sourceName ? sourceName : "", line);
    int choice = MessageBoxA(nullptr, text, "", MB_OKCANCEL | MB_ICONERROR | MB_DEFBUTTON2);
    if (choice != IDCANCEL)
        return;
    // No shutdown step runs: the user asked to quit now.
    TerminateProcess(GetCurrentProcess(), 0);
    FatalAppExitA(0, "Gentle Shutdown Failed.  Attempting Forced Shutdown.");
}
