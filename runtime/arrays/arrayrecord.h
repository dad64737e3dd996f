// Array records: the dimensions and their bounds, the index checks, and the element kinds.
#pragma once

#include "runtime/arrays/arrayvector.h"
#include "runtime/objects/object.h"
#include "runtime/strings/string.h"

#include <cstdint>
#include <cstring>

constexpr int32_t arrayMostDimensions = 20;

// Owned by the variable that holds it, not counted. With one dimension the top vector holds
// the elements; with more, every vector above the last dimension holds pointers to
// sub-vectors (tagged blocks of one vector each, made on first write) and the vectors of the
// last dimension hold the elements.
struct ArrayRecord {
    ArrayVector top;
    int32_t dimensions;                  // declared so far
    int32_t bounds[arrayMostDimensions]; // indices of dimension d run from 0 to bounds[d]
    int32_t accessDepth;                 // indices taken by the access in progress
    ArrayVector* accessVector;           // the vector that access has reached, or Nil
};
static_assert(sizeof(ArrayRecord) == 108);

// Report a bad argument and return false, and the caller leaves the array as it was. When
// application code catches the OutOfBoundsException raised, control never comes back here:
// nothing may have been changed before the check.
bool arrayRefuseIndex();
bool arrayRefuseNil();

inline bool arrayPresent(const ArrayRecord* array)
{
    return array || arrayRefuseNil();
}

// Whether `index` lies within dimension `dimension` (0-based), raising OutOfBoundsException
// when it does not; an index for a dimension the array does not have never fits.
inline bool arrayIndexFits(const ArrayRecord& array, int32_t dimension, int32_t index)
{
    if (dimension < array.dimensions && index >= 0 && index <= array.bounds[dimension])
        return true;
    return arrayRefuseIndex();
}

// The one-dimensional operations: a present, one-dimensional array.
inline bool arrayIsOneDimensional(const ArrayRecord* array)
{
    return arrayPresent(array) && (array->dimensions == 1 || arrayRefuseIndex());
}

// One comparison covers both ends: bounds are never below -1, so bound + 1 is the count.
inline bool arrayDirectIndexFits(const ArrayRecord* array, int32_t index)
{
    if (array && array->dimensions == 1 && uint32_t(index) < uint32_t(array->bounds[0]) + 1) [[likely]]
        return true;
    return arrayIsOneDimensional(array) && arrayIndexFits(*array, 0, index);
}

// A bound below -1 (an empty dimension) is taken as -1.
int32_t arrayBoundFrom(int64_t bound);

// Element kinds: the value type, its size in a vector and how the array owns it.
template <class Value> struct ArrayElement {
    static constexpr int32_t size = sizeof(Value) == 8 ? arrayDoubleSize : arrayWordSize;
    static void retain(Value) {}
    static void release(Value) {}
};
template <> struct ArrayElement<StringRecord*> {
    static constexpr int32_t size = arrayWordSize;
    static void retain(StringRecord* s) { RuntimeLockString(s); }
    static void release(StringRecord* s) { RuntimeUnlockString(s); }
};
template <> struct ArrayElement<ObjectHeader*> {
    static constexpr int32_t size = arrayWordSize;
    static void retain(ObjectHeader* o) { RuntimeLockObject(o); }
    static void release(ObjectHeader* o) { RuntimeUnlockObject(o); }
};

// A vector about to be used for values of this kind: the first double operation widens its
// elements to 8 bytes; no kind narrows them again (the integer routines serve doubles too).
template <class Value> void arrayPrepareVector(ArrayVector& vector)
{
    if constexpr (ArrayElement<Value>::size == arrayDoubleSize) {
        if (vector.elementSize != arrayDoubleSize)
            vectorUseElementSize(vector, arrayDoubleSize);
    }
}

// The element at `index`, zero when it is not present; the array keeps its reference.
template <class Value> Value arrayPeek(const ArrayVector& vector, int32_t index)
{
    Value value{};
    if (index < vector.length)
        memcpy(&value, vectorSlot(vector, index), sizeof value);
    return value;
}

// A new reference to the element at `index` (strings and objects), zero when not present.
template <class Value> Value arrayLoad(const ArrayVector& vector, int32_t index)
{
    Value value = arrayPeek<Value>(vector, index);
    ArrayElement<Value>::retain(value);
    return value;
}

// Stores into a present element; the value is retained and the one replaced released last,
// when the array is already consistent again.
template <class Value> void arrayStore(ArrayVector& vector, int32_t index, Value value)
{
    ArrayElement<Value>::retain(value);
    Value replaced = arrayPeek<Value>(vector, index);
    memcpy(vectorSlot(vector, index), &value, sizeof value);
    ArrayElement<Value>::release(replaced);
}
