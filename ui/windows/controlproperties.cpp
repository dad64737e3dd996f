// The properties and accessors every control shares (Control) and those of rectangular
// controls (RectControl).
#include "ui/windows/controlproperties.h"

#include "runtime/objects/builtinclassset.h"
#include "ui/windows/fieldaccessors.h"
#include "ui/windows/nativewindow.h"
#include "ui/windows/pane.h"
#include "ui/windows/windowobject.h"

#include <cstddef>

namespace {

void* const booleanGetter = accessor(booleanFieldGetter);
void* const integerGetter = accessor(integerFieldGetter);
void* const textGetter = accessor(stringGetter);
void* const textSetter = accessor(stringSetter);

void destroyControl(ObjectHeader* object, ClassDescriptor*)
{
    ControlObject* control = asControl(object);
    delete control->pane; // only a control whose window is gone can get here; its pane is gone too
    control->pane = nullptr;
    RuntimeUnlockString(control->name);
    RuntimeUnlockString(control->balloonHelp);
    RuntimeUnlockString(control->disabledBalloonHelp);
    RuntimeUnlockString(control->helpTag);
    RuntimeUnlockObject(control->mouseCursor);
}

// A new rectangular control is visible and enabled, and in no control array.
void initRectControl(ObjectHeader* object, ClassDescriptor*)
{
    RectControlObject* control = asRectControl(object);
    control->visible = 1;
    control->enabled = 1;
    control->control.index = notInControlArray;
}

RectControlObject* rectControl(ObjectHeader* object)
{
    return object && isRectControlObject(object) ? asRectControl(object) : nullptr;
}

void storeLock(ObjectHeader* object, uint8_t RectControlObject::*flag, int32_t locked)
{
    if (RectControlObject* control = rectControl(object))
        control->*flag = (locked & 0xFF) != 0;
}

POINT cursorInControl(ObjectHeader* object)
{
    POINT at = {0, 0};
    RectControlObject* control = rectControl(object);
    WindowObject* window = control ? control->control.window : nullptr;
    if (!window || !window->native)
        return at;
    GetCursorPos(&at);
    ScreenToClient(window->native->handle, &at);
    at.x -= control->bounds.left;
    at.y -= control->bounds.top;
    return at;
}

} // namespace

bool isControlObject(ObjectHeader* object)
{
    return object && objectIsa(object, builtinClass(BuiltinClassId::Control));
}

bool isRectControlObject(ObjectHeader* object)
{
    return object && objectIsa(object, builtinClass(BuiltinClassId::RectControl));
}

extern "C" int32_t ctlPosGetter(ObjectHeader* object, int32_t selector)
{
    RectControlObject* control = rectControl(object);
    if (!control)
        return 0;
    return control->bounds.position(selector);
}

extern "C" void ctlPosSetter(ObjectHeader* object, int32_t selector, int32_t value)
{
    RectControlObject* control = rectControl(object);
    if (!control)
        return;
    if (!control->bounds.setPosition(selector, value))
        return;
    if (Pane* pane = control->control.pane)
        pane->setBounds(control->bounds);
}

extern "C" int32_t controlVisibleGetter(ObjectHeader* object, int32_t)
{
    RectControlObject* control = rectControl(object);
    return control ? control->visible : 0;
}

extern "C" void ControlVisibleSetter(ObjectHeader* object, int32_t, int32_t visible)
{
    RectControlObject* control = rectControl(object);
    if (!control)
        return;
    control->visible = (visible & 0xFF) != 0;
    if (Pane* pane = control->control.pane)
        pane->stateChanged(control->visible ? PaneState::show : PaneState::hide);
}

extern "C" int32_t controlEnabledGetter(ObjectHeader* object, int32_t)
{
    RectControlObject* control = rectControl(object);
    return control ? control->enabled : 0;
}

extern "C" void controlEnabledSetter(ObjectHeader* object, int32_t, int32_t enabled)
{
    RectControlObject* control = rectControl(object);
    if (!control)
        return;
    control->enabled = (enabled & 0xFF) != 0;
    if (Pane* pane = control->control.pane)
        pane->stateChanged(control->enabled ? PaneState::enable : PaneState::disable);
}

extern "C" void controlLockLeftSetter(ObjectHeader* control, int32_t, int32_t locked)
{
    storeLock(control, &RectControlObject::lockLeft, locked);
}

extern "C" void controlLockTopSetter(ObjectHeader* control, int32_t, int32_t locked)
{
    storeLock(control, &RectControlObject::lockTop, locked);
}

