// The Window class: its properties, their accessors and the object's destruction.
#include "ui/windows/windowproperties.h"

#include "runtime/objects/builtinclassset.h"
#include "ui/windows/fieldaccessors.h"
#include "ui/windows/nativewindow.h"
#include "ui/windows/panegraphics.h"
#include "ui/windows/windowvisibility.h"

#include <cstddef>

namespace {

WindowObject* windowOf(ObjectHeader* object)
{
    return object ? asWindow(object) : nullptr;
}

HWND handleOf(ObjectHeader* object)
{
    WindowObject* window = windowOf(object);
    return window && window->native ? window->native->handle : nullptr;
}

void redrawWindow(ObjectHeader* object, const RECT* area)
{
    if (HWND handle = handleOf(object))
        RedrawWindow(handle, area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

int32_t flag(ObjectHeader* object, uint8_t WindowObject::*field)
{
    WindowObject* window = windowOf(object);
    return window ? window->*field : 0;
}

void setFlag(ObjectHeader* object, uint8_t WindowObject::*field, int32_t value)
{
    if (WindowObject* window = windowOf(object))
        window->*field = (value & 0xFF) != 0;
}

POINT cursorInWindow(ObjectHeader* object)
{
    POINT at = {0, 0};
    if (HWND handle = handleOf(object)) {
        GetCursorPos(&at);
        ScreenToClient(handle, &at);
    }
    return at;
}

void releaseControls(WindowControls* parts)
{
    for (ObjectHeader* control : parts->controls) {
        if (isControlObject(control))
            asControl(control)->window = nullptr;
        RuntimeUnlockObject(control);
    }
    nameMapClear(parts->names);
    delete parts;
}

void destroyWindow(ObjectHeader* object, ClassDescriptor*)
{
    WindowObject* window = asWindow(object);
    if (window->parts)
        releaseControls(window->parts);
    window->parts = nullptr;
    RuntimeUnlockString(window->title);
    RuntimeUnlockString(window->balloonHelp);
    RuntimeUnlockString(window->floaterProcess);
    RuntimeUnlockObject(window->backdrop);
    RuntimeUnlockObject(window->mouseCursor);
}

// A new window is visible and white, with the size limits windows are designed with.
void initWindow(ObjectHeader* object, ClassDescriptor*)
{
    WindowObject* window = asWindow(object);
    window->visible = 1;
    window->backColor = 0xFFFFFF;
    window->minWidth = 64;
    window->minHeight = 64;
    window->maxWidth = 32000;
    window->maxHeight = 32000;
}

} // namespace

bool isWindowObject(ObjectHeader* object)
{
    return object && objectIsa(object, builtinClass(BuiltinClassId::Window));
}

extern "C" int32_t windowPosGetter(ObjectHeader* object, int32_t selector)
{
    WindowObject* window = windowOf(object);
    if (!window)
        return 0;
    return window->bounds.position(selector);
}

extern "C" void windowPosSetter(ObjectHeader* object, int32_t selector, int32_t value)
{
    WindowObject* window = windowOf(object);
    if (!window || window->fullScreen)
        return;
    if (!window->bounds.setPosition(selector, value))
        return;
    if (window->native)
        nativeWindowPlace(window->native, window->bounds);
}

extern "C" int32_t windowPlacementGetter(ObjectHeader* window, int32_t)
{
    return window ? asWindow(window)->placement : 0;
}

extern "C" void windowPlacementSetter(ObjectHeader* window, int32_t, int32_t placement)
{
    if (window)
        asWindow(window)->placement = placement;
}

extern "C" StringRecord* windowTitleGetter(ObjectHeader* window, int32_t)
{
    return window ? RuntimeLockString(asWindow(window)->title) : nullptr;
}

extern "C" void windowTitleSetter(ObjectHeader* window, int32_t, StringRecord* title)
{
    stringSetter(window, offsetof(WindowObject, title), title);
    if (HWND handle = handleOf(window))
        SetWindowTextA(handle, stringText(title));
}

extern "C" int32_t windowFullScreenGetter(ObjectHeader* window, int32_t)
{
    return flag(window, &WindowObject::fullScreen);
}

// Going full screen keeps the bounds the window had as its user state; leaving it puts the
// window back there.
extern "C" void windowFullScreenSetter(ObjectHeader* object, int32_t, int32_t fullScreen)
{
    WindowObject* window = windowOf(object);
    if (!window)
        return;
    bool wasFullScreen = window->fullScreen != 0;
    window->fullScreen = (fullScreen & 0xFF) != 0;
    if (window->fullScreen && !wasFullScreen)
        window->userBounds = window->bounds;
    if (window->fullScreen) {
        windowApplyFullScreen(window);
    } else if (wasFullScreen) {
        window->bounds = window->userBounds;
        if (window->native)
            nativeWindowPlace(window->native, window->bounds);
    }
}

extern "C" int32_t windowMenusVisibleGetter(ObjectHeader* window, int32_t)
{
    return flag(window, &WindowObject::menuBarVisible);
}

extern "C" void windowMenusVisibleSetter(ObjectHeader* window, int32_t, int32_t visible)
{
    setFlag(window, &WindowObject::menuBarVisible, visible);
}

extern "C" int32_t windowCloseBoxGetter(ObjectHeader* window, int32_t)
{
    return flag(window, &WindowObject::closeBox);
}

extern "C" void windowCloseBoxSetter(ObjectHeader* window, int32_t, int32_t value)
{
    setFlag(window, &WindowObject::closeBox, value);
}

extern "C" int32_t windowGrowIconGetter(ObjectHeader* window, int32_t)
{
    return flag(window, &WindowObject::growIcon);
}

extern "C" void windowGrowIconSetter(ObjectHeader* window, int32_t, int32_t value)
{
    setFlag(window, &WindowObject::growIcon, value);
}

extern "C" int32_t windowZoomIconGetter(ObjectHeader* window, int32_t)
{
    return flag(window, &WindowObject::zoomIcon);
}

extern "C" void windowZoomIconSetter(ObjectHeader* window, int32_t, int32_t value)
{
    setFlag(window, &WindowObject::zoomIcon, value);
}

extern "C" int32_t windowFrameGetter(ObjectHeader* window, int32_t)
{
    return window ? asWindow(window)->frame : 0;
}

extern "C" void windowFrameSetter(ObjectHeader* window, int32_t, int32_t frame)
{
    if (window)
        asWindow(window)->frame = frame;
}

extern "C" ObjectHeader* windowBackdropGetter(ObjectHeader* window, int32_t)
{
    return window ? RuntimeLockObject(asWindow(window)->backdrop) : nullptr;
}

extern "C" void windowBackdropSetter(ObjectHeader* window, int32_t, ObjectHeader* picture)
{
    objSetter(window, offsetof(WindowObject, backdrop), picture);
    redrawWindow(window, nullptr);
}

extern "C" int32_t windowHasBackColorGetter(ObjectHeader* window, int32_t)
{
    return flag(window, &WindowObject::hasBackColor);
}

extern "C" void windowHasBackColorSetter(ObjectHeader* window, int32_t, int32_t value)
{
    setFlag(window, &WindowObject::hasBackColor, value);
    redrawWindow(window, nullptr);
}

extern "C" int32_t windowBackColorGetter(ObjectHeader* window, int32_t)
{
    return window ? asWindow(window)->backColor : 0;
}

extern "C" void windowBackColorSetter(ObjectHeader* window, int32_t, int32_t color)
{
    if (!window)
        return;
    asWindow(window)->backColor = color;
    redrawWindow(window, nullptr);
}

extern "C" void windowBalloonHelpSetter(ObjectHeader* window, int32_t, StringRecord* text)
{
    stringSetter(window, offsetof(WindowObject, balloonHelp), text);
}

extern "C" void formMouseCursorSetter(ObjectHeader* window, int32_t, ObjectHeader* cursor)
{
    objSetter(window, offsetof(WindowObject, mouseCursor), cursor);
}

extern "C" int32_t windowControlCountGetter(ObjectHeader* window, int32_t)
{
    WindowObject* w = windowOf(window);
    return w && w->parts ? static_cast<int32_t>(w->parts->controls.size()) : 0;
}

extern "C" int32_t windowMouseXGetter(ObjectHeader* window, int32_t)
{
    return cursorInWindow(window).x;
}

extern "C" int32_t windowMouseYGetter(ObjectHeader* window, int32_t)
{
    return cursorInWindow(window).y;
}

extern "C" int32_t windowWindowPtrGetter(ObjectHeader* window, int32_t)
{
    return static_cast<int32_t>(reinterpret_cast<intptr_t>(handleOf(window)));
}

extern "C" int32_t getterWinHWND(ObjectHeader* window, int32_t)
{
    return static_cast<int32_t>(reinterpret_cast<intptr_t>(handleOf(window)));
}

extern "C" void formRefresh(ObjectHeader* window)
{
    redrawWindow(window, nullptr);
}

extern "C" void formRefreshRect(ObjectHeader* window, int32_t x, int32_t y, int32_t width, int32_t height)
{
    RECT area = {x, y, x + width, y + height};
    redrawWindow(window, &area);
}

void windowSetUpClass(ClassDescriptor* cls)
{
    cls->destructor = destroyWindow;
    cls->constructor = initWindow;
    void* const shortGetter = accessor(shortFieldGetter);
    void* const shortSetter = accessor(shortFieldSetter);
    classDeclareProperties(
        cls, {
                 {"Visible", accessor(WindowVisibleGetter), accessor(WindowVisibleSetter), 0, propertyBoolean},
                 {"Left", accessor(windowPosGetter), accessor(windowPosSetter), 0, propertyInteger},
                 {"Top", accessor(windowPosGetter), accessor(windowPosSetter), 1, propertyInteger},
                 {"Width", accessor(windowPosGetter), accessor(windowPosSetter), 2, propertyInteger},
                 {"Height", accessor(windowPosGetter), accessor(windowPosSetter), 3, propertyInteger},
                 {"Placement", accessor(windowPlacementGetter), accessor(windowPlacementSetter), 0, propertyInteger},
                 {"Title", accessor(windowTitleGetter), accessor(windowTitleSetter), 0, propertyString},
                 {"FullScreen", accessor(windowFullScreenGetter), accessor(windowFullScreenSetter), 0, propertyBoolean},
                 {"MenuBarVisible", accessor(windowMenusVisibleGetter), accessor(windowMenusVisibleSetter), 0,
                  propertyBoolean},
                 {"CloseBox", accessor(windowCloseBoxGetter), accessor(windowCloseBoxSetter), 0, propertyBoolean},
                 {"GrowIcon", accessor(windowGrowIconGetter), accessor(windowGrowIconSetter), 0, propertyBoolean},
                 {"ZoomIcon", accessor(windowZoomIconGetter), accessor(windowZoomIconSetter), 0, propertyBoolean},
                 {"Frame", accessor(windowFrameGetter), accessor(windowFrameSetter), 0, propertyInteger},
                 {"Backdrop", accessor(windowBackdropGetter), accessor(windowBackdropSetter), 0,
                  propertyOfClass(builtinClass(BuiltinClassId::Picture))},
                 {"HasBackColor", accessor(windowHasBackColorGetter), accessor(windowHasBackColorSetter), 0,
                  propertyBoolean},
                 {"BackColor", accessor(windowBackColorGetter), accessor(windowBackColorSetter), 0, propertyColor},
                 {"BalloonHelp", accessor(stringGetter), accessor(windowBalloonHelpSetter),
                  offsetof(WindowObject, balloonHelp), propertyString},
                 {"MinWidth", shortGetter, shortSetter, offsetof(WindowObject, minWidth), propertyInteger},
                 {"MinHeight", shortGetter, shortSetter, offsetof(WindowObject, minHeight), propertyInteger},
                 {"MaxWidth", shortGetter, shortSetter, offsetof(WindowObject, maxWidth), propertyInteger},
                 {"MaxHeight", shortGetter, shortSetter, offsetof(WindowObject, maxHeight), propertyInteger},
                 {"MacProcID", accessor(integerFieldGetter), accessor(integerFieldSetter),
                  offsetof(WindowObject, macProcId), propertyInteger},
                 {"MouseCursor", accessor(objGetter), accessor(formMouseCursorSetter),
                  offsetof(WindowObject, mouseCursor), propertyOfClass(builtinClass(BuiltinClassId::MouseCursor))},
                 {"FloaterProcess", accessor(stringGetter), accessor(stringSetter),
                  offsetof(WindowObject, floaterProcess), propertyString},
                 {"ControlCount", accessor(windowControlCountGetter), nullptr, 0, propertyInteger},
                 {"MouseX", accessor(windowMouseXGetter), nullptr, 0, propertyInteger},
                 {"MouseY", accessor(windowMouseYGetter), nullptr, 0, propertyInteger},
                 {"MacWindowPtr", accessor(windowWindowPtrGetter), nullptr, 0, propertyInteger},
                 {"WinHWND", accessor(getterWinHWND), nullptr, 0, propertyInteger},
                 {"Graphics", accessor(windowGraphicsGetter), nullptr, 0,
                  propertyOfClass(builtinClass(BuiltinClassId::Graphics))},
             });
}
