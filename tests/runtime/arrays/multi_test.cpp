// Multi-dimensional arrays: access through start, step and final index, lazily made
// sub-vectors, redim of an inner level, and the limit of 20 dimensions.
#include "tests/runtime/arrays/arraytesting.h"
#include "tests/support/messageboxes.h"
#include "tests/support/programrun.h"
#include "tests/support/testmain.h"

#include <gtest/gtest.h>

namespace {

template <class Value> void writeAt(ArrayRecord* array, const std::vector<int32_t>& indices, Value value)
{
    RuntimeArrayStartWriteAccess(array, indices.front());
    for (size_t i = 1; i + 1 < indices.size(); ++i)
        RuntimeArrayAddWriteIndex(array, indices[i]);
    ArrayKind<Value>::write(array, indices.back(), value);
}

template <class Value> int sampleAt(ArrayRecord* array, const std::vector<int32_t>& indices)
{
    RuntimeArrayStartReadAccess(array, indices.front());
    for (size_t i = 1; i + 1 < indices.size(); ++i)
        RuntimeArrayAddReadIndex(array, indices[i]);
    Value value = ArrayKind<Value>::read(array, indices.back());
    int number = sampleNumber(value);
    releaseRead(value);
    return number;
}

template <class Value> class EveryKindInTwoDimensions : public testing::Test {};
using ElementKinds = testing::Types<int32_t, float, double, StringRecord*, ObjectHeader*>;
TYPED_TEST_SUITE(EveryKindInTwoDimensions, ElementKinds);

TYPED_TEST(EveryKindInTwoDimensions, WritesReadBackAndUnwrittenElementsReadAsZero)
{
    std::vector<TypeParam> samples = ArrayKind<TypeParam>::samples();
    ArrayRecord* array = arrayWithBounds({3, 4});
    writeAt(array, {1, 2}, samples[0]);
    writeAt(array, {3, 4}, samples[1]);
    writeAt(array, {1, 0}, samples[2]);
    writeAt(array, {1, 2}, samples[3]);
    struct Case {
        std::vector<int32_t> indices;
        int sample;
    } cases[] = {{{1, 2}, 3}, {{3, 4}, 1}, {{1, 0}, 2}, {{1, 4}, -1}, {{0, 0}, -1}, {{2, 4}, -1}};
    for (const Case& c : cases)
        EXPECT_EQ(sampleAt<TypeParam>(array, c.indices), c.sample) << c.indices[0] << "," << c.indices[1];
    ArrayKind<TypeParam>::dispose(array);
}

TEST(MultiDimensional, ReadingWhatWasNeverWrittenMakesNoSubVectors)
{
    ArrayRecord* array = arrayWithBounds({5, 5, 5});
    EXPECT_EQ(sampleAt<int32_t>(array, {4, 3, 2}), -1);
    EXPECT_EQ(array->top.length, 0);
    writeAt<int32_t>(array, {1, 1, 1}, 3);
    EXPECT_EQ(array->top.length, 2) << "the write access makes the top vector reach index 1";
    EXPECT_EQ(sampleAt<int32_t>(array, {1, 4, 1}), -1);
    auto* row = arrayPeek<ArrayVector*>(array->top, 1);
    EXPECT_EQ(row->length, 2) << "reading row 1 column 4 made nothing";
    EXPECT_EQ(sampleAt<int32_t>(array, {1, 1, 1}), 0);
    RuntimeDisposeIntArray(array);
}

TEST(MultiDimensional, RedimOfAnInnerLevelCutsEveryVectorAtThatLevel)
{
    ArrayRecord* array = arrayWithBounds({2, 9});
    writeAt<int32_t>(array, {0, 9}, 3);
    writeAt<int32_t>(array, {1, 5}, 2);
    writeAt<int32_t>(array, {2, 1}, 7);
    RuntimeRedimIntArrayLevel(array, 1, 3);
    for (int32_t row = 0; row <= 2; ++row)
        EXPECT_LE(arrayPeek<ArrayVector*>(array->top, row)->length, 4) << "row " << row;
    EXPECT_EQ(sampleAt<int32_t>(array, {2, 1}), 3) << "what lies within the new bound stays";
    RuntimeRedimIntArrayLevel(array, 1, 9);
    EXPECT_EQ(sampleAt<int32_t>(array, {0, 9}), -1);
    EXPECT_EQ(sampleAt<int32_t>(array, {1, 5}), -1);
    RuntimeDisposeIntArray(array);
}

TEST(MultiDimensional, TwentyDimensionsHoldTheirElements)
{
    ArrayRecord* array = RuntimeCreateArray();
    for (int i = 0; i < 20; ++i)
        RuntimeArrayCreateAddIndex(array, 0, 1);
    std::vector<int32_t> ones(20, 1), mixed(20, 1);
    mixed[19] = 0;
    writeAt<double>(array, ones, 0.125);
    EXPECT_EQ(sampleAt<double>(array, ones), 2);
    EXPECT_EQ(sampleAt<double>(array, mixed), -1);
    RuntimeDisposeIntArray(array);
}

// The 21st dimension has no place in the record: it is refused and the record keeps its
// 20 bounds and the access state after them. A dimension added once elements are present
// would turn them into sub-vectors, and is refused too.
CHILD_SCENARIO(refusedDimensions)
{
    ArrayRecord* array = arrayWithBounds({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    array->accessDepth = 0x5A5A;
    ArrayRecord* returned = RuntimeArrayCreateAddIndex(array, 0, 7);
    bool kept = returned == array && array->dimensions == 20 && array->accessDepth == 0x5A5A;
    RuntimeArrayCreateAddIndex(nullptr, 0, 7);
    ArrayRecord* written = arrayWithBound(3);
    RuntimeDirectWriteIntArray(written, 1, 5);
    RuntimeArrayCreateAddIndex(written, 0, 3);
    kept = kept && written->dimensions == 1 && RuntimeDirectReadIntArray(written, 1) == 5;
    return kept ? 3 : 4;
}

TEST(MultiDimensional, ATwentyFirstDimensionALateOneAndANilArrayAreRefusedWithAnAssertion)
{
    ProgramRun run = runProgram(childCommandLine("refusedDimensions"));
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 3u);
    ASSERT_EQ(run.boxes.size(), 3u);
    for (const SeenMessageBox& box : run.boxes)
        EXPECT_NE(box.text.find(" commonruntime : "), std::string::npos) << box.text;
}

} // namespace
