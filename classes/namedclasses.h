// Classes the image can name: the built-in ones and those that plug-ins register, and the
// global methods of plug-ins.
#pragma once

#include "runtime/objects/classdescriptor.h"

#include <string_view>

// Filled by the plug-ins as they register; looked up without regard to case.
void pluginClassAdd(ClassDescriptor* cls);
void pluginControlAdd(ClassDescriptor* cls);
void pluginGlobalMethodAdd(const char* name, void* code, void* secondEntry);

ClassDescriptor* pluginClassFind(std::string_view name);
ClassDescriptor* pluginControlFind(std::string_view name);
// The global method's code (`second` false) or second entry; null when no plug-in has it.
void* pluginGlobalMethodFind(std::string_view name, bool second);

// A built-in class by name, else a plug-in class, else a plug-in control; null if none.
ClassDescriptor* classFindByName(std::string_view name);
