// The class registry: the image's classes built from its class table and joined to the
// runtime's built-in and plug-in classes.
#pragma once

#include "runtime/objects/classdescriptor.h"

#include <cstdint>
#include <string>

// Binds the deferred member imports, builds the image's classes from the class table (data
// word 4), binds the interfaces that plug-in classes name, finalises the interface tables and
// sets the class table for the class indexes.
// False, with the message to show, for a damaged table or a member that cannot be bound;
// nothing of the table is built then.
bool registryBuildClasses(const uint32_t* classTable, std::string& error);

// The class of the application object: the last class of the table whose superclass chain
// holds the built-in Application class, or Application itself when none does.
ClassDescriptor* registryApplicationClass();
