// List operations on one-dimensional arrays of every kind: append, insert, remove, redim and
// sort.
#include "tests/runtime/arrays/arraytesting.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

enum class Op { Append, Insert, Remove, Redim, Write };

struct Step {
    Op op;
    int32_t index; // the index, or the bound for a redim
    int sample;    // the sample number of the value stored
};

struct Scenario {
    const char* what;
    int32_t bound;
    std::vector<Step> steps;
    std::vector<int> contents; // sample numbers, -1 for zero or Nil; the bound follows
};

const Scenario scenarios[] = {
    {"append to an array without elements", -1, {{Op::Append, 0, 0}}, {0}},
    {"append after a bound with nothing present", 2, {{Op::Append, 0, 1}}, {-1, -1, -1, 1}},
    {"insert at 0 moves everything up", -1, {{Op::Append, 0, 0}, {Op::Append, 0, 1}, {Op::Insert, 0, 2}}, {2, 0, 1}},
    {"insert at the bound", 1, {{Op::Write, 1, 3}, {Op::Insert, 1, 2}}, {-1, 2, 3}},
    {"insert among elements never written", 5, {{Op::Write, 0, 0}, {Op::Insert, 3, 1}}, {0, -1, -1, 1, -1, -1, -1}},
    {"insert beyond the present elements",
     40,
     {{Op::Write, 0, 0}, {Op::Insert, 30, 1}},
     [] {
         std::vector<int> expected(42, -1);
         expected[0] = 0, expected[30] = 1;
         return expected;
     }()},
    {"remove moves the elements above down",
     -1,
     {{Op::Append, 0, 0}, {Op::Append, 0, 1}, {Op::Append, 0, 2}, {Op::Remove, 1, 0}},
     {0, 2}},
    {"remove the only element", 0, {{Op::Write, 0, 3}, {Op::Remove, 0, 0}}, {}},
    {"remove where nothing is present only lowers the bound",
     40,
     {{Op::Write, 0, 0}, {Op::Remove, 30, 0}},
     [] {
         std::vector<int> expected(40, -1);
         expected[0] = 0;
         return expected;
     }()},
    {"redim down and up again",
     5,
     {{Op::Write, 4, 1}, {Op::Write, 1, 2}, {Op::Redim, 2, 0}, {Op::Redim, 5, 0}},
     {-1, 2, -1, -1, -1, -1}},
};

template <class Value> void runStep(ArrayRecord* array, const Step& step, const std::vector<Value>& samples)
{
    using Kind = ArrayKind<Value>;
    switch (step.op) {
    case Op::Append:
        Kind::append(array, samples[step.sample]);
        break;
    case Op::Insert:
        Kind::insert(array, step.index, samples[step.sample]);
        break;
    case Op::Remove:
        Kind::remove(array, step.index);
        break;
    case Op::Redim:
        Kind::redim(array, 0, step.index);
        break;
    case Op::Write:
        Kind::directWrite(array, step.index, samples[step.sample]);
        break;
    }
}

template <class Value> class ListOfEveryKind : public testing::Test {};
using ElementKinds = testing::Types<int32_t, float, double, StringRecord*, ObjectHeader*>;
TYPED_TEST_SUITE(ListOfEveryKind, ElementKinds);

TYPED_TEST(ListOfEveryKind, AppendInsertRemoveAndRedimMoveElementsAndTheBound)
{
    std::vector<TypeParam> samples = ArrayKind<TypeParam>::samples();
    for (const Scenario& scenario : scenarios) {
        ArrayRecord* array = arrayWithBound(scenario.bound);
        for (const Step& step : scenario.steps)
            runStep(array, step, samples);
        EXPECT_EQ(RuntimeUBound(array), int32_t(scenario.contents.size()) - 1) << scenario.what;
        EXPECT_EQ(arrayContents<TypeParam>(array), scenario.contents) << scenario.what;
        ArrayKind<TypeParam>::dispose(array);
    }
}

template <class Value> class SortOfEveryKind : public testing::Test {};
using SortedKinds = testing::Types<int32_t, float, double, StringRecord*>;
TYPED_TEST_SUITE(SortOfEveryKind, SortedKinds);

