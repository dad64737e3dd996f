// Images made from descriptions, started as programs and driven as a person would: their
// window found, clicked, typed into and closed; the events they traced checked in order.
#include "tests/support/programdriver.h"
#include "tests/support/programsession.h"

#include <windows.h>

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

const char* const windowTitle = "証明ウィンドウ";

struct DrivenProgram {
    std::string folder;
    ProgramSession session;
    HWND window = nullptr;

    DrivenProgram(const char* program, const char* folderName, const std::string& arguments = "")
        : folder(freshFolder(fullPath(folderName))), session("\"" + fullPath(program) + "\"" + arguments, folder)
    {
        window = session.waitForWindow(windowTitle);
        if (window && waitUntilInFront(window))
            waitUntilIdle(window); // done showing it (and fitting the frame to it)
    }

    // Waits until the program has traced `line`; false after two seconds.
    bool traced(const std::string& line)
    {
        return waitUntil(
            [&] {
                Lines lines = traceLines(folder);
                return std::find(lines.begin(), lines.end(), line) != lines.end();
            },
            2000);
    }

    // A click given while a just-started program is still settling can be lost on the way;
    // a person would click again.
    void clickUntilTraced(int x, int y, const std::string& line)
    {
        for (int attempt = 0; attempt < 3; ++attempt) {
            clickInWindow(window, x, y);
            if (traced(line))
                return;
        }
    }

    // The first request to close is refused by the window, the second ends it.
    DWORD closeTwiceAndWait()
    {
        closeWindow(window);
        closeWindow(window);
        DWORD exitCode = 99;
        EXPECT_TRUE(session.waitForExit(10000, exitCode)) << "the program did not end";
        return exitCode;
    }
};

TEST(StartedImage, OpensItsWindowTakesClicksAndKeysAndEndsWithItsLastWindow)
{
    DrivenProgram run("proof_plain.exe", "proof-plain");
    ASSERT_NE(run.window, nullptr) << "no window titled " << windowTitle;
    run.clickUntilTraced(50, 40, "Pad.MouseUp 30,20"); // inside the canvas at (20, 20)
    typeIntoWindow(run.window, {'A', 'B', VK_ESCAPE});
    EXPECT_TRUE(run.traced("Window.KeyDown \x1b")) << "a request to close would overtake keys not yet taken";
    EXPECT_EQ(run.closeTwiceAndWait(), 0u);
    EXPECT_EQ(traceLines(run.folder),
              (Lines{"App.Open", "App.NewDocument", "Pad.Open", "Window.Open", "App.Activate", "Pad.MouseDown 30,20",
                     "Pad.MouseUp 30,20", "Window.KeyDown a", "Window.KeyDown b", "Window.KeyDown \x1b",
                     "Window.CancelClose refused", "Window.CancelClose agreed", "Window.Close", "Run ended"}));
}

// Each argument is opened as a document; blanks alone are not an empty command line, and open
// no document at all (not even a new one).
TEST(StartedImage, TheCommandLineDecidesWhichDocumentsOpen)
{
    struct Case {
        const char* folder;
        const char* arguments; // after the quoted program name
        Lines firstTraced;
    };
    const Case cases[] = {
        {"proof-arguments", " \"first document\" second", {"App.Open", "App.OpenDocument", "App.OpenDocument"}},
        {"proof-blanks", "   ", {"App.Open", "Pad.Open", "Window.Open"}},
    };
    for (const Case& c : cases) {
        DrivenProgram run("proof_plain.exe", c.folder, c.arguments);
        ASSERT_NE(run.window, nullptr) << c.folder;
        EXPECT_EQ(run.closeTwiceAndWait(), 0u) << c.folder;
        Lines lines = traceLines(run.folder);
        ASSERT_GE(lines.size(), 3u) << c.folder;
        EXPECT_EQ(Lines(lines.begin(), lines.begin() + 3), c.firstTraced) << c.folder;
    }
}

TEST(StartedImage, InFrameModeTheDocumentWindowLivesInsideTheFrameUntilTheApplicationQuits)
{
    DrivenProgram run("proof_frame.exe", "proof-frame");
    ASSERT_NE(run.window, nullptr);
    HWND frame = GetAncestor(run.window, GA_ROOT);
    ASSERT_NE(frame, run.window) << "the document window is a child of the frame";
    wchar_t frameTitle[64] = {};
    GetWindowTextW(frame, frameTitle, 64);
    EXPECT_EQ(std::wstring(frameTitle), L"手形・小切手");
    RECT frameClient, document;
    GetClientRect(frame, &frameClient);
    GetWindowRect(run.window, &document);
    EXPECT_GE(frameClient.right, document.right - document.left) << "the frame shows the whole window";
    EXPECT_GE(frameClient.bottom, document.bottom - document.top);
    EXPECT_EQ(run.closeTwiceAndWait(), 0u);
    EXPECT_EQ(traceLines(run.folder), (Lines{"App.Open", "App.NewDocument", "App.Activate", "Pad.Open", "Window.Open",
                                             "Window.CancelClose refused", "Window.CancelClose agreed", "Window.Close",
                                             "App.Close", "Run ended"}));
}

} // namespace
