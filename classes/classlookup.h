// The lookups of the class registry: the handlers of a menu item, keyed hooks and the virtual
// and interface method tables.
#pragma once

#include "runtime/objects/object.h"

#include <cstdint>
#include <string_view>

// The object's own class's menu handlers for the item, in list order: the first after
// `after` (null: from the start), compared without regard to case. Superclasses are not asked.
MenuHandler* classNextMenuHandler(ObjectHeader* object, std::string_view itemName, MenuHandler* after);

extern "C" {
// The code of the first handler up the object's chain whose key equals `key`; 0 if none.
void* RuntimeFindHookCode(ObjectHeader* object, uint32_t key);
// Entry `index` of the virtual table of the object's class; 0 outside it.
void* FindVTableCode(ObjectHeader* object, int32_t index);
// Method `methodNumber` (from 1) of the table the object's chain keeps for the interface at
// `interfaceIndex` of the class table; 0 if the chain does not implement it.
void* FindInterfaceVTableCode(ObjectHeader* object, int32_t methodNumber, int32_t interfaceIndex);
}
