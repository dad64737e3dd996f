// Multi-dimensional access: a start with the first index, one step for each further index
// but the last, then the read or write with the last.
#include "runtime/arrays/arrays.h"

namespace {

// The sub-vector at `index`, made (with the elements up to it present) when there is none.
ArrayVector* subVectorMadeAt(ArrayVector& vector, int32_t index, int32_t bound)
{
    vectorGrowTo(vector, int64_t(index) + 1, int64_t(bound) + 1);
    auto* sub = arrayPeek<ArrayVector*>(vector, index);
    if (!sub) {
        sub = static_cast<ArrayVector*>(taggedAllocate(sizeof(ArrayVector)));
        *sub = vectorEmpty();
        memcpy(vectorSlot(vector, index), &sub, sizeof sub);
    }
    return sub;
}

// Indices are checked whether or not the elements they lead to exist, and each must belong
// to the dimension it is given for: a step never takes the last index, the final read or
// write always does.
bool innerIndexFits(const ArrayRecord* array, int32_t dimension, int32_t index)
{
    if (dimension >= array->dimensions - 1)
        return arrayRefuseIndex();
    return arrayIndexFits(*array, dimension, index);
}

bool lastIndexFits(const ArrayRecord* array, int32_t index)
{
    int32_t dimension = array->accessDepth;
    if (dimension == 0 || dimension != array->dimensions - 1)
        return arrayRefuseIndex();
    return arrayIndexFits(*array, dimension, index);
}

// A read step reaches Nil where nothing was written, and makes nothing.
void stepRead(ArrayRecord* array, const ArrayVector* from, int32_t dimension, int32_t index)
{
    if (!innerIndexFits(array, dimension, index))
        return;
    array->accessVector = from ? arrayPeek<ArrayVector*>(*from, index) : nullptr;
    array->accessDepth = dimension + 1;
}

void stepWrite(ArrayRecord* array, ArrayVector* from, int32_t dimension, int32_t index)
{
    if (!innerIndexFits(array, dimension, index))
        return;
    array->accessVector = from ? subVectorMadeAt(*from, index, array->bounds[dimension]) : nullptr;
    array->accessDepth = dimension + 1;
}

template <class Value> Value accessRead(ArrayRecord* array, int32_t index)
{
    if (!arrayPresent(array) || !lastIndexFits(array, index) || !array->accessVector)
        return Value{};
    arrayPrepareVector<Value>(*array->accessVector);
    return arrayLoad<Value>(*array->accessVector, index);
}

template <class Value> void accessWrite(ArrayRecord* array, int32_t index, Value value)
{
    if (!arrayPresent(array) || !lastIndexFits(array, index) || !array->accessVector)
        return;
    ArrayVector& vector = *array->accessVector;
    arrayPrepareVector<Value>(vector);
    vectorGrowTo(vector, int64_t(index) + 1, int64_t(array->bounds[array->accessDepth]) + 1);
    arrayStore(vector, index, value);
}

} // namespace

extern "C" {

void RuntimeArrayStartReadAccess(ArrayRecord* array, int32_t index)
{
    if (arrayPresent(array))
        stepRead(array, &array->top, 0, index);
}

void RuntimeArrayStartWriteAccess(ArrayRecord* array, int32_t index)
{
    if (arrayPresent(array))
        stepWrite(array, &array->top, 0, index);
}

void RuntimeArrayAddReadIndex(ArrayRecord* array, int32_t index)
{
    if (arrayPresent(array))
        stepRead(array, array->accessVector, array->accessDepth, index);
}

void RuntimeArrayAddWriteIndex(ArrayRecord* array, int32_t index)
{
    if (arrayPresent(array))
        stepWrite(array, array->accessVector, array->accessDepth, index);
}

int32_t RuntimeReadIntArray(ArrayRecord* array, int32_t index)
{
    return accessRead<int32_t>(array, index);
}

float RuntimeReadSingleArray(ArrayRecord* array, int32_t index)
{
    return accessRead<float>(array, index);
}

double RuntimeReadDoubleArray(ArrayRecord* array, int32_t index)
{
    return accessRead<double>(array, index);
}

StringRecord* RuntimeReadStringArray(ArrayRecord* array, int32_t index)
{
    return accessRead<StringRecord*>(array, index);
}

ObjectHeader* RuntimeReadObjectArray(ArrayRecord* array, int32_t index)
{
    return accessRead<ObjectHeader*>(array, index);
}

void RuntimeWriteIntArray(ArrayRecord* array, int32_t index, int32_t value)
{
    accessWrite(array, index, value);
}

void RuntimeWriteSingleArray(ArrayRecord* array, int32_t index, float value)
{
    accessWrite(array, index, value);
}

void RuntimeWriteDoubleArray(ArrayRecord* array, int32_t index, double value)
{
    accessWrite(array, index, value);
}

void RuntimeWriteStringArray(ArrayRecord* array, int32_t index, StringRecord* value)
{
    accessWrite(array, index, value);
}

void RuntimeWriteObjectArray(ArrayRecord* array, int32_t index, ObjectHeader* value)
{
    accessWrite(array, index, value);
}

} // extern "C"
