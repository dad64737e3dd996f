// The plug-in's routines that make and destroy the instances of its classes.
#pragma once

#include "plugins/controldescriptor.h"
#include "runtime/objects/classdescriptor.h"

// Each runs for that class only: the superclasses' run before, the image's subclasses' after.
void pluginInstanceHooksSet(ClassDescriptor* cls, InstanceRoutine constructor, InstanceRoutine destructor);