extern "C" void controlLockRightSetter(ObjectHeader* control, int32_t, int32_t locked)
{
    storeLock(control, &RectControlObject::lockRight, locked);
}

extern "C" void controlLockBottomSetter(ObjectHeader* control, int32_t, int32_t locked)
{
    storeLock(control, &RectControlObject::lockBottom, locked);
}

extern "C" int32_t controlMouseXGetter(ObjectHeader* control, int32_t)
{
    return cursorInControl(control).x;
}

extern "C" int32_t controlMouseYGetter(ObjectHeader* control, int32_t)
{
    return cursorInControl(control).y;
}

extern "C" ObjectHeader* controlWindowGetter(ObjectHeader* control, int32_t)
{
    return isControlObject(control) ? RuntimeLockObject(&asControl(control)->window->header) : nullptr;
}

extern "C" int32_t controlHandleGetter(ObjectHeader* control, int32_t)
{
    Pane* pane = paneOfControl(control);
    return pane ? static_cast<int32_t>(reinterpret_cast<intptr_t>(pane->handle())) : 0;
}

extern "C" void RuntimeControlRefresh(ObjectHeader* control)
{
    if (Pane* pane = paneOfControl(control))
        pane->invalidate();
}

extern "C" void RuntimeControlRefreshRect(ObjectHeader* control, int32_t x, int32_t y, int32_t width, int32_t height)
{
    if (Pane* pane = paneOfControl(control))
        pane->invalidateRect({x, y, x + width, y + height});
}

void controlSetUpClasses(ClassDescriptor* control, ClassDescriptor* rectControl)
{
    control->destructor = destroyControl;
    rectControl->constructor = initRectControl;
    classDeclareProperties(
        control,
        {
            {"Name", textGetter, textSetter, offsetof(ControlObject, name), propertyString},
            {"Index", integerGetter, accessor(integerFieldSetter), offsetof(ControlObject, index), propertyInteger},
            {"TabPanelIndex", integerGetter, accessor(integerFieldSetter), offsetof(ControlObject, tabPanelIndex),
             propertyInteger},
            {"HelpTag", textGetter, textSetter, offsetof(ControlObject, helpTag), propertyString},
            {"BalloonHelp", textGetter, textSetter, offsetof(ControlObject, balloonHelp), propertyString},
            {"DisabledBalloonHelp", textGetter, textSetter, offsetof(ControlObject, disabledBalloonHelp),
             propertyString},
            {"MouseCursor", accessor(objGetter), accessor(objSetter), offsetof(ControlObject, mouseCursor),
             propertyOfClass(builtinClass(BuiltinClassId::MouseCursor))},
            {"MouseX", accessor(controlMouseXGetter), nullptr, 0, propertyInteger},
            {"MouseY", accessor(controlMouseYGetter), nullptr, 0, propertyInteger},
            {"Window", accessor(controlWindowGetter), nullptr, 0,
             propertyOfClass(builtinClass(BuiltinClassId::Window))},
            {"MacControlHandle", accessor(controlHandleGetter), nullptr, 0, propertyInteger},
            {"Handle", accessor(controlHandleGetter), nullptr, 0, propertyInteger},
        });
    classDeclareProperties(
        rectControl,
        {
            {"Visible", accessor(controlVisibleGetter), accessor(ControlVisibleSetter), 0, propertyBoolean},
            {"Left", accessor(ctlPosGetter), accessor(ctlPosSetter), 0, propertyInteger},
            {"Top", accessor(ctlPosGetter), accessor(ctlPosSetter), 1, propertyInteger},
            {"Width", accessor(ctlPosGetter), accessor(ctlPosSetter), 2, propertyInteger},
            {"Height", accessor(ctlPosGetter), accessor(ctlPosSetter), 3, propertyInteger},
            {"Enabled", accessor(controlEnabledGetter), accessor(controlEnabledSetter), 0, propertyBoolean},
            {"AutoDeactivate", booleanGetter, accessor(booleanFieldSetter), offsetof(RectControlObject, autoDeactivate),
             propertyBoolean},
            {"LockLeft", booleanGetter, accessor(controlLockLeftSetter), offsetof(RectControlObject, lockLeft),
             propertyBoolean},
            {"LockTop", booleanGetter, accessor(controlLockTopSetter), offsetof(RectControlObject, lockTop),
             propertyBoolean},
            {"LockRight", booleanGetter, accessor(controlLockRightSetter), offsetof(RectControlObject, lockRight),
             propertyBoolean},
            {"LockBottom", booleanGetter, accessor(controlLockBottomSetter), offsetof(RectControlObject, lockBottom),
             propertyBoolean},
        });
}
