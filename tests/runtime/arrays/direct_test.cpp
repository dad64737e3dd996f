// One-dimensional arrays: lazy growth, direct reads and writes of every element kind, and
// the counts of the strings and objects an array holds.
#include "tests/runtime/arrays/arraytesting.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

TEST(ArrayGrowth, WritesMakeUpTo16ElementsPresentAndNeverMoreThanTheBoundAllows)
{
    struct Case {
        const char* what;
        int32_t bound;
        std::vector<int32_t> writes;
        int32_t present;
    } cases[] = {
        {"the first write makes 16 more present", 100, {5}, 21},
        {"a write far ahead grows to the bound", 100, {5, 95}, 101},
        {"a write among present elements grows nothing", 100, {30, 2}, 46},
        {"a small array grows only to its bound", 3, {0}, 4},
        {"nothing written, nothing present", 1000000, {}, 0},
    };
    for (const Case& c : cases) {
        ArrayRecord* array = arrayWithBound(c.bound);
        for (int32_t index : c.writes)
            RuntimeDirectWriteIntArray(array, index, index + 1000);
        EXPECT_EQ(array->top.length, c.present) << c.what;
        EXPECT_LE(array->top.capacity, c.bound + 1) << c.what;
        for (int32_t index : c.writes)
            EXPECT_EQ(RuntimeDirectReadIntArray(array, index), index + 1000) << c.what;
        RuntimeDisposeIntArray(array);
    }
}

TEST(ArrayGrowth, ElementsNeverWrittenReadAsZeroUpToTheBound)
{
    ArrayRecord* array = arrayWithBound(100);
    EXPECT_EQ(RuntimeDirectReadIntArray(array, 100), 0) << "nothing present at all";
    RuntimeDirectWriteIntArray(array, 5, 9);
    EXPECT_EQ(RuntimeDirectReadIntArray(array, 4), 0) << "present, never written";
    EXPECT_EQ(RuntimeDirectReadIntArray(array, 50), 0) << "beyond the present elements";
    EXPECT_EQ(array->top.length, 21) << "reading makes nothing present";
    RuntimeDisposeIntArray(array);
}

TEST(ArrayGrowth, FillingALargeArrayInOrderKeepsEveryValue)
{
    constexpr int32_t bound = 99999;
    ArrayRecord* array = arrayWithBound(bound);
    for (int32_t i = 0; i <= bound; ++i)
        RuntimeDirectWriteIntArray(array, i, i * 3);
    int32_t wrong = 0;
    for (int32_t i = 0; i <= bound; ++i)
        wrong += RuntimeDirectReadIntArray(array, i) != i * 3;
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(array->top.capacity, bound + 1);
    RuntimeDisposeIntArray(array);
}

TEST(ArrayGrowth, DoublesTakeEightBytesAndDoNotDisturbIntegerArrays)
{
    ArrayRecord* doubles = arrayWithBound(10);
    ArrayRecord* integers = arrayWithBound(10);
    RuntimeDirectWriteDoubleArray(doubles, 3, 1.0 / 3);
    RuntimeDirectWriteIntArray(integers, 3, 7);
    EXPECT_EQ(doubles->top.elementSize, 8);
    EXPECT_EQ(integers->top.elementSize, 4);
    EXPECT_EQ(RuntimeDirectReadDoubleArray(doubles, 3), 1.0 / 3);
    RuntimeDisposeIntArray(doubles);
    RuntimeDisposeIntArray(integers);
}

template <class Value> class EveryKind : public testing::Test {};
using ElementKinds = testing::Types<int32_t, float, double, StringRecord*, ObjectHeader*>;
TYPED_TEST_SUITE(EveryKind, ElementKinds);

TYPED_TEST(EveryKind, DirectWritesReadBackAndReplaceWhatWasThere)
{
    using Kind = ArrayKind<TypeParam>;
    std::vector<TypeParam> samples = Kind::samples();
    ArrayRecord* array = arrayWithBound(50);
    Kind::directWrite(array, 0, samples[0]);
    Kind::directWrite(array, 40, samples[1]);
    Kind::directWrite(array, 7, samples[2]);
    Kind::directWrite(array, 7, samples[3]);
    std::vector<int> expected(51, -1);
    expected[0] = 0, expected[40] = 1, expected[7] = 3;
    EXPECT_EQ(arrayContents<TypeParam>(array), expected);
    Kind::dispose(array);
}

