// Helpers for the array tests: arrays of a given shape, the element kinds with their routines
// and sample values, and contents read back as sample numbers.
#pragma once

#include "runtime/arrays/arrays.h"

#include <cstdint>
#include <string>
#include <vector>

// A one-dimensional array with the given bound.
ArrayRecord* arrayWithBound(int32_t bound);
// An array with one dimension per bound.
ArrayRecord* arrayWithBounds(std::initializer_list<int32_t> bounds);

// Runs the routine from a frame laid out as compiled code with a catch entry for
// OutOfBoundsException; true when it raised one, false when it returned.
bool raisesOutOfBounds(void (*routine)(void* context), void* context);

// The dimensions, the bounds and every vector with its elements (not the access in
// progress), to show that a refused call changed nothing.
std::string arraySnapshot(const ArrayRecord* array);

// Each element kind: its routines (the integer forms where the kind has none of its own),
// four distinct sample values, and how sample values are recognised when read back.
template <class Value> struct ArrayKind;

template <> struct ArrayKind<int32_t> {
    static constexpr auto directRead = RuntimeDirectReadIntArray;
    static constexpr auto directWrite = RuntimeDirectWriteIntArray;
    static constexpr auto read = RuntimeReadIntArray;
    static constexpr auto write = RuntimeWriteIntArray;
    static constexpr auto append = RuntimeIntArrayAppend;
    static constexpr auto insert = RuntimeIntArrayInsert;
    static constexpr auto remove = RuntimeIntArrayRemove;
    static constexpr auto sort = RuntimeIntArraySort;
    static constexpr auto redim = RuntimeRedimIntArrayLevel;
    static constexpr auto dispose = RuntimeDisposeIntArray;
    static std::vector<int32_t> samples() { return {3, -1, 2, 7}; }
    static constexpr int sortedSamples[4] = {1, 2, 0, 3};
};

template <> struct ArrayKind<float> {
    static constexpr auto directRead = RuntimeDirectReadSingleArray;
    static constexpr auto directWrite = RuntimeDirectWriteSingleArray;
    static constexpr auto read = RuntimeReadSingleArray;
    static constexpr auto write = RuntimeWriteSingleArray;
    static constexpr auto append = RuntimeSingleArrayAppend;
    static constexpr auto insert = RuntimeSingleArrayInsert;
    static constexpr auto remove = RuntimeIntArrayRemove;
    static constexpr auto sort = RuntimeSingleArraySort;
    static constexpr auto redim = RuntimeRedimIntArrayLevel;
    static constexpr auto dispose = RuntimeDisposeIntArray;
    static std::vector<float> samples() { return {1.5f, -2.25f, 0.5f, 8e30f}; }
    static constexpr int sortedSamples[4] = {1, 2, 0, 3};
};

template <> struct ArrayKind<double> {
    static constexpr auto directRead = RuntimeDirectReadDoubleArray;
    static constexpr auto directWrite = RuntimeDirectWriteDoubleArray;
    static constexpr auto read = RuntimeReadDoubleArray;
    static constexpr auto write = RuntimeWriteDoubleArray;
    static constexpr auto append = RuntimeDoubleArrayAppend;
    static constexpr auto insert = RuntimeDoubleArrayInsert;
    static constexpr auto remove = RuntimeIntArrayRemove;
    static constexpr auto sort = RuntimeDoubleArraySort;
    static constexpr auto redim = RuntimeRedimIntArrayLevel;
    static constexpr auto dispose = RuntimeDisposeIntArray;
    static std::vector<double> samples() { return {1e300, -2.5, 0.125, 3.0000000001}; }
    static constexpr int sortedSamples[4] = {1, 2, 3, 0};
};

template <> struct ArrayKind<StringRecord*> {
    static constexpr auto directRead = RuntimeDirectReadStringArray;
    static constexpr auto directWrite = RuntimeDirectWriteStringArray;
    static constexpr auto read = RuntimeReadStringArray;
    static constexpr auto write = RuntimeWriteStringArray;
    static constexpr auto append = RuntimeStringArrayAppend;
    static constexpr auto insert = RuntimeStringArrayInsert;
    static constexpr auto remove = RuntimeStringArrayRemove;
    static constexpr auto sort = RuntimeStringArraySort;
    static constexpr auto redim = RuntimeRedimStringArrayLevel;
    static constexpr auto dispose = RuntimeDisposeStringArray;
    // Records the tests keep for the whole run; the arrays' counts come on top of that one.
    static std::vector<StringRecord*> samples();
    // Locale collation puts lower case before upper case of the same letter.
    static constexpr int sortedSamples[4] = {2, 1, 0, 3};
    static int32_t count(StringRecord* s) { return s->count; }
    static void release(StringRecord* s) { RuntimeUnlockString(s); }
};

template <> struct ArrayKind<ObjectHeader*> {
    static constexpr auto directRead = RuntimeDirectReadObjectArray;
    static constexpr auto directWrite = RuntimeDirectWriteObjectArray;
    static constexpr auto read = RuntimeReadObjectArray;
    static constexpr auto write = RuntimeWriteObjectArray;
    static constexpr auto append = RuntimeObjectArrayAppend;
    static constexpr auto insert = RuntimeObjectArrayInsert;
    static constexpr auto remove = RuntimeObjectArrayRemove;
    static constexpr auto redim = RuntimeRedimObjectArrayLevel;
    static constexpr auto dispose = RuntimeDisposeObjectArray;
    static std::vector<ObjectHeader*> samples();
    static int32_t count(ObjectHeader* o) { return o->count; }
    static void release(ObjectHeader* o) { RuntimeUnlockObject(o); }
};

// The number of the sample a value is, -1 for zero or Nil, -2 for anything else.
template <class Value> int sampleNumber(Value value)
{
    if (value == Value{})
        return -1;
    std::vector<Value> samples = ArrayKind<Value>::samples();
    for (size_t i = 0; i < samples.size(); ++i) {
        if (samples[i] == value)
            return int(i);
    }
    return -2;
}

// Strings and objects read are new references; the tests let them go at once.
template <class Value> void releaseRead(Value value)
{
    if constexpr (requires { ArrayKind<Value>::release(value); })
        ArrayKind<Value>::release(value);
}

// Elements 0 to the bound of a one-dimensional array, as sample numbers.
template <class Value> std::vector<int> arrayContents(ArrayRecord* array)
{
    std::vector<int> numbers;
    for (int32_t i = 0; i <= RuntimeUBound(array); ++i) {
        Value value = ArrayKind<Value>::directRead(array, i);
        numbers.push_back(sampleNumber(value));
        releaseRead(value);
    }
    return numbers;
}
