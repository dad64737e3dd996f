// What windows ask of the menus and of the application, filled in by those subsystems.
#include "ui/windows/windowhooks.h"

WindowHooks& windowHooks()
{
    static WindowHooks hooks;
    return hooks;
}
