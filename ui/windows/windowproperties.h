// The Window class: its properties, their accessors and the object's destruction.
#pragma once

#include "runtime/objects/object.h"

#include <cstdint>

// Declares the properties of Window and gives it its destructor.
void windowSetUpClass(ClassDescriptor* window);

extern "C" {
int32_t windowPosGetter(ObjectHeader* window, int32_t selector);
void windowPosSetter(ObjectHeader* window, int32_t selector, int32_t value);
int32_t windowPlacementGetter(ObjectHeader* window, int32_t parameter);
void windowPlacementSetter(ObjectHeader* window, int32_t parameter, int32_t placement);
StringRecord* windowTitleGetter(ObjectHeader* window, int32_t parameter);
void windowTitleSetter(ObjectHeader* window, int32_t parameter, StringRecord* title);
int32_t windowFullScreenGetter(ObjectHeader* window, int32_t parameter);
void windowFullScreenSetter(ObjectHeader* window, int32_t parameter, int32_t fullScreen);
int32_t windowMenusVisibleGetter(ObjectHeader* window, int32_t parameter);
void windowMenusVisibleSetter(ObjectHeader* window, int32_t parameter, int32_t visible);
int32_t windowCloseBoxGetter(ObjectHeader* window, int32_t parameter);
void windowCloseBoxSetter(ObjectHeader* window, int32_t parameter, int32_t value);
int32_t windowGrowIconGetter(ObjectHeader* window, int32_t parameter);
void windowGrowIconSetter(ObjectHeader* window, int32_t parameter, int32_t value);
int32_t windowZoomIconGetter(ObjectHeader* window, int32_t parameter);
void windowZoomIconSetter(ObjectHeader* window, int32_t parameter, int32_t value);
int32_t windowFrameGetter(ObjectHeader* window, int32_t parameter);
void windowFrameSetter(ObjectHeader* window, int32_t parameter, int32_t frame);
ObjectHeader* windowBackdropGetter(ObjectHeader* window, int32_t parameter);
void windowBackdropSetter(ObjectHeader* window, int32_t parameter, ObjectHeader* picture);
int32_t windowHasBackColorGetter(ObjectHeader* window, int32_t parameter);
void windowHasBackColorSetter(ObjectHeader* window, int32_t parameter, int32_t value);
int32_t windowBackColorGetter(ObjectHeader* window, int32_t parameter);
void windowBackColorSetter(ObjectHeader* window, int32_t parameter, int32_t color);
void windowBalloonHelpSetter(ObjectHeader* window, int32_t parameter, StringRecord* text);
void formMouseCursorSetter(ObjectHeader* window, int32_t parameter, ObjectHeader* cursor);
int32_t windowControlCountGetter(ObjectHeader* window, int32_t parameter);
int32_t windowMouseXGetter(ObjectHeader* window, int32_t parameter);
int32_t windowMouseYGetter(ObjectHeader* window, int32_t parameter);
int32_t windowWindowPtrGetter(ObjectHeader* window, int32_t parameter);
int32_t getterWinHWND(ObjectHeader* window, int32_t parameter);
void formRefresh(ObjectHeader* window);
void formRefreshRect(ObjectHeader* window, int32_t x, int32_t y, int32_t width, int32_t height);
}
