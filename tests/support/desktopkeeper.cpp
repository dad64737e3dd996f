// Keeps the shared desktop open while the tests run. Wine closes a desktop about a second after
// the last program on it ends; a program that starts while it closes gets a desktop without a
// desktop window and fails in the system's own code. Tests start and end one program after
// another, so one program stays on the desktop from the first test to the last.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    GetDesktopWindow();
    Sleep(INFINITE);
    return 0;
}
