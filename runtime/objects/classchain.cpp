// Walks up a class's superclass chain: descent, members by name, interface entries and the
// handler an event reaches, whose answers by name are remembered. Names compare by the
// identifier comparison.
#include "runtime/objects/classchain.h"

#include <cstring>

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

// The answers of the lookups by name, remembered by class and name in a small table. Any change
// to a class's handlers, declarations or superclass starts a new generation, and an answer of
// an older one is never used. Descriptors are never freed, so a class's address stays its own.
struct RememberedLookup {
    const ClassDescriptor* cls;
    uint32_t generation;
    uint32_t length;
    char name[24]; // longer names are not remembered
    FoundHandler found;
};

RememberedLookup remembered[256];
uint32_t generation = 1;

// Callers name events by literals, so the text's address picks the slot; its bytes decide.
RememberedLookup& slotFor(const ClassDescriptor* cls, std::string_view name)
{
    uintptr_t key = (reinterpret_cast<uintptr_t>(cls) >> 3) ^ (reinterpret_cast<uintptr_t>(name.data()) >> 1);
    return remembered[(key ^ (key >> 8) ^ name.size()) & 0xFF];
}

bool answers(const RememberedLookup& slot, const ClassDescriptor* cls, std::string_view name)
{
    return slot.cls == cls && slot.generation == generation && slot.length == name.size() &&
           memcmp(slot.name, name.data(), name.size()) == 0;
}

void remember(RememberedLookup& slot, const ClassDescriptor* cls, std::string_view name, FoundHandler found)
{
    if (name.size() > sizeof slot.name)
        return;
    slot = {cls, generation, static_cast<uint32_t>(name.size()), {}, found};
    memcpy(slot.name, name.data(), name.size());
}

} // namespace

void classChainChanged()
{
    ++generation;
}

bool classDescendsFrom(const ClassDescriptor* cls, const ClassDescriptor* ancestor)
{
    for (; cls && ancestor; cls = cls->superclass) {
        if (cls == ancestor)
            return true;
    }
    return false;
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
    RememberedLookup& slot = slotFor(object->cls, eventName);
    if (answers(slot, object->cls, eventName))
        return slot.found;
    FoundHandler found = walkToDeclaration(object, eventName, nullptr);
    remember(slot, object->cls, eventName, found);
    return found;
}
