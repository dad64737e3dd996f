// Walks up a class's superclass chain: descent, methods by name, interface entries and the
// handler an event reaches. Names compare by the identifier comparison.
#include "runtime/objects/classchain.h"

#include "runtime/strings/identifier.h"

namespace {

EventHandler* handlerNamed(ClassDescriptor* cls, std::string_view name)
{
    for (EventHandler* handler = cls->handlers; handler; handler = handler->next) {
        if (identifierEquals(handler->name, name))
            return handler;
    }
    return nullptr;
}

// What a class's declarations do to the walk for the event `name`: the declaration sought
// (`event`, or with none given the first of that name) ends it; another of that name hides
// the handlers found below.
enum class Declares { nothing, theEvent, another };

Declares declarationsOf(const ClassDescriptor* cls, std::string_view name, const EventDeclaration* event)
{
    Declares found = Declares::nothing;
    for (const EventDeclaration* declaration = cls->events; declaration; declaration = declaration->next) {
        bool sameName = identifierEquals(declaration->name, name);
        if (declaration == event || (sameName && !event))
            return Declares::theEvent;
        if (sameName)
            found = Declares::another;
    }
    return found;
}

FoundHandler walkToDeclaration(ObjectHeader* object, std::string_view name, const EventDeclaration* event)
{
    FoundHandler found = {nullptr, false};
    for (ClassDescriptor* cls = object->cls; cls; cls = cls->superclass) {
        Declares declares = declarationsOf(cls, name, event);
        if (declares == Declares::theEvent)
            return found;
        if (declares == Declares::another)
            found = {nullptr, false};
        if (EventHandler* handler = handlerNamed(cls, name))
            found = {handler->code, cls == object->cls};
    }
    return {nullptr, false};
}

} // namespace

bool classDescendsFrom(const ClassDescriptor* cls, const ClassDescriptor* ancestor)
{
    for (; cls && ancestor; cls = cls->superclass) {
        if (cls == ancestor)
            return true;
    }
    return false;
}

MethodEntry* classFindMethod(ClassDescriptor* cls, std::string_view name)
{
    for (; cls; cls = cls->superclass) {
        for (MethodEntry* method = cls->methods; method; method = method->next) {
            if (identifierEquals(method->name, name))
                return method;
        }
    }
    return nullptr;
}

InterfaceEntry* classFindInterfaceEntry(ClassDescriptor* cls, const ClassDescriptor* interface)
{
    for (; cls && interface; cls = cls->superclass) {
        for (InterfaceEntry* entry = cls->interfaces; entry; entry = entry->next) {
            if (entry->interface == interface)
                return entry;
        }
    }
    return nullptr;
}

FoundHandler classFindEventHandler(ObjectHeader* object, const EventDeclaration* event)
{
    if (!object || !event)
        return {nullptr, false};
    return walkToDeclaration(object, identifierName(event->name), event);
}

FoundHandler classFindEventHandlerNamed(ObjectHeader* object, std::string_view eventName)
{
    if (!object)
        return {nullptr, false};
    return walkToDeclaration(object, eventName, nullptr);
}
