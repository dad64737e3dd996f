// Fast boolean arrays: one byte per element after the element count, in one heap block.
#include "runtime/arrays/arrays.h"

#include <algorithm>

namespace {

constexpr uint32_t countBytes = 4;

// The block may be longer than the elements need; every byte past them is zero.
int32_t elementCount(const FastBooleanArray* array)
{
    int32_t count;
    memcpy(&count, array->block, countBytes);
    return count;
}

void setElementCount(FastBooleanArray* array, int32_t count)
{
    memcpy(array->block, &count, countBytes);
}

int8_t* elements(FastBooleanArray* array)
{
    return reinterpret_cast<int8_t*>(array->block + countBytes);
}

bool present(const FastBooleanArray* array)
{
    return array || arrayRefuseNil();
}

// Elements are read, written and removed at 0 to count - 1, inserted at 0 to count; any
// other index raises OutOfBoundsException.
bool indexWithin(int32_t index, int32_t last)
{
    return (index >= 0 && index <= last) || arrayRefuseIndex();
}

bool elementIndexFits(const FastBooleanArray* array, int32_t index)
{
    return present(array) && indexWithin(index, elementCount(array) - 1);
}

bool insertIndexFits(const FastBooleanArray* array, int32_t index)
{
    return present(array) && indexWithin(index, elementCount(array));
}

// Room for one more element; the block at least doubles, so a run of appends stays cheap.
void makeRoomForOneMore(FastBooleanArray* array)
{
    uint64_t needed = countBytes + uint64_t(elementCount(array)) + 1;
    if (needed > array->size)
        storageResize(array, std::max<uint64_t>(needed, 2 * uint64_t(array->size)));
}

} // namespace

extern "C" {

FastBooleanArray* RuntimeCreateFastBooleanArray(int32_t bound)
{
    int64_t count = int64_t(arrayBoundFrom(bound)) + 1;
    FastBooleanArray* array = storageCreate(countBytes + uint64_t(count));
    setElementCount(array, int32_t(count));
    return array;
}

int32_t RuntimeFastArrayUBound(FastBooleanArray* array)
{
    return present(array) ? elementCount(array) - 1 : -1;
}

int32_t RuntimeFastReadBoolArray(FastBooleanArray* array, int32_t index)
{
    if (!elementIndexFits(array, index))
        return 0;
    return elements(array)[index];
}

void RuntimeFastWriteBoolArray(FastBooleanArray* array, int32_t index, int32_t value)
{
    if (elementIndexFits(array, index))
        elements(array)[index] = static_cast<int8_t>(value);
}

// The block is cut or lengthened to the new count exactly; lengthening adds zero bytes.
void RuntimeRedimFastBoolArray(FastBooleanArray* array, int32_t bound)
{
    if (!present(array))
        return;
    int64_t count = int64_t(arrayBoundFrom(bound)) + 1;
    storageResize(array, countBytes + uint64_t(count));
    setElementCount(array, int32_t(count));
}

void RuntimeFastBooleanArrayAppend(FastBooleanArray* array, int32_t value)
{
    if (!present(array))
        return;
    makeRoomForOneMore(array);
    int32_t count = elementCount(array);
    elements(array)[count] = static_cast<int8_t>(value);
    setElementCount(array, count + 1);
}

void RuntimeFastBooleanArrayInsert(FastBooleanArray* array, int32_t index, int32_t value)
{
    if (!insertIndexFits(array, index))
        return;
    makeRoomForOneMore(array);
    int32_t count = elementCount(array);
    memmove(elements(array) + index + 1, elements(array) + index, size_t(count - index));
    elements(array)[index] = static_cast<int8_t>(value);
    setElementCount(array, count + 1);
}

void RuntimeFastBooleanArrayRemove(FastBooleanArray* array, int32_t index)
{
    if (!elementIndexFits(array, index))
        return;
    int32_t count = elementCount(array) - 1;
    memmove(elements(array) + index, elements(array) + index + 1, size_t(count - index));
    elements(array)[count] = 0;
    setElementCount(array, count);
}

void RuntimeDisposeFastBooleanArray(FastBooleanArray* array)
{
    storageFree(array);
}

} // extern "C"
