// The image's class descriptors built from its checked class table, in two passes.
#pragma once

#include "image/classtable.h"
#include "runtime/objects/classdescriptor.h"

#include <vector>

// First pass: a reference is looked up by name (failed assertion 2 when no class has it, and
// its slot stays empty); a definition becomes a new descriptor with its methods in entry
// order and its handlers newest first. Second pass: superclasses and interfaces are joined
// and instance sizes checked. Returns the class array, which lives as long as the process.
ClassDescriptor** classBuildFromTable(const std::vector<ClassTableEntry>& classes);
