// Element vectors: lazily grown element storage on the system heap, and its storage handle.
#include "runtime/arrays/arrayvector.h"

#include "base/memorypool.h"
#include "runtime/objects/object.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace {

constexpr uint64_t largestBlock = 0x7FFFFFFF;

uint8_t* heapBlock(uint64_t size, uint8_t* old)
{
    if (size > largestBlock)
        poolOutOfMemory();
    DWORD bytes = static_cast<DWORD>(size);
    void* block = old ? HeapReAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, old, bytes)
                      : HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, bytes);
    if (!block)
        poolOutOfMemory();
    return static_cast<uint8_t*>(block);
}

// Sets the capacity, moving the storage; a capacity of 0 holds no storage.
void vectorSetCapacity(ArrayVector& vector, int64_t capacity)
{
    if (capacity > INT32_MAX)
        poolOutOfMemory();
    uint64_t bytes = static_cast<uint64_t>(capacity) * static_cast<uint64_t>(vector.elementSize);
    if (capacity == 0)
        vectorFreeStorage(vector);
    else if (vector.storage)
        storageResize(vector.storage, bytes);
    else
        vector.storage = storageCreate(bytes);
    vector.capacity = static_cast<int32_t>(capacity);
}

void vectorMakeRoom(ArrayVector& vector, int64_t needed, int64_t capacityLimit)
{
    int64_t capacity = vector.capacity;
    int64_t grown = std::min(std::max(2 * capacity, capacity + arrayGrowthStep), capacityLimit);
    vectorSetCapacity(vector, std::max(needed, grown));
}

} // namespace

ArrayStorage* storageCreate(uint64_t size)
{
    auto* storage = static_cast<ArrayStorage*>(taggedAllocate(sizeof(ArrayStorage)));
    storage->block = heapBlock(size, nullptr);
    storage->size = static_cast<uint32_t>(size);
    return storage;
}

void storageResize(ArrayStorage* storage, uint64_t size)
{
    storage->block = heapBlock(size, storage->block);
    storage->size = static_cast<uint32_t>(size);
}

void storageFree(ArrayStorage* storage)
{
    if (!storage)
        return;
    HeapFree(GetProcessHeap(), 0, storage->block);
    taggedFree(storage);
}

void vectorGrowTo(ArrayVector& vector, int64_t length, int64_t capacityLimit)
{
    if (length <= vector.length)
        return;
    if (length > vector.capacity)
        vectorMakeRoom(vector, length, capacityLimit);
    vector.length = static_cast<int32_t>(length);
}

void vectorCutTo(ArrayVector& vector, int32_t length)
{
    if (vector.length <= length)
        return;
    vector.length = std::max(length, 0);
    vectorSetCapacity(vector, vector.length);
}

void vectorOpenGap(ArrayVector& vector, int32_t index)
{
    if (vector.length == vector.capacity)
        vectorMakeRoom(vector, int64_t(vector.length) + 1, INT32_MAX);
    memmove(vectorSlot(vector, index + 1), vectorSlot(vector, index),
            size_t(vector.length - index) * vector.elementSize);
    memset(vectorSlot(vector, index), 0, vector.elementSize);
    ++vector.length;
}

void vectorCloseGap(ArrayVector& vector, int32_t index)
{
    --vector.length;
    memmove(vectorSlot(vector, index), vectorSlot(vector, index + 1),
            size_t(vector.length - index) * vector.elementSize);
    memset(vectorSlot(vector, vector.length), 0, vector.elementSize);
}

void vectorUseElementSize(ArrayVector& vector, int32_t size)
{
    if (vector.elementSize == size)
        return;
    ArrayVector relaid{nullptr, 0, 0, size};
    vectorSetCapacity(relaid, vector.length);
    relaid.length = vector.length;
    int32_t kept = std::min(size, vector.elementSize);
    for (int32_t i = 0; i < vector.length; ++i)
        memcpy(vectorSlot(relaid, i), vectorSlot(vector, i), kept);
    vectorFreeStorage(vector);
    vector = relaid;
}

void vectorFreeStorage(ArrayVector& vector)
{
    storageFree(vector.storage);
    vector.storage = nullptr;
    vector.capacity = 0;
}
