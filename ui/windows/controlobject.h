// The Control and RectControl language objects: the values behind the common properties.
#pragma once

#include "runtime/objects/object.h"
#include "ui/windows/panerect.h"

#include <cstdint>

class Pane;
struct WindowObject;

// Index of a control that is not an element of a control array.
constexpr int32_t notInControlArray = INT32_MIN;

struct ControlObject {
    ObjectHeader header;
    Pane* pane; // null while the window is not open
    StringRecord* name;
    int32_t index;
    int32_t tabPanelIndex;
    WindowObject* window; // not counted: the window holds its controls
    ObjectHeader* mouseCursor;
    StringRecord* balloonHelp;
    StringRecord* disabledBalloonHelp;
    StringRecord* helpTag;
    ObjectHeader* enclosingCanvas; // not counted; a Canvas created earlier around this control
    uint8_t fromTemplate;
};
static_assert(sizeof(ControlObject) <= 64, "the Control class is 64 bytes");

struct RectControlObject {
    ControlObject control;
    uint8_t visible;
    uint8_t enabled;
    uint8_t autoDeactivate;
    uint8_t lockLeft;
    uint8_t lockTop;
    uint8_t lockRight;
    uint8_t lockBottom;
    PaneRect bounds; // window-client coordinates
};
static_assert(sizeof(RectControlObject) <= 104, "the RectControl class is 104 bytes");

inline ControlObject* asControl(ObjectHeader* object)
{
    return reinterpret_cast<ControlObject*>(object);
}
inline RectControlObject* asRectControl(ObjectHeader* object)
{
    return reinterpret_cast<RectControlObject*>(object);
}

bool isControlObject(ObjectHeader* object);
bool isRectControlObject(ObjectHeader* object);
