// Count errors: retaining or releasing a dead string shows the failed-assertion dialog and
// changes nothing; the program goes on when the user presses OK.
#include "base/memorypool.h"
#include "runtime/strings/string.h"
#include "tests/support/messageboxes.h"
#include "tests/support/programrun.h"
#include "tests/support/testmain.h"

#include <gtest/gtest.h>

namespace {

constexpr int intact = 7;
constexpr int damaged = 8;

// A string released once too often: its record has gone back to the pool.
CHILD_SCENARIO(useAfterLastRelease)
{
    uint32_t before = poolBytesInUse();
    StringRecord* s = stringFromText("gone");
    RuntimeUnlockString(s);
    RuntimeLockString(s);
    RuntimeUnlockString(s);
    bool poolIntact = poolBytesInUse() == before;
    // The pool must still hand out distinct blocks of the freed size.
    StringRecord* first = stringFromText("one!");
    StringRecord* second = stringFromText("two!");
    poolIntact &= first != second && first->buffer != second->buffer;
    RuntimeUnlockString(first);
    RuntimeUnlockString(second);
    return poolIntact && poolBytesInUse() == before ? intact : damaged;
}

// A record whose count has already fallen to 0 is never counted up again or freed twice.
CHILD_SCENARIO(countAlreadyZero)
{
    static uint8_t text[] = {3, 'a', 'b', 'c', 0};
    static StringRecord record = {0, text, 5, 3};
    RuntimeLockString(&record);
    RuntimeUnlockString(&record);
    return record.count == 0 && record.buffer == text ? intact : damaged;
}

TEST(StringCountErrors, RetainAndReleaseOfADeadStringEachReportAnAssertionAndCorruptNothing)
{
    for (const char* scenario : {"useAfterLastRelease", "countAlreadyZero"}) {
        ProgramRun run = runProgram(childCommandLine(scenario), {.answer = IDOK});
        ASSERT_TRUE(run.started) << scenario;
        ASSERT_FALSE(run.timedOut) << scenario;
        EXPECT_EQ(run.exitCode, DWORD(intact)) << scenario;
        ASSERT_EQ(run.boxes.size(), 2u) << scenario;
        for (const SeenMessageBox& box : run.boxes) {
            EXPECT_EQ(box.text.rfind("Failed Assertion: 4\n", 0), 0u) << scenario << ": " << box.text;
            EXPECT_NE(box.text.find(" string : "), std::string::npos) << scenario << ": " << box.text;
        }
    }
}

} // namespace
