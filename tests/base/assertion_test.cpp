// The failed-assertion dialog, seen and answered from outside the way a person would.
#include "base/assertion.h"
#include "tests/support/messageboxes.h"
#include "tests/support/programrun.h"
#include "tests/support/testmain.h"

#include <gtest/gtest.h>

namespace {

CHILD_SCENARIO(assertTwice)
{
    assertFailed(assertCategoryRuntime, 70000, "objects", 2368); // shown as a 16-bit number
    assertFailed(assertCategoryRuntime, assertInconsistent, "RuntimeMain", 12);
    return 5; // only reached when both were answered with OK
}

TEST(AssertionDialog, ShowsTheReportAndOkGoesOn)
{
    ProgramRun run = runProgram(childCommandLine("assertTwice"), {.answer = IDOK});
    ASSERT_TRUE(run.started);
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 5u);
    ASSERT_EQ(run.boxes.size(), 2u);
    const SeenMessageBox& box = run.boxes[0];
    EXPECT_EQ(box.text, "Failed Assertion: 4464\nPress OK to Continue\nPress Cancel to Quit.\n\n"
                        "Please report what caused this error\nalong with the information below.\n\n objects : 2368");
    EXPECT_EQ(box.caption, "");
    EXPECT_TRUE(box.hasOk);
    EXPECT_TRUE(box.hasCancel);
    EXPECT_TRUE(box.redIcon);
    EXPECT_NE(run.boxes[1].text.find(" RuntimeMain : 12"), std::string::npos);
}

TEST(AssertionDialog, CancelIsTheDefaultAndEndsTheProcessAtOnceWithExitCodeZero)
{
    ProgramRun run = runProgram(childCommandLine("assertTwice"), {.answer = pressReturnKey});
    ASSERT_TRUE(run.started);
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(run.boxes.size(), 1u);
}

} // namespace
