// Debugging routines over the live objects, and the object report.
#include "base/memorypool.h"
#include "runtime/objects/builtinclassset.h"
#include "runtime/objects/object.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

ObjectHeader* debugObject; // the one "Runtime" object; holds no count of its own

// The live object at `index` (0 = newest), passing over `excluded`.
ObjectHeader* liveObjectAt(ObjectHeader* excluded, int32_t index)
{
    if (index < 0)
        return nullptr;
    for (ObjectHeader* object = objectNewest(); object; object = object->older) {
        if (object == excluded)
            continue;
        if (index-- == 0)
            return object;
    }
    return nullptr;
}

void forgetDebugObject(ObjectHeader* object, ClassDescriptor*)
{
    if (object == debugObject)
        debugObject = nullptr;
}

[[maybe_unused]] const bool destructorRegistered =
    (builtinClassOnSetUp(BuiltinClassId::Runtime, [](ClassDescriptor* cls) { cls->destructor = forgetDebugObject; }),
     true);

} // namespace

extern "C" int32_t RuntimeDebugObjectCount(ObjectHeader* excluded)
{
    int32_t count = 0;
    for (ObjectHeader* object = objectNewest(); object; object = object->older)
        count += object != excluded;
    return count;
}

extern "C" int32_t RuntimeDebugObjectID(ObjectHeader* excluded, int32_t index)
{
    ObjectHeader* object = liveObjectAt(excluded, index);
    return object ? static_cast<int32_t>(reinterpret_cast<uintptr_t>(object) ^ 0x15C7A3) : 0;
}

extern "C" StringRecord* RuntimeDebugObjectClass(ObjectHeader* excluded, int32_t index)
{
    ObjectHeader* object = liveObjectAt(excluded, index);
    return object ? RuntimeLockString(objectClassName(object)) : nullptr;
}

extern "C" int32_t RuntimeDebugObjectRefs(ObjectHeader* excluded, int32_t index)
{
    ObjectHeader* object = liveObjectAt(excluded, index);
    return object ? object->count : 0;
}

extern "C" int32_t RuntimeDebugMemoryUsed()
{
    return static_cast<int32_t>(poolBytesInUse());
}

extern "C" ObjectHeader* RuntimeDebugInstance()
{
    if (debugObject)
        return RuntimeLockObject(debugObject);
    debugObject = objectInstantiate(builtinClass(BuiltinClassId::Runtime));
    return debugObject;
}

// Lines end with a lone carriage return, as the report has always been written.
extern "C" void debugDumpObjects(StringRecord* path)
{
    HANDLE file =
        CreateFileA(stringText(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    std::string report = std::to_string(poolBytesInUse()) + " used in heap1\r" +
                         std::to_string(RuntimeDebugObjectCount(nullptr)) + " objects\r";
    for (ObjectHeader* object = objectNewest(); object; object = object->older) {
        StringRecord* name = objectClassName(object);
        report += name ? stringText(name) : "<Unnamed object class>";
        report += '\r';
    }
    DWORD written = 0;
    WriteFile(file, report.data(), static_cast<DWORD>(report.size()), &written, nullptr);
    CloseHandle(file);
}
