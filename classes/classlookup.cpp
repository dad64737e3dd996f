// The lookups of the class registry: the handlers of a menu item, keyed hooks and the virtual
// and interface method tables.
#include "classes/classlookup.h"

#include "runtime/objects/classchain.h"
#include "runtime/strings/identifier.h"

MenuHandler* classNextMenuHandler(ObjectHeader* object, std::string_view itemName, MenuHandler* after)
{
    if (!object)
        return nullptr;
    MenuHandler* handler = after ? after->next : object->cls->menuHandlers;
    for (; handler; handler = handler->next) {
        if (identifierEquals(handler->itemName, itemName))
            return handler;
    }
    return nullptr;
}

extern "C" void* RuntimeFindHookCode(ObjectHeader* object, uint32_t key)
{
    for (ClassDescriptor* cls = object ? object->cls : nullptr; cls; cls = cls->superclass) {
        for (EventHandler* handler = cls->handlers; handler; handler = handler->next) {
            if (handler->key == key)
                return handler->code;
        }
    }
    return nullptr;
}

extern "C" void* FindVTableCode(ObjectHeader* object, int32_t index)
{
    ClassDescriptor* cls = object ? object->cls : nullptr;
    if (!cls || !cls->virtualTable || index < 0 || static_cast<uint32_t>(index) >= cls->virtualTableSize)
        return nullptr;
    return cls->virtualTable[index];
}

extern "C" void* FindInterfaceVTableCode(ObjectHeader* object, int32_t methodNumber, int32_t interfaceIndex)
{
    ClassDescriptor* interface = classAt(interfaceIndex);
    InterfaceEntry* entry = object ? classFindInterfaceEntry(object->cls, interface) : nullptr;
    bool inTable = entry && entry->methodTable && methodNumber > 0 && methodNumber < entry->tableLength;
    return inTable ? entry->methodTable[methodNumber] : nullptr;
}
