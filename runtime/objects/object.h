// Runtime objects: the common header, instantiation, reference counts and destruction.
#pragma once

#include "runtime/objects/classdescriptor.h"
#include "runtime/objects/ownedref.h"

#include <cstdint>

// Every object starts with these four words; the fields of its classes follow. All words
// after the first two are zero when the object is handed out.
struct ObjectHeader {
    int32_t count; // a new object starts at 1
    ClassDescriptor* cls;
    ObjectHeader* newer; // live-object list: created after this one (Nil for the newest)
    ObjectHeader* older; // created before this one; links the destruction queue instead
};
static_assert(sizeof(ObjectHeader) == 16);

// Creates an instance (count 1), runs the constructors from the root class down and enters
// it in the live-object list. Memory failure takes the out-of-memory exit.
ObjectHeader* objectInstantiate(ClassDescriptor* cls);
// The most recently created live object.
ObjectHeader* objectNewest();
// Whether the object's class chain contains `target` (a class), or implements it (an interface).
bool objectIsa(ObjectHeader* object, ClassDescriptor* target);
// The name of the first class up the chain that has one; Nil if none has.
StringRecord* objectClassName(ObjectHeader* object);

extern "C" {
ObjectHeader* RuntimeNewObject(int32_t classIndex);
ObjectHeader* RuntimeLockObject(ObjectHeader* object);
void RuntimeUnlockObject(ObjectHeader* object);
bool RuntimeObjectIsa(ObjectHeader* object, int32_t classIndex);
}

// Owns one reference for the runtime's own C++ code.
using ObjectRef = OwnedRef<ObjectHeader, RuntimeUnlockObject>;

// Internal records with an 8-byte prefix: payload size and the tag 0xDEADBEEF while live.
void* taggedAllocate(uint32_t size);
void taggedFree(void* payload);
