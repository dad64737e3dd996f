// The lookups of the class registry: the handler of an event, the handlers of a menu item,
// keyed hooks and the virtual and interface method tables.
#pragma once

#include "runtime/objects/object.h"

#include <cstdint>
#include <string_view>

struct FoundHandler {
    void* code;         // null when no handler runs for the event
    bool inOwnClass;    // the handler sits in the object's own class
};

// Walks the object's class chain up to the class that declares `event`. The handler nearest
// to the declaring class wins, and a class between them that declares another event of the
// same name hides the handlers below it. No declaration in the chain: no handler.
FoundHandler classFindEventHandler(ObjectHeader* object, const EventDeclaration* event);
// The same for the event of that name nearest up the object's chain.
FoundHandler classFindEventHandlerNamed(ObjectHeader* object, std::string_view eventName);

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
