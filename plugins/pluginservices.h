// Runtime services under the names a plug-in resolves: strings and counted references.
#pragma once

#include "runtime/objects/object.h"
#include "runtime/strings/string.h"

#include <cstdint>

extern "C" {
// A new string (one reference) of `length` bytes, or up to the terminating zero when
// `length` is negative.
StringRecord* KOLABuildString(const char* text, int32_t length);
StringRecord* KOLALockString(StringRecord* text);
void KOLAUnlockString(StringRecord* text);
ObjectHeader* KOLALockObject(ObjectHeader* object);
void KOLAUnlockObject(ObjectHeader* object);
}
