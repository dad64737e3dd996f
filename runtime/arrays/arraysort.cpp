// Sorting one-dimensional arrays in ascending order: an in-place quicksort, not stable.
#include "runtime/arrays/arrays.h"

namespace {

// The elements of a vector seen through the two operations the sort needs.
template <class Value, class Less> struct SortedElements {
    ArrayVector& vector;
    Less precedes;

    Value at(int32_t index) const
    {
        Value value;
        memcpy(&value, vectorSlot(vector, index), sizeof value);
        return value;
    }
    bool less(int32_t a, int32_t b) const { return precedes(at(a), at(b)); }
    void swap(int32_t a, int32_t b)
    {
        uint8_t held[arrayDoubleSize];
        memcpy(held, vectorSlot(vector, a), vector.elementSize);
        memcpy(vectorSlot(vector, a), vectorSlot(vector, b), vector.elementSize);
        memcpy(vectorSlot(vector, b), held, vector.elementSize);
    }
};

// Splits first..last around its middle element and returns where that element ends up.
// Both scans stop at elements equal to it, so runs of equal elements split evenly; and
// neither leaves the segment, whatever the comparison answers.
template <class Elements> int32_t partition(Elements& elements, int32_t first, int32_t last)
{
    elements.swap(first, first + (last - first) / 2);
    int32_t low = first, high = last + 1;
    for (;;) {
        do
            ++low;
        while (low <= last && elements.less(low, first));
        do
            --high;
        while (high > first && elements.less(first, high));
        if (low >= high)
            break;
        elements.swap(low, high);
    }
    elements.swap(first, high);
    return high;
}

// Short segments: the largest element goes to the end, again and again.
template <class Elements> void selectionSort(Elements& elements, int32_t first, int32_t last)
{
    for (int32_t end = last; end > first; --end) {
        int32_t largest = first;
        for (int32_t k = first + 1; k <= end; ++k) {
            if (elements.less(largest, k))
                largest = k;
        }
        elements.swap(largest, end);
    }
}

// The smaller part of every split is sorted first while the larger one waits, so at most one
// segment per halving waits: 32 places are enough for any 32-bit count.
template <class Elements> void quicksort(Elements& elements, int32_t first, int32_t last)
{
    struct Segment {
        int32_t first, last;
    } waiting[32];
    int32_t waitingCount = 0;
    for (;;) {
        while (last - first >= 5) {
            int32_t split = partition(elements, first, last);
            if (split - first < last - split) {
                waiting[waitingCount++] = {split + 1, last};
                last = split - 1;
            } else {
                waiting[waitingCount++] = {first, split - 1};
                first = split + 1;
            }
        }
        selectionSort(elements, first, last);
        if (waitingCount == 0)
            return;
        Segment next = waiting[--waitingCount];
        first = next.first;
        last = next.last;
    }
}

// Elements never written take part as zero or Nil: the vector is filled out to the bound.
template <class Value, class Less> void sortArray(ArrayRecord* array, Less precedes)
{
    if (!arrayIsOneDimensional(array))
        return;
    ArrayVector& top = array->top;
    arrayPrepareVector<Value>(top);
    int64_t elements = int64_t(array->bounds[0]) + 1;
    vectorGrowTo(top, elements, elements);
    SortedElements<Value, Less> sorted{top, precedes};
    quicksort(sorted, 0, top.length - 1);
}

template <class Value> bool numericallyLess(Value a, Value b)
{
    return a < b;
}

// Locale collation with case counting, not the case-blind comparison of the language.
bool collatesBefore(StringRecord* a, StringRecord* b)
{
    return StringStrCompare(a, b, 1) < 0;
}

} // namespace

extern "C" {

void RuntimeIntArraySort(ArrayRecord* array)
{
    sortArray<int32_t>(array, numericallyLess<int32_t>);
}

void RuntimeSingleArraySort(ArrayRecord* array)
{
    sortArray<float>(array, numericallyLess<float>);
}

void RuntimeDoubleArraySort(ArrayRecord* array)
{
    sortArray<double>(array, numericallyLess<double>);
}

void RuntimeStringArraySort(ArrayRecord* array)
{
    sortArray<StringRecord*>(array, collatesBefore);
}

} // extern "C"
