// The properties and accessors every control shares (Control) and those of rectangular
// controls (RectControl).
#pragma once

#include "runtime/objects/object.h"

#include <cstdint>

// Declares the properties of Control and RectControl and gives Control its destructor.
void controlSetUpClasses(ClassDescriptor* control, ClassDescriptor* rectControl);

extern "C" {
int32_t ctlPosGetter(ObjectHeader* control, int32_t selector);
void ctlPosSetter(ObjectHeader* control, int32_t selector, int32_t value);
int32_t controlVisibleGetter(ObjectHeader* control, int32_t parameter);
void ControlVisibleSetter(ObjectHeader* control, int32_t parameter, int32_t visible);
int32_t controlEnabledGetter(ObjectHeader* control, int32_t parameter);
void controlEnabledSetter(ObjectHeader* control, int32_t parameter, int32_t enabled);
void controlLockLeftSetter(ObjectHeader* control, int32_t parameter, int32_t locked);
void controlLockTopSetter(ObjectHeader* control, int32_t parameter, int32_t locked);
void controlLockRightSetter(ObjectHeader* control, int32_t parameter, int32_t locked);
void controlLockBottomSetter(ObjectHeader* control, int32_t parameter, int32_t locked);
int32_t controlMouseXGetter(ObjectHeader* control, int32_t parameter);
int32_t controlMouseYGetter(ObjectHeader* control, int32_t parameter);
ObjectHeader* controlWindowGetter(ObjectHeader* control, int32_t parameter);
int32_t controlHandleGetter(ObjectHeader* control, int32_t parameter);
void RuntimeControlRefresh(ObjectHeader* control);
void RuntimeControlRefreshRect(ObjectHeader* control, int32_t x, int32_t y, int32_t width, int32_t height);
}
