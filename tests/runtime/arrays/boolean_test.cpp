// Fast boolean arrays: one byte per element, created, written, resized, appended to, inserted
// into and removed from.
#include "tests/runtime/arrays/arraytesting.h"

#include <gtest/gtest.h>

namespace {

enum class Op { Write, Append, Insert, Remove, Redim };

struct Step {
    Op op;
    int32_t index; // the index, or the bound for a redim
    int32_t value;
};

std::vector<int32_t> booleanContents(FastBooleanArray* array)
{
    std::vector<int32_t> values;
    for (int32_t i = 0; i <= RuntimeFastArrayUBound(array); ++i)
        values.push_back(RuntimeFastReadBoolArray(array, i));
    return values;
}

void runStep(FastBooleanArray* array, const Step& step)
{
    switch (step.op) {
    case Op::Write:
        RuntimeFastWriteBoolArray(array, step.index, step.value);
        break;
    case Op::Append:
        RuntimeFastBooleanArrayAppend(array, step.value);
        break;
    case Op::Insert:
        RuntimeFastBooleanArrayInsert(array, step.index, step.value);
        break;
    case Op::Remove:
        RuntimeFastBooleanArrayRemove(array, step.index);
        break;
    case Op::Redim:
        RuntimeRedimFastBoolArray(array, step.index);
        break;
    }
}

TEST(FastBooleanArray, EveryOperationMovesTheElementsAndTheCountTogether)
{
    struct Case {
        const char* what;
        int32_t bound;
        std::vector<Step> steps;
        std::vector<int32_t> contents;
    } cases[] = {
        {"a new array is all false", 3, {}, {0, 0, 0, 0}},
        {"an array of no elements", -1, {}, {}},
        {"a write keeps the low byte, as a signed byte", 2, {{Op::Write, 0, 1}, {Op::Write, 2, 0x1FF}}, {1, 0, -1}},
        {"append to no elements", -1, {{Op::Append, 0, 1}}, {1}},
        {"appends in a row", -1, {{Op::Append, 0, 1}, {Op::Append, 0, 0}, {Op::Append, 0, 1}}, {1, 0, 1}},
        {"insert at the front", 1, {{Op::Write, 0, 1}, {Op::Insert, 0, 2}}, {2, 1, 0}},
        {"insert at the element count", 1, {{Op::Write, 1, 1}, {Op::Insert, 2, 3}}, {0, 1, 3}},
        {"remove moves the elements above down", 2, {{Op::Write, 1, 1}, {Op::Write, 2, 2}, {Op::Remove, 0, 0}}, {1, 2}},
        {"remove the last element", 0, {{Op::Write, 0, 1}, {Op::Remove, 0, 0}}, {}},
        {"redim down and up: the elements come back false",
         3,
         {{Op::Write, 0, 1}, {Op::Write, 3, 1}, {Op::Redim, 0, 0}, {Op::Redim, 4, 0}},
         {1, 0, 0, 0, 0}},
        {"a removed element does not come back with a redim",
         1,
         {{Op::Write, 1, 1}, {Op::Append, 0, 1}, {Op::Remove, 2, 0}, {Op::Remove, 1, 0}, {Op::Redim, 2, 0}},
         {0, 0, 0}},
    };
    for (const Case& c : cases) {
        FastBooleanArray* array = RuntimeCreateFastBooleanArray(c.bound);
        for (const Step& step : c.steps)
            runStep(array, step);
        EXPECT_EQ(RuntimeFastArrayUBound(array), int32_t(c.contents.size()) - 1) << c.what;
        EXPECT_EQ(booleanContents(array), c.contents) << c.what;
        RuntimeDisposeFastBooleanArray(array);
    }
}

TEST(FastBooleanArray, ManyAppendsKeepEveryElement)
{
    FastBooleanArray* array = RuntimeCreateFastBooleanArray(-1);
    for (int32_t i = 0; i < 10000; ++i)
        RuntimeFastBooleanArrayAppend(array, i % 3 == 0);
    int32_t wrong = 0;
    for (int32_t i = 0; i < 10000; ++i)
        wrong += RuntimeFastReadBoolArray(array, i) != (i % 3 == 0);
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(RuntimeFastArrayUBound(array), 9999);
    RuntimeDisposeFastBooleanArray(array);
}

} // namespace
