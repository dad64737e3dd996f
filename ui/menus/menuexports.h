// The runtime exports of the menus.
#pragma once

#include "runtime/objects/object.h"

#include <cstdint>

extern "C" {
// The item of the bar with that name (not an array member), with a reference added; Nil if none.
ObjectHeader* RuntimeMenuReference(StringRecord* name);
ObjectHeader* RuntimeMenuArrayReference(StringRecord* name, int32_t index);
// A new member of the item's menu array after its last member, with a reference added.
ObjectHeader* RuntimeCloneMenu(ObjectHeader* item);
void RuntimeCloseMenuItem(ObjectHeader* item);
void RuntimeEnableMenu(ObjectHeader* item);
StringRecord* menuItemTextGetter(ObjectHeader* item);
void menuItemTextSetter(ObjectHeader* item, StringRecord* text);
void menuItemCommandKeySetter(ObjectHeader* item, StringRecord* definition);
// The pass runs by itself before menus open.
void enableMenuItems();
}
