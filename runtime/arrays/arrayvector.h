// Element vectors: lazily grown element storage on the system heap, and its storage handle.
#pragma once

#include <cstdint>

// A block from the system heap and its size in bytes. Fast boolean arrays are one of these.
struct ArrayStorage {
    uint8_t* block;
    uint32_t size;
};

// Elements 0 to length - 1 are present; an element never written reads as zero. Every byte
// of the storage past the present elements is zero, so growing within the capacity only
// moves the length.
struct ArrayVector {
    ArrayStorage* storage; // Nil while the capacity is 0
    int32_t length;        // elements present
    int32_t capacity;      // elements the storage holds
    int32_t elementSize;   // 4, or 8 once a double operation has touched the vector
};
static_assert(sizeof(ArrayVector) == 16);

constexpr int32_t arrayWordSize = 4;
constexpr int32_t arrayDoubleSize = 8;
// Any index beyond the present elements may be written this far ahead of them.
constexpr int32_t arrayGrowthStep = 16;

// A zero-filled block of `size` bytes, and its handle; a size beyond what a 32-bit
// process can hold takes the out-of-memory exit.
ArrayStorage* storageCreate(uint64_t size);
// Keeps the smaller of the old and new sizes; a new part is zero.
void storageResize(ArrayStorage* storage, uint64_t size);
void storageFree(ArrayStorage* storage);

// A vector of word elements with nothing present.
inline ArrayVector vectorEmpty()
{
    return ArrayVector{nullptr, 0, 0, arrayWordSize};
}

inline uint8_t* vectorSlot(const ArrayVector& vector, int32_t index)
{
    return vector.storage->block + index * vector.elementSize;
}

// Makes `length` elements present (no change when that many are). The capacity grows at
// least twofold, up to `capacityLimit`, so filling a vector in order copies each element
// only a few times.
void vectorGrowTo(ArrayVector& vector, int64_t length, int64_t capacityLimit);
// Keeps the first `length` elements and gives back the storage of the rest; whatever the
// elements cut off referred to must already have been let go.
void vectorCutTo(ArrayVector& vector, int32_t length);
// Elements from `index` on move up by one; the element at `index` is zero.
void vectorOpenGap(ArrayVector& vector, int32_t index);
// Elements above `index` move down by one over it; one element fewer is present.
void vectorCloseGap(ArrayVector& vector, int32_t index);
// Lays the present elements out `size` bytes apart, their bytes kept from the first.
void vectorUseElementSize(ArrayVector& vector, int32_t size);
void vectorFreeStorage(ArrayVector& vector);
