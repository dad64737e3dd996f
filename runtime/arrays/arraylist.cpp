// List operations on one-dimensional arrays: append, insert and remove, which move the bound.
#include "runtime/arrays/arrays.h"

namespace {

int32_t boundAfterGrowing(int32_t bound)
{
    return arrayBoundFrom(int64_t(bound) + 1);
}

template <class Value> void append(ArrayRecord* array, Value value)
{
    if (!arrayIsOneDimensional(array))
        return;
    ArrayVector& top = array->top;
    arrayPrepareVector<Value>(top);
    vectorGrowTo(top, int64_t(array->bounds[0]) + 2, INT32_MAX);
    array->bounds[0] = boundAfterGrowing(array->bounds[0]);
    arrayStore(top, array->bounds[0], value);
}

// The index may be anything from 0 to the bound; the element there and those above it move up.
template <class Value> void insert(ArrayRecord* array, int32_t index, Value value)
{
    if (!arrayDirectIndexFits(array, index))
        return;
    ArrayVector& top = array->top;
    arrayPrepareVector<Value>(top);
    array->bounds[0] = boundAfterGrowing(array->bounds[0]);
    vectorGrowTo(top, int64_t(index) + 1, INT32_MAX);
    vectorOpenGap(top, index);
    arrayStore(top, index, value);
}

// The removed element is released once the array is whole again.
template <class Value> void remove(ArrayRecord* array, int32_t index)
{
    if (!arrayDirectIndexFits(array, index))
        return;
    ArrayVector& top = array->top;
    Value removed = arrayPeek<Value>(top, index);
    if (index < top.length)
        vectorCloseGap(top, index);
    --array->bounds[0];
    ArrayElement<Value>::release(removed);
}

} // namespace

extern "C" {

void RuntimeIntArrayAppend(ArrayRecord* array, int32_t value)
{
    append(array, value);
}

void RuntimeSingleArrayAppend(ArrayRecord* array, float value)
{
    append(array, value);
}

void RuntimeDoubleArrayAppend(ArrayRecord* array, double value)
{
    append(array, value);
}

void RuntimeStringArrayAppend(ArrayRecord* array, StringRecord* value)
{
    append(array, value);
}

void RuntimeObjectArrayAppend(ArrayRecord* array, ObjectHeader* value)
{
    append(array, value);
}

void RuntimeIntArrayInsert(ArrayRecord* array, int32_t index, int32_t value)
{
    insert(array, index, value);
}

void RuntimeSingleArrayInsert(ArrayRecord* array, int32_t index, float value)
{
    insert(array, index, value);
}

void RuntimeDoubleArrayInsert(ArrayRecord* array, int32_t index, double value)
{
    insert(array, index, value);
}

void RuntimeStringArrayInsert(ArrayRecord* array, int32_t index, StringRecord* value)
{
    insert(array, index, value);
}

void RuntimeObjectArrayInsert(ArrayRecord* array, int32_t index, ObjectHeader* value)
{
    insert(array, index, value);
}

// The integer form serves single and double arrays: it moves whole elements of any size.
void RuntimeIntArrayRemove(ArrayRecord* array, int32_t index)
{
    remove<int32_t>(array, index);
}

void RuntimeStringArrayRemove(ArrayRecord* array, int32_t index)
{
    remove<StringRecord*>(array, index);
}

void RuntimeObjectArrayRemove(ArrayRecord* array, int32_t index)
{
    remove<ObjectHeader*>(array, index);
}

} // extern "C"
