// The lookups of the class registry: the handler of an event, the handlers of a menu item,
// keyed hooks and the virtual and interface method tables.
#include "host/classes/classlookup.h"

#include "runtime/objects/builtinclassset.h"

namespace {

std::string_view nameOf(const StringRecord* s)
{
    return {stringText(s), static_cast<size_t>(stringLength(s))};
}

EventHandler* handlerNamed(ClassDescriptor* cls, std::string_view name)
{
    for (EventHandler* handler = cls->handlers; handler; handler = handler->next) {
        if (identifierEquals(handler->name, name))
            return handler;
    }
    return nullptr;
}

// Whether the walk ends at `cls` (it declares the event); `hidden` when it declares another
// event of the same name.
bool declares(ClassDescriptor* cls, const EventDeclaration* event, std::string_view name, bool& hidden)
{
    hidden = false;
    for (EventDeclaration* declaration = cls->events; declaration; declaration = declaration->next) {
        if (declaration == event)
            return true;
        if (identifierEquals(declaration->name, name))
            hidden = true;
    }
    return false;
}

} // namespace

FoundHandler classFindEventHandler(ObjectHeader* object, const EventDeclaration* event)
{
    FoundHandler found = {nullptr, false};
    if (!object || !event)
        return found;
    std::string_view name = nameOf(event->name);
    for (ClassDescriptor* cls = object->cls; cls; cls = cls->superclass) {
        bool hidden;
        if (declares(cls, event, name, hidden))
            return found;
        if (hidden)
            found = {nullptr, false};
        if (EventHandler* handler = handlerNamed(cls, name))
            found = {handler->code, cls == object->cls};
    }
    return {nullptr, false};
}

FoundHandler classFindEventHandlerNamed(ObjectHeader* object, std::string_view eventName)
{
    if (!object)
        return {nullptr, false};
    return classFindEventHandler(object, classFindEventDeclaration(object->cls, eventName));
}

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
    if (!object || !interface)
        return nullptr;
    for (ClassDescriptor* cls = object->cls; cls; cls = cls->superclass) {
        for (InterfaceEntry* entry = cls->interfaces; entry; entry = entry->next) {
            if (entry->interface != interface)
                continue;
            bool inTable = entry->methodTable && methodNumber > 0 && methodNumber < entry->tableLength;
            return inTable ? entry->methodTable[methodNumber] : nullptr;
        }
    }
    return nullptr;
}
