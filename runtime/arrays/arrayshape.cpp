// Shaping arrays: the upper bound, redimensioning a level and disposing of the whole array.
#include "base/assertion.h"
#include "runtime/arrays/arrays.h"

#include <algorithm>

namespace {

// How the leaves of an array are let go: Nil for plain values.
using LeafRelease = void (*)(void* reference);

void releaseString(void* reference)
{
    RuntimeUnlockString(static_cast<StringRecord*>(reference));
}

void releaseObject(void* reference)
{
    RuntimeUnlockObject(static_cast<ObjectHeader*>(reference));
}

void disposeVector(ArrayVector& vector, int32_t levelsBelow, LeafRelease release);

// `levelsBelow` counts the dimensions under the vector that holds the element.
void disposeElement(void* element, int32_t levelsBelow, LeafRelease release)
{
    if (levelsBelow == 0) {
        if (release)
            release(element);
        return;
    }
    if (auto* sub = static_cast<ArrayVector*>(element)) {
        disposeVector(*sub, levelsBelow - 1, release);
        taggedFree(sub);
    }
}

// Depth first, leaves in index order.
void disposeVector(ArrayVector& vector, int32_t levelsBelow, LeafRelease release)
{
    for (int32_t i = 0; i < vector.length; ++i)
        disposeElement(arrayPeek<void*>(vector, i), levelsBelow, release);
    vectorFreeStorage(vector);
    vector.length = 0;
}

// Cuts every vector `level` dimensions below this one to `length` elements where it is longer.
void cutLevel(ArrayVector& vector, int32_t level, int32_t levelsBelow, int32_t length, LeafRelease release)
{
    if (level > 0) {
        for (int32_t i = 0; i < vector.length; ++i) {
            if (auto* sub = arrayPeek<ArrayVector*>(vector, i))
                cutLevel(*sub, level - 1, levelsBelow - 1, length, release);
        }
        return;
    }
    for (int32_t i = length; i < vector.length; ++i)
        disposeElement(arrayPeek<void*>(vector, i), levelsBelow, release);
    vectorCutTo(vector, length);
}

void redimLevel(ArrayRecord* array, int32_t level, int32_t bound, LeafRelease release)
{
    if (!arrayPresent(array))
        return;
    if (level < 0 || level >= array->dimensions) {
        assertFailed(assertCategoryRuntime, assertInconsistent, "commonruntime", __LINE__);
        return;
    }
    bound = arrayBoundFrom(bound);
    array->bounds[level] = bound;
    // An access in progress may have reached a vector the cut frees.
    array->accessVector = nullptr;
    array->accessDepth = 0;
    // No vector holds more than INT32_MAX elements, so that many is as good as bound + 1.
    int32_t elements = int32_t(std::min<int64_t>(int64_t(bound) + 1, INT32_MAX));
    cutLevel(array->top, level, array->dimensions - 1, elements, release);
}

void disposeArray(ArrayRecord* array, LeafRelease release)
{
    if (!array)
        return;
    disposeVector(array->top, std::max(array->dimensions - 1, 0), release);
    taggedFree(array);
}

} // namespace

extern "C" {

int32_t RuntimeUBound(ArrayRecord* array)
{
    if (!arrayPresent(array))
        return -1;
    return array->dimensions > 0 ? array->bounds[0] : -1;
}

// The integer forms serve single and double arrays too: they own nothing in their leaves.
void RuntimeRedimIntArrayLevel(ArrayRecord* array, int32_t level, int32_t bound)
{
    redimLevel(array, level, bound, nullptr);
}

void RuntimeRedimStringArrayLevel(ArrayRecord* array, int32_t level, int32_t bound)
{
    redimLevel(array, level, bound, releaseString);
}

void RuntimeRedimObjectArrayLevel(ArrayRecord* array, int32_t level, int32_t bound)
{
    redimLevel(array, level, bound, releaseObject);
}

void RuntimeDisposeIntArray(ArrayRecord* array)
{
    disposeArray(array, nullptr);
}

void RuntimeDisposeStringArray(ArrayRecord* array)
{
    disposeArray(array, releaseString);
}

void RuntimeDisposeObjectArray(ArrayRecord* array)
{
    disposeArray(array, releaseObject);
}

} // extern "C"
