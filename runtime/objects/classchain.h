// Walks up a class's superclass chain: descent, members by name, interface entries and the
// handler an event reaches, whose answers by name are remembered. Names compare by the
// identifier comparison.
#pragma once

#include "runtime/objects/object.h"
#include "runtime/strings/identifier.h"

#include <string_view>

// Whether `ancestor` is `cls` itself or stands in its superclass chain; false for null.
bool classDescendsFrom(const ClassDescriptor* cls, const ClassDescriptor* ancestor);

// The first entry of that name in the list `list` (methods, properties...) of `cls`, then of
// its superclass and so on; null if none.
template <typename Entry>
Entry* classFindNamed(ClassDescriptor* cls, Entry* ClassDescriptor::*list, std::string_view name)
{
    for (; cls; cls = cls->superclass) {
        for (Entry* entry = cls->*list; entry; entry = entry->next) {
            if (identifierEquals(entry->name, name))
                return entry;
        }
    }
    return nullptr;
}

// The first method of that name from `cls` up, whether or not it has code.
inline MethodEntry* classFindMethod(ClassDescriptor* cls, std::string_view name)
{
    return classFindNamed(cls, &ClassDescriptor::methods, name);
}

// The entry of the nearest class from `cls` up that lists `interface`; null if none.
InterfaceEntry* classFindInterfaceEntry(ClassDescriptor* cls, const ClassDescriptor* interface);

struct FoundHandler {
    void* code;      // null when no handler runs for the event
    bool inOwnClass; // the handler sits in the object's own class
};

// Walks the object's class chain up to the class that declares `event`. The handler nearest
// to the declaring class wins (a handler in the declaring class itself is not asked), and a
// class between them that declares another event of the same name hides the handlers below
// it. No declaration in the chain: no handler.
FoundHandler classFindEventHandler(ObjectHeader* object, const EventDeclaration* event);
// The same for the event that the declaration of that name nearest up the chain declares. The
// answer is remembered for the object's class until a class changes (classChainChanged).
FoundHandler classFindEventHandlerNamed(ObjectHeader* object, std::string_view eventName);

// Forgets the remembered event lookups. Adding a handler (classAddEventHandler), declaring an
// event and building the image's classes call it; code that changes a class's handlers, event
// declarations or superclass in any other way must call it too.
void classChainChanged();
