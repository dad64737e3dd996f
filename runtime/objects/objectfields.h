// Property accessors that read or write one field of an object, addressed by its byte offset.
#pragma once

#include "runtime/objects/object.h"

#include <cstdint>

template <typename Field> Field& objectField(ObjectHeader* object, int32_t offset)
{
    return *reinterpret_cast<Field*>(reinterpret_cast<uint8_t*>(object) + offset);
}

// Booleans are bytes that read back as 0 or 1; Integers and colours are 32-bit; the size
// limits of windows are 16-bit.
int32_t booleanFieldGetter(ObjectHeader* object, int32_t offset);
void booleanFieldSetter(ObjectHeader* object, int32_t offset, int32_t value);
int32_t integerFieldGetter(ObjectHeader* object, int32_t offset);
void integerFieldSetter(ObjectHeader* object, int32_t offset, int32_t value);
int32_t shortFieldGetter(ObjectHeader* object, int32_t offset);
void shortFieldSetter(ObjectHeader* object, int32_t offset, int32_t value);

// Strings and objects are counted references: the getter gives a locked one.
extern "C" {
StringRecord* stringGetter(ObjectHeader* object, int32_t offset);
void stringSetter(ObjectHeader* object, int32_t offset, StringRecord* value);
ObjectHeader* objGetter(ObjectHeader* object, int32_t offset);
void objSetter(ObjectHeader* object, int32_t offset, ObjectHeader* value);
}
