// Class descriptors: the runtime record of one class, built-in, plug-in or from the image.
#include "runtime/objects/classdescriptor.h"

#include "base/assertion.h"
#include "runtime/objects/classchain.h"
#include "runtime/objects/object.h"
#include "runtime/strings/stringmap.h"

#include <cstring>

namespace {

ClassDescriptor* classList;   // newest first
ClassDescriptor** classTable; // the image's classes by index
int32_t classTableCount;

NameMap& builtinNames()
{
    static NameMap map;
    static bool ready = false;
    if (!ready) {
        nameMapInit(map);
        ready = true;
    }
    return map;
}

} // namespace

ClassDescriptor* classCreate()
{
    auto* cls = static_cast<ClassDescriptor*>(taggedAllocate(sizeof(ClassDescriptor)));
    memset(cls, 0, sizeof *cls);
    cls->headerWord = classHeaderWord;
    cls->instanceSize = plainObjectSize;
    cls->nextClass = classList;
    classList = cls;
    return cls;
}

ClassDescriptor* classCreateBuiltin(std::string_view name, ClassDescriptor* superclass, uint32_t instanceSize,
                                    const char* alternateName)
{
    ClassDescriptor* cls = classCreate();
    cls->name = stringFromView(name);
    if (alternateName)
        cls->alternateName = stringFromText(alternateName);
    cls->superclass = superclass;
    cls->instanceSize = instanceSize;
    cls->staticTables = 1;
    nameMapPut(builtinNames(), cls->name, cls);
    return cls;
}

ClassDescriptor* classFindBuiltin(StringRecord* name)
{
    NameMapEntry* entry = nameMapFind(builtinNames(), name);
    return entry ? static_cast<ClassDescriptor*>(entry->value) : nullptr;
}

ClassDescriptor* classFindBuiltinText(std::string_view name)
{
    StringRef key(stringFromView(name));
    return classFindBuiltin(key.get());
}

ClassDescriptor* classListHead()
{
    return classList;
}

void classAddEventHandler(ClassDescriptor* cls, std::string_view eventName, void* code, uint32_t key)
{
    auto* handler = static_cast<EventHandler*>(taggedAllocate(sizeof(EventHandler)));
    *handler = {cls->handlers, stringFromView(eventName), code, key};
    cls->handlers = handler;
    classChainChanged();
}

void classSetTable(ClassDescriptor** classes, int32_t count)
{
    classTable = classes;
    classTableCount = count;
}

ClassDescriptor* classAt(int32_t index)
{
    return index >= 0 && index < classTableCount ? classTable[index] : nullptr;
}

int32_t classCount()
{
    return classTableCount;
}
