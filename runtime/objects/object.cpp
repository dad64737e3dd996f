// Runtime objects: the common header, instantiation, reference counts and destruction.
#include "runtime/objects/object.h"

#include "base/assertion.h"
#include "base/memorypool.h"
#include "runtime/objects/classchain.h"

#include <cstring>

namespace {

ObjectHeader* newestObject;     // head of the live-object list
ObjectHeader* destructionQueue; // linked through `older`, most recently queued first
bool destroying;

constexpr uint32_t liveTag = 0xDEADBEEF;
constexpr uint32_t deadTag = 0xDEADDEAD;

int32_t objectBytes(const ClassDescriptor* cls)
{
    return static_cast<int32_t>((cls->instanceSize + 3) / 4 * 4);
}

void runConstructors(ObjectHeader* object, ClassDescriptor* cls)
{
    if (!cls)
        return;
    runConstructors(object, cls->superclass);
    if (cls->constructor)
        cls->constructor(object, cls);
}

void unlinkLive(ObjectHeader* object)
{
    if (object->newer)
        object->newer->older = object->older;
    else
        newestObject = object->older;
    if (object->older)
        object->older->newer = object->newer;
}

// Destructors of objects released by a destructor run after this object is gone, never
// inside it: the queue is drained by the outermost release only.
void drainDestructionQueue()
{
    destroying = true;
    while (ObjectHeader* object = destructionQueue) {
        destructionQueue = object->older;
        for (ClassDescriptor* cls = object->cls; cls; cls = cls->superclass) {
            if (cls->destructor)
                cls->destructor(object, cls);
        }
        poolFree(object, objectBytes(object->cls));
    }
    destroying = false;
}

} // namespace

ObjectHeader* objectInstantiate(ClassDescriptor* cls)
{
    int32_t bytes = objectBytes(cls);
    auto* object = static_cast<ObjectHeader*>(poolAllocate(bytes, false));
    memset(object, 0, bytes);
    object->count = 1;
    object->cls = cls;
    runConstructors(object, cls);
    object->older = newestObject;
    if (newestObject)
        newestObject->newer = object;
    newestObject = object;
    return object;
}

ObjectHeader* objectNewest()
{
    return newestObject;
}

bool objectIsa(ObjectHeader* object, ClassDescriptor* target)
{
    if (!object || !target)
        return false;
    if (target->isInterface)
        return classFindInterfaceEntry(object->cls, target) != nullptr;
    return classDescendsFrom(object->cls, target);
}

StringRecord* objectClassName(ObjectHeader* object)
{
    for (ClassDescriptor* cls = object ? object->cls : nullptr; cls; cls = cls->superclass) {
        if (cls->name)
            return cls->name;
    }
    return nullptr;
}

extern "C" ObjectHeader* RuntimeNewObject(int32_t classIndex)
{
    ClassDescriptor* cls = classAt(classIndex);
    if (!cls) {
        assertFailed(assertCategoryRuntime, assertInconsistent, "RuntimeMain", __LINE__);
        return nullptr;
    }
    return objectInstantiate(cls);
}

extern "C" ObjectHeader* RuntimeLockObject(ObjectHeader* object)
{
    if (!object)
        return object;
    if (object->count <= 0) {
        assertFailed(assertCategoryRuntime, assertInconsistent, "objects", __LINE__);
        return object;
    }
    ++object->count;
    return object;
}

extern "C" void RuntimeUnlockObject(ObjectHeader* object)
{
    if (!object)
        return;
    if (object->count <= 0) {
        assertFailed(assertCategoryRuntime, assertInconsistent, "objects", __LINE__);
        return;
    }
    if (--object->count > 0)
        return;
    unlinkLive(object);
    object->newer = nullptr;
    object->older = destructionQueue;
    destructionQueue = object;
    object->count = 1; // retains and releases inside destructors cannot end it twice
    if (!destroying)
        drainDestructionQueue();
}

extern "C" bool RuntimeObjectIsa(ObjectHeader* object, int32_t classIndex)
{
    return objectIsa(object, classAt(classIndex));
}

void* taggedAllocate(uint32_t size)
{
    auto* block = static_cast<uint32_t*>(poolAllocate(static_cast<int32_t>(size + 8), false));
    block[0] = size;
    block[1] = liveTag;
    return block + 2;
}

void taggedFree(void* payload)
{
    if (!payload)
        return;
    uint32_t* block = static_cast<uint32_t*>(payload) - 2;
    if (block[1] != liveTag) {
        assertFailed(assertCategoryRuntime, assertInconsistent, "dump", __LINE__);
        return;
    }
    block[1] = deadTag;
    poolFree(block, static_cast<int32_t>(block[0] + 8));
}