// Strings and objects are retained when stored and released exactly once when they leave the
// array, however they leave it.
template <class Value> class CountedKind : public testing::Test {};
using CountedKinds = testing::Types<StringRecord*, ObjectHeader*>;
TYPED_TEST_SUITE(CountedKind, CountedKinds);

TYPED_TEST(CountedKind, EveryWayInRetainsAndEveryWayOutReleasesOnce)
{
    using Kind = ArrayKind<TypeParam>;
    TypeParam kept = Kind::samples()[0], other = Kind::samples()[1];
    const int32_t keptBase = Kind::count(kept), otherBase = Kind::count(other);
    ArrayRecord* array = arrayWithBound(10);
    struct Step {
        const char* what;
        std::function<void()> run;
        int32_t kept, other; // counts above the base after the step
    } steps[] = {
        {"write", [&] { Kind::directWrite(array, 2, kept); }, 1, 0},
        {"write of the value already there", [&] { Kind::directWrite(array, 2, kept); }, 1, 0},
        {"read gives a new reference", [&] { Kind::release(Kind::directRead(array, 2)); }, 1, 0},
        {"replace", [&] { Kind::directWrite(array, 2, other); }, 0, 1},
        {"append", [&] { Kind::append(array, kept); }, 1, 1},
        {"remove the appended one", [&] { Kind::remove(array, 11); }, 0, 1},
        {"insert in front", [&] { Kind::insert(array, 0, kept); }, 1, 1},
        {"redim to no elements", [&] { Kind::redim(array, 0, -1); }, 0, 0},
        {"append twice",
         [&] {
             Kind::append(array, kept);
             Kind::append(array, kept);
         },
         2, 0},
        {"dispose", [&] { Kind::dispose(array); }, 0, 0},
    };
    for (const Step& step : steps) {
        step.run();
        EXPECT_EQ(Kind::count(kept) - keptBase, step.kept) << step.what;
        EXPECT_EQ(Kind::count(other) - otherBase, step.other) << step.what;
    }
}

TYPED_TEST(CountedKind, MultiDimensionalElementsAreReleasedByDisposeAndByRedim)
{
    using Kind = ArrayKind<TypeParam>;
    TypeParam kept = Kind::samples()[0];
    const int32_t base = Kind::count(kept);
    ArrayRecord* array = arrayWithBounds({3, 3, 3});
    for (int32_t i : {0, 3}) {
        RuntimeArrayStartWriteAccess(array, i);
        RuntimeArrayAddWriteIndex(array, 2);
        Kind::write(array, 1, kept);
    }
    EXPECT_EQ(Kind::count(kept) - base, 2);
    Kind::redim(array, 0, 2);
    EXPECT_EQ(Kind::count(kept) - base, 1) << "the cut-off sub-vector's element is released";
    Kind::dispose(array);
    EXPECT_EQ(Kind::count(kept) - base, 0);
}

TEST(CountedStrings, ARedimCutReleasesTheStringsCutOffAndTheirPlacesReadNilAfterwards)
{
    std::vector<StringRecord*> strings;
    ArrayRecord* array = arrayWithBound(10);
    for (int32_t i = 0; i <= 10; ++i) {
        strings.push_back(stringFromView("element " + std::to_string(i)));
        RuntimeDirectWriteStringArray(array, i, strings.back());
    }
    RuntimeRedimStringArrayLevel(array, 0, 2);
    for (int32_t i = 0; i <= 10; ++i)
        EXPECT_EQ(strings[i]->count, i <= 2 ? 2 : 1) << "element " << i;
    RuntimeRedimStringArrayLevel(array, 0, 10);
    for (int32_t i = 3; i <= 10; ++i)
        EXPECT_EQ(RuntimeDirectReadStringArray(array, i), nullptr) << "element " << i;
    RuntimeDisposeStringArray(array);
    for (StringRecord* s : strings)
        RuntimeUnlockString(s);
}

} // namespace