// Strings: the samples "b", "A", "a", "B" sort by the locale's case-sensitive collation, not
// by bytes ("A" "B" "a" "b") and not ignoring case (which would leave "A" and "a" equal).
TYPED_TEST(SortOfEveryKind, SortingPutsTheSamplesInAscendingOrder)
{
    using Kind = ArrayKind<TypeParam>;
    std::vector<TypeParam> samples = Kind::samples();
    ArrayRecord* array = arrayWithBound(3);
    for (int32_t i = 0; i < 4; ++i)
        Kind::directWrite(array, i, samples[i]);
    Kind::sort(array);
    EXPECT_EQ(arrayContents<TypeParam>(array), std::vector<int>(Kind::sortedSamples, Kind::sortedSamples + 4));
    Kind::dispose(array);
}

TEST(Sort, IntegersSortAsSignedValuesWithUnwrittenElementsAsZero)
{
    struct Case {
        const char* what;
        int32_t bound;
        std::vector<int32_t> values;
        std::vector<int32_t> sorted;
    } cases[] = {
        {"three values", 2, {3, -1, 2}, {-1, 2, 3}},
        {"unwritten elements take part as zero", 4, {3, -1}, {-1, 0, 0, 0, 3}},
        {"the extremes", 3, {INT32_MAX, INT32_MIN, 0, -1}, {INT32_MIN, -1, 0, INT32_MAX}},
        {"nothing to sort", -1, {}, {}},
    };
    for (const Case& c : cases) {
        ArrayRecord* array = arrayWithBound(c.bound);
        for (size_t i = 0; i < c.values.size(); ++i)
            RuntimeDirectWriteIntArray(array, int32_t(i), c.values[i]);
        RuntimeIntArraySort(array);
        std::vector<int32_t> sorted;
        for (int32_t i = 0; i <= c.bound; ++i)
            sorted.push_back(RuntimeDirectReadIntArray(array, i));
        EXPECT_EQ(sorted, c.sorted) << c.what;
        EXPECT_EQ(array->top.length, c.bound + 1) << c.what;
        RuntimeDisposeIntArray(array);
    }
}

// Long runs of equal values (an array mostly never written) and every order of segment
// sizes around the switch to selection sort.
TEST(Sort, LargeArraysWithRepeatsComeOutAsTheSortedPermutation)
{
    for (int32_t count : {6, 7, 11, 1000, 50000}) {
        ArrayRecord* array = arrayWithBound(count - 1);
        std::vector<int32_t> values;
        for (int32_t i = 0; i < count; i += 3) {
            values.push_back((i * 7919) % 101 - 50);
            RuntimeDirectWriteIntArray(array, i, values.back());
        }
        values.resize(count, 0);
        std::sort(values.begin(), values.end());
        RuntimeIntArraySort(array);
        int32_t wrong = 0;
        for (int32_t i = 0; i < count; ++i)
            wrong += RuntimeDirectReadIntArray(array, i) != values[i];
        EXPECT_EQ(wrong, 0) << count << " elements";
        RuntimeDisposeIntArray(array);
    }
}

TEST(Sort, NotANumberAmongDoublesLeavesTheSameElements)
{
    std::vector<double> values{3, NAN, -1, 2, NAN, 8, 0.5, -4, NAN, 1};
    ArrayRecord* array = arrayWithBound(int32_t(values.size()) - 1);
    for (size_t i = 0; i < values.size(); ++i)
        RuntimeDirectWriteDoubleArray(array, int32_t(i), values[i]);
    RuntimeDoubleArraySort(array);
    std::vector<double> after;
    for (size_t i = 0; i < values.size(); ++i)
        after.push_back(RuntimeDirectReadDoubleArray(array, int32_t(i)));
    auto ordered = [](double a, double b) { return std::isnan(b) ? !std::isnan(a) : !std::isnan(a) && a < b; };
    std::sort(values.begin(), values.end(), ordered);
    std::sort(after.begin(), after.end(), ordered);
    EXPECT_EQ(std::count_if(after.begin(), after.end(), [](double d) { return std::isnan(d); }), 3);
    after.resize(7), values.resize(7);
    EXPECT_EQ(after, values);
    RuntimeDisposeIntArray(array);
}

} // namespace
