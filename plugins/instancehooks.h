// The plug-in's routines that make and destroy the instances of its classes.
#pragma once

#include "runtime/objects/classdescriptor.h"

typedef void (*PluginInstanceRoutine)(void* instance);

// Each runs for that class only: the superclasses' run before, the image's subclasses' after.
void pluginInstanceHooksSet(ClassDescriptor* cls, PluginInstanceRoutine constructor, PluginInstanceRoutine destructor);
