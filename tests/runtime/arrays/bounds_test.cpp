// Bad indices and Nil arrays: an index outside its dimension raises OutOfBoundsException
// (caught here by a frame laid out as compiled code) and changes nothing; uncaught, it is
// reported and ends the program; a Nil array is an assertion failure.
#include "tests/runtime/arrays/arraytesting.h"
#include "tests/support/messageboxes.h"
#include "tests/support/programrun.h"
#include "tests/support/testmain.h"

#include <gtest/gtest.h>

namespace {

ArrayRecord* toArray(void* context)
{
    return static_cast<ArrayRecord*>(context);
}

ArrayRecord* integersWithBound100()
{
    ArrayRecord* array = arrayWithBound(100);
    RuntimeDirectWriteIntArray(array, 5, 55);
    return array;
}

ArrayRecord* noElements()
{
    return arrayWithBound(-1);
}

ArrayRecord* twoDimensions()
{
    ArrayRecord* array = arrayWithBounds({3, 4});
    RuntimeArrayStartWriteAccess(array, 1);
    RuntimeWriteIntArray(array, 2, 12);
    return array;
}

ArrayRecord* threeDimensions()
{
    ArrayRecord* array = arrayWithBounds({2, 2, 2});
    RuntimeArrayStartWriteAccess(array, 1);
    RuntimeArrayAddWriteIndex(array, 1);
    RuntimeWriteIntArray(array, 1, 111);
    return array;
}

TEST(OutOfBounds, ABadIndexRaisesAndLeavesTheArrayAsItWas)
{
    struct Case {
        const char* what;
        ArrayRecord* (*make)();
        void (*call)(void* array);
        bool raises;
    } cases[] = {
        {"direct read at the bound", integersWithBound100, [](void* a) { RuntimeDirectReadIntArray(toArray(a), 100); },
         false},
        {"direct read past the bound", integersWithBound100,
         [](void* a) { RuntimeDirectReadIntArray(toArray(a), 101); }, true},
        {"direct read at -1", integersWithBound100, [](void* a) { RuntimeDirectReadIntArray(toArray(a), -1); }, true},
        {"direct write past the bound", integersWithBound100,
         [](void* a) { RuntimeDirectWriteIntArray(toArray(a), 101, 1); }, true},
        {"direct write at -1", integersWithBound100,
         [](void* a) { RuntimeDirectWriteStringArray(toArray(a), -1, nullptr); }, true},
        {"direct write to an array without elements", noElements,
         [](void* a) { RuntimeDirectWriteIntArray(toArray(a), 0, 1); }, true},
        {"direct double read of a two-dimensional array", twoDimensions,
         [](void* a) { RuntimeDirectReadDoubleArray(toArray(a), 0); }, true},
        {"direct integer write to a two-dimensional array", twoDimensions,
         [](void* a) { RuntimeDirectWriteIntArray(toArray(a), 1, 1); }, true},
        {"insert at the bound", integersWithBound100, [](void* a) { RuntimeIntArrayInsert(toArray(a), 100, 1); },
         false},
        {"insert past the bound", integersWithBound100, [](void* a) { RuntimeIntArrayInsert(toArray(a), 101, 1); },
         true},
        {"insert into no elements", noElements, [](void* a) { RuntimeDoubleArrayInsert(toArray(a), 0, 1.0); }, true},
        {"remove past the bound", integersWithBound100, [](void* a) { RuntimeIntArrayRemove(toArray(a), 101); }, true},
        {"remove at -1", integersWithBound100, [](void* a) { RuntimeObjectArrayRemove(toArray(a), -1); }, true},
        {"append to a two-dimensional array", twoDimensions, [](void* a) { RuntimeIntArrayAppend(toArray(a), 1); },
         true},
        {"sort of a two-dimensional array", twoDimensions, [](void* a) { RuntimeIntArraySort(toArray(a)); }, true},
        {"first index past its bound", twoDimensions, [](void* a) { RuntimeArrayStartWriteAccess(toArray(a), 4); },
         true},
        {"first index of a one-dimensional array", integersWithBound100,
         [](void* a) { RuntimeArrayStartReadAccess(toArray(a), 0); }, true},
        {"last index past its bound", twoDimensions,
         [](void* a) {
             RuntimeArrayStartWriteAccess(toArray(a), 1);
             RuntimeWriteIntArray(toArray(a), 5, 1);
         },
         true},
        {"last index past its bound in a row never written", twoDimensions,
         [](void* a) {
             RuntimeArrayStartReadAccess(toArray(a), 2);
             RuntimeReadIntArray(toArray(a), 5);
         },
         true},
        {"middle index past its bound", threeDimensions,
         [](void* a) {
             RuntimeArrayStartWriteAccess(toArray(a), 1);
             RuntimeArrayAddWriteIndex(toArray(a), 3);
         },
         true},
        {"more indices than dimensions", twoDimensions,
         [](void* a) {
             RuntimeArrayStartReadAccess(toArray(a), 1);
             RuntimeArrayAddReadIndex(toArray(a), 2);
         },
         true},
        {"fewer indices than dimensions", threeDimensions,
         [](void* a) {
             RuntimeArrayStartWriteAccess(toArray(a), 1);
             RuntimeWriteIntArray(toArray(a), 1, 1);
         },
         true},
    };
    for (const Case& c : cases) {
        ArrayRecord* array = c.make();
        std::string before = arraySnapshot(array);
        EXPECT_EQ(raisesOutOfBounds(c.call, array), c.raises) << c.what;
        if (c.raises) {
            EXPECT_EQ(arraySnapshot(array), before) << c.what;
        }
        RuntimeDisposeIntArray(array);
    }
}

FastBooleanArray* toBooleans(void* context)
{
    return static_cast<FastBooleanArray*>(context);
}

TEST(OutOfBounds, FastBooleanIndicesRunToTheLastElementAndInsertsToTheCount)
{
    struct Case {
        const char* what;
        void (*call)(void* array);
        bool raises;
    } cases[] = {
        {"read of the last element", [](void* a) { RuntimeFastReadBoolArray(toBooleans(a), 2); }, false},
        {"read at the element count", [](void* a) { RuntimeFastReadBoolArray(toBooleans(a), 3); }, true},
        {"write at -1", [](void* a) { RuntimeFastWriteBoolArray(toBooleans(a), -1, 1); }, true},
        {"remove at the element count", [](void* a) { RuntimeFastBooleanArrayRemove(toBooleans(a), 3); }, true},
        {"insert at the element count", [](void* a) { RuntimeFastBooleanArrayInsert(toBooleans(a), 3, 1); }, false},
        {"insert past the element count", [](void* a) { RuntimeFastBooleanArrayInsert(toBooleans(a), 4, 1); }, true},
    };
    for (const Case& c : cases) {
        FastBooleanArray* array = RuntimeCreateFastBooleanArray(2);
        RuntimeFastWriteBoolArray(array, 1, 1);
        std::string before(reinterpret_cast<char*>(array->block), array->size);
        EXPECT_EQ(raisesOutOfBounds(c.call, array), c.raises) << c.what;
        if (c.raises) {
            EXPECT_EQ(std::string(reinterpret_cast<char*>(array->block), array->size), before) << c.what;
        }
        RuntimeDisposeFastBooleanArray(array);
    }
}

CHILD_SCENARIO(uncaughtOutOfBounds)
{
    ArrayRecord* array = arrayWithBound(100);
    RuntimeDirectWriteIntArray(array, 101, 1);
    return 9; // not reached: the uncaught exception ends the process
}

TEST(OutOfBounds, AnUncaughtOneIsReportedByItsClassAndEndsTheProgram)
{
    ProgramRun run = runProgram(childCommandLine("uncaughtOutOfBounds"));
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 0u);
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_NE(run.boxes[0].text.find("OutOfBoundsException"), std::string::npos) << run.boxes[0].text;
}

