// Helpers for the array tests: arrays of a given shape, the element kinds with their routines
// and sample values, and contents read back as sample numbers.
#include "tests/runtime/arrays/arraytesting.h"

#include "runtime/exceptions/exceptions.h"

extern "C" int callCatchingOutOfBounds(void (*routine)(void* context), void* context);

ArrayRecord* arrayWithBound(int32_t bound)
{
    return arrayWithBounds({bound});
}

ArrayRecord* arrayWithBounds(std::initializer_list<int32_t> bounds)
{
    ArrayRecord* array = RuntimeCreateArray();
    for (int32_t bound : bounds)
        RuntimeArrayCreateAddIndex(array, 0, bound);
    return array;
}

bool raisesOutOfBounds(void (*routine)(void* context), void* context)
{
    // The catching frame names its class by number 0 of the class table.
    static ClassDescriptor* table[1];
    table[0] = exceptionClass(BuiltinException::OutOfBounds);
    classSetTable(table, 1);
    return callCatchingOutOfBounds(routine, context) != 0;
}

namespace {

void appendVector(std::string& bytes, const ArrayVector& vector, int32_t levelsBelow)
{
    bytes.append(reinterpret_cast<const char*>(&vector), sizeof vector);
    if (!vector.storage)
        return;
    bytes.append(reinterpret_cast<const char*>(vector.storage->block), vector.storage->size);
    for (int32_t i = 0; levelsBelow > 0 && i < vector.length; ++i) {
        if (auto* sub = arrayPeek<ArrayVector*>(vector, i))
            appendVector(bytes, *sub, levelsBelow - 1);
    }
}

} // namespace

std::string arraySnapshot(const ArrayRecord* array)
{
    std::string bytes(reinterpret_cast<const char*>(&array->dimensions), sizeof array->bounds + 4);
    appendVector(bytes, array->top, array->dimensions - 1);
    return bytes;
}

std::vector<StringRecord*> ArrayKind<StringRecord*>::samples()
{
    static std::vector<StringRecord*> kept{stringFromText("b"), stringFromText("A"), stringFromText("a"),
                                           stringFromText("B")};
    return kept;
}

std::vector<ObjectHeader*> ArrayKind<ObjectHeader*>::samples()
{
    static ClassDescriptor* elementClass = classCreateBuiltin("TestArrayElement", nullptr, plainObjectSize);
    static std::vector<ObjectHeader*> kept{objectInstantiate(elementClass), objectInstantiate(elementClass),
                                           objectInstantiate(elementClass), objectInstantiate(elementClass)};
    return kept;
}
