// The plug-in's routines that make and destroy the instances of its classes.
#include "plugins/instancehooks.h"

#include <vector>

namespace {

struct InstanceHooks {
    ClassDescriptor* cls;
    InstanceRoutine constructor;
    InstanceRoutine destructor;
};

std::vector<InstanceHooks> hooks;

const InstanceHooks* hooksOf(const ClassDescriptor* cls)
{
    for (const InstanceHooks& entry : hooks) {
        if (entry.cls == cls)
            return &entry;
    }
    return nullptr;
}

void construct(ObjectHeader* object, ClassDescriptor* cls)
{
    const InstanceHooks* entry = hooksOf(cls);
    if (entry && entry->constructor)
        entry->constructor(object);
}

void destroy(ObjectHeader* object, ClassDescriptor* cls)
{
    const InstanceHooks* entry = hooksOf(cls);
    if (entry && entry->destructor)
        entry->destructor(object);
}

} // namespace

void pluginInstanceHooksSet(ClassDescriptor* cls, InstanceRoutine constructor, InstanceRoutine destructor)
{
    hooks.push_back({cls, constructor, destructor});
    cls->constructor = construct;
    cls->destructor = destroy;
}