// Every routine but the disposals reports a Nil array once and goes on.
CHILD_SCENARIO(nilArrays)
{
    RuntimeDirectReadIntArray(nullptr, 0);
    RuntimeDirectWriteIntArray(nullptr, 0, 1);
    RuntimeDirectReadSingleArray(nullptr, 0);
    RuntimeDirectWriteDoubleArray(nullptr, 0, 1.0);
    RuntimeDirectReadStringArray(nullptr, 0);
    RuntimeDirectWriteObjectArray(nullptr, 0, nullptr);
    RuntimeArrayStartReadAccess(nullptr, 0);
    RuntimeStringArrayAppend(nullptr, nullptr);
    RuntimeRedimIntArrayLevel(nullptr, 0, 1);
    RuntimeFastReadBoolArray(nullptr, 0);
    bool ubound = RuntimeUBound(nullptr) == -1;
    RuntimeDisposeIntArray(nullptr);
    RuntimeDisposeObjectArray(nullptr);
    RuntimeDisposeFastBooleanArray(nullptr);
    return ubound ? 3 : 4;
}

TEST(NilArray, EachRoutineReportsItInModuleCommonruntimeAndReturns)
{
    ProgramRun run = runProgram(childCommandLine("nilArrays"));
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 3u);
    EXPECT_EQ(run.boxes.size(), 11u);
    for (const SeenMessageBox& box : run.boxes)
        EXPECT_NE(box.text.find(" commonruntime : "), std::string::npos) << box.text;
}

} // namespace
