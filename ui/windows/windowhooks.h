// What windows ask of the menus and of the application, filled in by those subsystems.
#pragma once

#include <windows.h>

#include <cstdint>

struct NativeWindow;
struct ObjectHeader;

// Hooks left null do nothing.
struct WindowHooks {
    // The menu bar for a new window that is to carry the program's menu bar.
    HMENU (*menuBarForWindow)();
    // The pass that enables menu items before a menu opens or a window activates.
    void (*enableMenuItems)(NativeWindow* native);
    // A menu command (WM_COMMAND without a control).
    void (*menuCommand)(NativeWindow* native, int32_t itemId);
    // The application object, for its Activate and Deactivate.
    ObjectHeader* (*applicationObject)();
    // The frame window was asked to close: the application's quit.
    void (*frameCloseRequest)();
};

WindowHooks& windowHooks();
