// The image's class descriptors built from its checked class table, in two passes.
#include "classes/classbuild.h"

#include "base/assertion.h"
#include "classes/namedclasses.h"
#include "runtime/objects/classchain.h"
#include "runtime/objects/object.h"

#include <windows.h>

#include <string>

namespace {

template <typename Record> Record* newRecord()
{
    return static_cast<Record*>(taggedAllocate(sizeof(Record)));
}

// An address of the image (checked) as the pointer it is.
template <typename Pointer> Pointer pointerAt(uint32_t address)
{
    return reinterpret_cast<Pointer>(static_cast<uintptr_t>(address));
}

ClassDescriptor* findReferenced(const ClassTableEntry& entry)
{
    ClassDescriptor* cls = classFindByName(entry.name);
    if (!cls)
        assertFailed(assertCategoryData, assertNotFound, "", 0);
    return cls;
}

void appendMethods(ClassDescriptor* cls, const std::vector<ClassTableMethod>& methods)
{
    MethodEntry** tail = &cls->methods;
    for (const ClassTableMethod& method : methods) {
        auto* entry = newRecord<MethodEntry>();
        *entry = {nullptr, stringFromView(method.name), pointerAt<void*>(method.code), nullptr, 0};
        *tail = entry;
        tail = &entry->next;
    }
}

void pushHandlers(ClassDescriptor* cls, const ClassTableEntry& entry)
{
    for (const ClassTableHandler& handler : entry.handlers)
        classAddEventHandler(cls, handler.name, pointerAt<void*>(handler.code), handler.key);
    for (const ClassTableMenuHandler& handler : entry.menuHandlers) {
        auto* record = newRecord<MenuHandler>();
        *record = {cls->menuHandlers, stringFromView(handler.itemName), pointerAt<void*>(handler.code)};
        cls->menuHandlers = record;
    }
}

ClassDescriptor* makeDefinition(const ClassTableEntry& entry)
{
    ClassDescriptor* cls = classCreate();
    cls->name = stringFromView(entry.name);
    cls->instanceSize = entry.instanceSize;
    cls->constructor = pointerAt<ClassHook>(entry.constructor);
    cls->destructor = pointerAt<ClassHook>(entry.destructor);
    cls->isInterface = entry.isInterface;
    appendMethods(cls, entry.methods);
    pushHandlers(cls, entry);
    if (entry.virtualTableSize > 0)
        cls->virtualTable = pointerAt<void**>(entry.virtualTable);
    cls->virtualTableSize = entry.virtualTableSize;
    return cls;
}

// An empty slot (a reference found nowhere) implements nothing.
void joinInterfaces(ClassDescriptor* cls, const std::vector<int32_t>& interfaces, ClassDescriptor** classes)
{
    InterfaceEntry** tail = &cls->interfaces;
    for (int32_t index : interfaces) {
        if (!classes[index])
            continue;
        auto* entry = newRecord<InterfaceEntry>();
        *entry = {nullptr, classes[index], nullptr, 0, 0};
        *tail = entry;
        tail = &entry->next;
    }
}

void reportSmallInstance(const ClassDescriptor* cls)
{
    const ClassDescriptor* super = cls->superclass;
    std::string text =
        std::string("!!! RuntimeInit -- Bad class object size\n") + "\tClass Name: " + stringText(cls->name) + "\n" +
        "\tClass Size: " + std::to_string(cls->instanceSize) + "\n" + "\tSuper Name: " + stringText(super->name) +
        "\n" + "\tSuper Size: " + std::to_string(super->instanceSize) + "\n";
    OutputDebugStringA(text.c_str());
}

// An instance smaller than its superclass's would let the superclass's code write past the
// end of it: after the diagnostic, the class takes its superclass's size.
void settleSize(ClassDescriptor* cls)
{
    ClassDescriptor* super = cls->superclass;
    if (!super || cls->instanceSize >= super->instanceSize)
        return;
    reportSmallInstance(cls);
    cls->instanceSize = super->instanceSize;
}

// Superclasses first, so that each is compared with its superclass's settled size.
void settleSizes(const std::vector<ClassTableEntry>& entries, ClassDescriptor** classes)
{
    std::vector<bool> settled(entries.size(), false);
    std::vector<size_t> chain;
    for (size_t start = 0; start < entries.size(); ++start) {
        chain.clear();
        for (int32_t at = int32_t(start); at >= 0 && !entries[at].isReference && !settled[at];
             at = entries[at].superclass) {
            chain.push_back(size_t(at));
            settled[at] = true;
        }
        for (auto index = chain.rbegin(); index != chain.rend(); ++index)
            settleSize(classes[*index]);
    }
}

} // namespace

ClassDescriptor** classBuildFromTable(const std::vector<ClassTableEntry>& entries)
{
    size_t count = entries.size();
    auto** classes = static_cast<ClassDescriptor**>(taggedAllocate(uint32_t(count * sizeof(ClassDescriptor*))));
    for (size_t i = 0; i < count; ++i)
        classes[i] = entries[i].isReference ? findReferenced(entries[i]) : makeDefinition(entries[i]);
    for (size_t i = 0; i < count; ++i) {
        const ClassTableEntry& entry = entries[i];
        if (entry.isReference)
            continue;
        if (entry.superclass >= 0)
            classes[i]->superclass = classes[entry.superclass];
        joinInterfaces(classes[i], entry.interfaces, classes);
    }
    settleSizes(entries, classes);
    classChainChanged();
    return classes;
}
