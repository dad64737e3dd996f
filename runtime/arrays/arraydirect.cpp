// Direct access to one-dimensional arrays: a bounds check and an indexed load or store.
#include "runtime/arrays/arrays.h"

#include <algorithm>

namespace {

template <class Value> Value directRead(ArrayRecord* array, int32_t index)
{
    if (!arrayDirectIndexFits(array, index))
        return Value{};
    arrayPrepareVector<Value>(array->top);
    return arrayLoad<Value>(array->top, index);
}

// Writing past the present elements makes up to 16 more present at once (never beyond the
// bound), so that an array declared large costs nothing until it is written.
[[gnu::noinline]] void growForWrite(ArrayRecord* array, int32_t index)
{
    int64_t elements = int64_t(array->bounds[0]) + 1;
    vectorGrowTo(array->top, std::min(int64_t(index) + arrayGrowthStep, elements), elements);
}

template <class Value> void directWrite(ArrayRecord* array, int32_t index, Value value)
{
    if (!arrayDirectIndexFits(array, index))
        return;
    ArrayVector& top = array->top;
    arrayPrepareVector<Value>(top);
    if (index >= top.length) [[unlikely]]
        growForWrite(array, index);
    arrayStore(top, index, value);
}

} // namespace

extern "C" {

int32_t RuntimeDirectReadIntArray(ArrayRecord* array, int32_t index)
{
    return directRead<int32_t>(array, index);
}

float RuntimeDirectReadSingleArray(ArrayRecord* array, int32_t index)
{
    return directRead<float>(array, index);
}

double RuntimeDirectReadDoubleArray(ArrayRecord* array, int32_t index)
{
    return directRead<double>(array, index);
}

StringRecord* RuntimeDirectReadStringArray(ArrayRecord* array, int32_t index)
{
    return directRead<StringRecord*>(array, index);
}

ObjectHeader* RuntimeDirectReadObjectArray(ArrayRecord* array, int32_t index)
{
    return directRead<ObjectHeader*>(array, index);
}

void RuntimeDirectWriteIntArray(ArrayRecord* array, int32_t index, int32_t value)
{
    directWrite(array, index, value);
}

void RuntimeDirectWriteSingleArray(ArrayRecord* array, int32_t index, float value)
{
    directWrite(array, index, value);
}

void RuntimeDirectWriteDoubleArray(ArrayRecord* array, int32_t index, double value)
{
    directWrite(array, index, value);
}

void RuntimeDirectWriteStringArray(ArrayRecord* array, int32_t index, StringRecord* value)
{
    directWrite(array, index, value);
}

void RuntimeDirectWriteObjectArray(ArrayRecord* array, int32_t index, ObjectHeader* value)
{
    directWrite(array, index, value);
}

} // extern "C"
