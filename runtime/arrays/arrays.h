// Arrays: the routines compiled code calls to create, shape, read and write them.
#pragma once

#include "runtime/arrays/arrayrecord.h"

#include <cstdint>

// The fast boolean array: a storage handle whose block holds the element count (signed
// 32-bit) and then one byte per element, 0 for false.
using FastBooleanArray = ArrayStorage;

// Every index is checked against its dimension's bound; a bad one raises
// OutOfBoundsException and leaves the array as it was. A Nil array is an assertion failure,
// except for the disposal routines, which ignore it. Strings and objects read are new
// references; those written are retained by the array.
extern "C" {
ArrayRecord* RuntimeCreateArray();
ArrayRecord* RuntimeArrayCreateAddIndex(ArrayRecord* array, int32_t lower, int32_t upper);
int32_t RuntimeUBound(ArrayRecord* array);
void RuntimeRedimIntArrayLevel(ArrayRecord* array, int32_t level, int32_t bound);
void RuntimeRedimStringArrayLevel(ArrayRecord* array, int32_t level, int32_t bound);
void RuntimeRedimObjectArrayLevel(ArrayRecord* array, int32_t level, int32_t bound);
void RuntimeDisposeIntArray(ArrayRecord* array);
void RuntimeDisposeStringArray(ArrayRecord* array);
void RuntimeDisposeObjectArray(ArrayRecord* array);

int32_t RuntimeDirectReadIntArray(ArrayRecord* array, int32_t index);
float RuntimeDirectReadSingleArray(ArrayRecord* array, int32_t index);
double RuntimeDirectReadDoubleArray(ArrayRecord* array, int32_t index);
StringRecord* RuntimeDirectReadStringArray(ArrayRecord* array, int32_t index);
ObjectHeader* RuntimeDirectReadObjectArray(ArrayRecord* array, int32_t index);
void RuntimeDirectWriteIntArray(ArrayRecord* array, int32_t index, int32_t value);
void RuntimeDirectWriteSingleArray(ArrayRecord* array, int32_t index, float value);
void RuntimeDirectWriteDoubleArray(ArrayRecord* array, int32_t index, double value);
void RuntimeDirectWriteStringArray(ArrayRecord* array, int32_t index, StringRecord* value);
void RuntimeDirectWriteObjectArray(ArrayRecord* array, int32_t index, ObjectHeader* value);

void RuntimeArrayStartReadAccess(ArrayRecord* array, int32_t index);
void RuntimeArrayStartWriteAccess(ArrayRecord* array, int32_t index);
void RuntimeArrayAddReadIndex(ArrayRecord* array, int32_t index);
void RuntimeArrayAddWriteIndex(ArrayRecord* array, int32_t index);
int32_t RuntimeReadIntArray(ArrayRecord* array, int32_t index);
float RuntimeReadSingleArray(ArrayRecord* array, int32_t index);
double RuntimeReadDoubleArray(ArrayRecord* array, int32_t index);
StringRecord* RuntimeReadStringArray(ArrayRecord* array, int32_t index);
ObjectHeader* RuntimeReadObjectArray(ArrayRecord* array, int32_t index);
void RuntimeWriteIntArray(ArrayRecord* array, int32_t index, int32_t value);
void RuntimeWriteSingleArray(ArrayRecord* array, int32_t index, float value);
void RuntimeWriteDoubleArray(ArrayRecord* array, int32_t index, double value);
void RuntimeWriteStringArray(ArrayRecord* array, int32_t index, StringRecord* value);
void RuntimeWriteObjectArray(ArrayRecord* array, int32_t index, ObjectHeader* value);

void RuntimeIntArrayAppend(ArrayRecord* array, int32_t value);
void RuntimeSingleArrayAppend(ArrayRecord* array, float value);
void RuntimeDoubleArrayAppend(ArrayRecord* array, double value);
void RuntimeStringArrayAppend(ArrayRecord* array, StringRecord* value);
void RuntimeObjectArrayAppend(ArrayRecord* array, ObjectHeader* value);
void RuntimeIntArrayInsert(ArrayRecord* array, int32_t index, int32_t value);
void RuntimeSingleArrayInsert(ArrayRecord* array, int32_t index, float value);
void RuntimeDoubleArrayInsert(ArrayRecord* array, int32_t index, double value);
void RuntimeStringArrayInsert(ArrayRecord* array, int32_t index, StringRecord* value);
void RuntimeObjectArrayInsert(ArrayRecord* array, int32_t index, ObjectHeader* value);
void RuntimeIntArrayRemove(ArrayRecord* array, int32_t index);
void RuntimeStringArrayRemove(ArrayRecord* array, int32_t index);
void RuntimeObjectArrayRemove(ArrayRecord* array, int32_t index);
void RuntimeIntArraySort(ArrayRecord* array);
void RuntimeSingleArraySort(ArrayRecord* array);
void RuntimeDoubleArraySort(ArrayRecord* array);
void RuntimeStringArraySort(ArrayRecord* array);

FastBooleanArray* RuntimeCreateFastBooleanArray(int32_t bound);
int32_t RuntimeFastArrayUBound(FastBooleanArray* array);
int32_t RuntimeFastReadBoolArray(FastBooleanArray* array, int32_t index);
void RuntimeFastWriteBoolArray(FastBooleanArray* array, int32_t index, int32_t value);
void RuntimeRedimFastBoolArray(FastBooleanArray* array, int32_t bound);
void RuntimeFastBooleanArrayAppend(FastBooleanArray* array, int32_t value);
void RuntimeFastBooleanArrayInsert(FastBooleanArray* array, int32_t index, int32_t value);
void RuntimeFastBooleanArrayRemove(FastBooleanArray* array, int32_t index);
void RuntimeDisposeFastBooleanArray(FastBooleanArray* array);
}
