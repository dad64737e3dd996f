// The Window language object: the values behind its properties and its tie to the native window.
#pragma once

#include "runtime/objects/object.h"
#include "runtime/strings/stringmap.h"
#include "ui/windows/panerect.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct NativeWindow;

// What further elements of a control array are made from: the first element's class and texts.
struct ControlArrayTemplate {
    std::string name;
    int32_t index;
    ClassDescriptor* cls;
    std::vector<std::pair<std::string, std::string>> properties;
};

// The controls of a window, in creation order, each held with one reference, and the map
// from control key (Name, or Name "$" index for array elements) to control.
struct WindowControls {
    NameMap names;
    std::vector<ObjectHeader*> controls;
    std::vector<ControlArrayTemplate> arrayTemplates;
};

struct WindowObject {
    ObjectHeader header;
    NativeWindow* native;  // null before the window opens and after it closed
    WindowControls* parts; // null until the window is built from a template
    PaneRect bounds;       // client area, screen coordinates
    // The saved bounds: the standard state, where the window was placed when it was built, and
    // the user state, where it goes back to when it leaves FullScreen.
    PaneRect standardBounds;
    PaneRect userBounds;
    int16_t minWidth;
    int16_t minHeight;
    int16_t maxWidth;
    int16_t maxHeight;
    int32_t frame; // the Frame property, which chooses the frame kind when it is built
    int32_t placement;
    int32_t backColor; // 0xRRGGBB
    int32_t macProcId;
    StringRecord* title;
    StringRecord* balloonHelp;
    StringRecord* floaterProcess;
    ObjectHeader* backdrop; // a Picture or nil
    ObjectHeader* mouseCursor;
    ObjectHeader* focusControl; // not counted: the control list holds it
    ObjectHeader** slot;        // the global that names this window; cleared when it closes
    uint8_t visible;
    uint8_t hasBackColor;
    uint8_t fullScreen;
    uint8_t menuBarVisible;
    uint8_t closeBox;
    uint8_t growIcon;
    uint8_t zoomIcon;
    uint8_t viewWindow; // built from a template: asked by the application's quit
};
static_assert(sizeof(WindowObject) <= 160, "the Window class is 160 bytes");

inline WindowObject* asWindow(ObjectHeader* object)
{
    return reinterpret_cast<WindowObject*>(object);
}

// Whether the object is a Window (or a subclass).
bool isWindowObject(ObjectHeader* object);
