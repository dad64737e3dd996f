// Array records: the dimensions and their bounds, the index checks, and the element kinds.
#include "base/assertion.h"
#include "runtime/arrays/arrays.h"
#include "runtime/exceptions/exceptions.h"

#include <algorithm>

bool arrayRefuseIndex()
{
    raiseBuiltinException(BuiltinException::OutOfBounds);
    return false;
}

bool arrayRefuseNil()
{
    assertFailed(assertCategoryRuntime, assertInconsistent, "commonruntime", __LINE__);
    return false;
}

int32_t arrayBoundFrom(int64_t bound)
{
    return static_cast<int32_t>(std::clamp<int64_t>(bound, -1, INT32_MAX));
}

extern "C" ArrayRecord* RuntimeCreateArray()
{
    auto* array = static_cast<ArrayRecord*>(taggedAllocate(sizeof(ArrayRecord)));
    memset(array, 0, sizeof *array);
    array->top = vectorEmpty();
    return array;
}

// Compiled code passes a lower bound of 0, so the bound is the declared upper one.
extern "C" ArrayRecord* RuntimeArrayCreateAddIndex(ArrayRecord* array, int32_t lower, int32_t upper)
{
    if (!array) {
        arrayRefuseNil();
        return nullptr;
    }
    // The record has room for this many bounds and no more; and once elements are present,
    // another dimension would make them read as sub-vectors.
    if (array->dimensions == arrayMostDimensions || array->top.length > 0) {
        assertFailed(assertCategoryRuntime, assertInconsistent, "commonruntime", __LINE__);
        return array;
    }
    array->bounds[array->dimensions++] = arrayBoundFrom(int64_t(upper) - lower);
    return array;
}
