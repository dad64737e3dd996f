// Property accessors that read or write one field of an object, addressed by its byte offset.
#include "runtime/objects/objectfields.h"

namespace {
template <typename T> T*& fieldAt(ObjectHeader* object, int32_t offset)
{
    return *reinterpret_cast<T**>(reinterpret_cast<char*>(object) + offset);
}
} // namespace

// The new value is retained before the old one is released, so storing the value a field
// already holds is safe even for a caller that holds no reference of its own.
extern "C" void objSetter(ObjectHeader* object, int32_t offset, ObjectHeader* value)
{
    if (!object)
        return;
    ObjectHeader*& field = fieldAt<ObjectHeader>(object, offset);
    ObjectHeader* old = field;
    field = RuntimeLockObject(value);
    RuntimeUnlockObject(old);
}

extern "C" ObjectHeader* objGetter(ObjectHeader* object, int32_t offset)
{
    return object ? RuntimeLockObject(fieldAt<ObjectHeader>(object, offset)) : nullptr;
}

extern "C" void stringSetter(ObjectHeader* object, int32_t offset, StringRecord* value)
{
    if (!object)
        return;
    StringRecord*& field = fieldAt<StringRecord>(object, offset);
    StringRecord* old = field;
    field = RuntimeLockString(value);
    RuntimeUnlockString(old);
}

extern "C" StringRecord* stringGetter(ObjectHeader* object, int32_t offset)
{
    return object ? RuntimeLockString(fieldAt<StringRecord>(object, offset)) : nullptr;
}

int32_t booleanFieldGetter(ObjectHeader* object, int32_t offset)
{
    return object && objectField<uint8_t>(object, offset) ? 1 : 0;
}

void booleanFieldSetter(ObjectHeader* object, int32_t offset, int32_t value)
{
    if (object)
        objectField<uint8_t>(object, offset) = (value & 0xFF) != 0;
}

int32_t integerFieldGetter(ObjectHeader* object, int32_t offset)
{
    return object ? objectField<int32_t>(object, offset) : 0;
}

void integerFieldSetter(ObjectHeader* object, int32_t offset, int32_t value)
{
    if (object)
        objectField<int32_t>(object, offset) = value;
}

int32_t shortFieldGetter(ObjectHeader* object, int32_t offset)
{
    return object ? objectField<int16_t>(object, offset) : 0;
}

void shortFieldSetter(ObjectHeader* object, int32_t offset, int32_t value)
{
    if (object)
        objectField<int16_t>(object, offset) = static_cast<int16_t>(value);
}
