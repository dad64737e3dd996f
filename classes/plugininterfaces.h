// Interfaces that plug-in classes implement with routine tables of their own. Plug-ins register
// before the image's classes exist, so each interface is kept until they are built and is then
// bound to the interface class of its name.
#pragma once

#include "image/classtable.h"
#include "runtime/objects/classdescriptor.h"

#include <cstdint>
#include <string>
#include <vector>

// A table longer than this is taken for a damaged descriptor.
constexpr uint32_t pluginInterfaceMostRoutines = 256;

// Checks the interface the plug-in class `cls` names and keeps it to be bound: `routines` are
// its methods 1 to `count`. No name, no table and no count: the class names none. False, with
// the line to report, for a name that is no identifier, a missing or overlong table, or the
// name of a built-in or plug-in class that is no interface.
bool pluginInterfaceDeclare(ClassDescriptor* cls, const char* name, void* const* routines, uint32_t count,
                            std::string& problem);

// Before the image's classes are built: makes an interface class (no superclass, listed with the
// plug-in classes) for each name kept that neither the image defines nor a class has, so that
// the image can refer to it and every plug-in class naming it shares it.
void pluginInterfacesPrepare(const std::vector<ClassTableEntry>& entries);
// After: binds each interface kept to the image's class of its name, else to the class of that
// name known. An image class of that name that is no interface leaves the plug-in class without
// it, with a line on the debug output.
void pluginInterfacesBind(const std::vector<ClassTableEntry>& entries, ClassDescriptor** classes);
