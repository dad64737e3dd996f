// Images made from descriptions, started as programs and driven as a person would: their
// window found, clicked, typed into and closed; the events they traced checked in order.
#include "tests/support/files.h"
#include "tests/support/messageboxes.h"
#include "tests/support/programsession.h"
#include "tests/support/tracelines.h"
#include "tests/support/waits.h"

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
        // Done showing it (and fitting the frame to it); a window that never settles is none.
        if (window && !(waitUntilInFront(window) && waitUntilIdle(window)))
            window = nullptr;
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

    // The window (or the frame holding it) is asked to close twice: the window refuses the
    // first request and agrees to the second.
    void closeTwice(HWND target)
    {
        closeWindow(target);
        closeWindow(target);
    }

    DWORD waitForEnd()
    {
        DWORD exitCode = 99;
        EXPECT_TRUE(session.waitForExit(10000, exitCode)) << "the program did not end";
        return exitCode;
    }

    DWORD closeTwiceAndWait()
    {
        closeTwice(window);
        return waitForEnd();
    }

    HWND topLevel() const { return GetAncestor(window, GA_ROOT); }
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

// Every argument is one OpenDocument with its own path, and nothing else is opened; blanks alone
// are not an empty command line and open no document at all (not even a new one).
TEST(StartedImage, EachCommandLineArgumentIsOpenedAsADocumentByItsPath)
{
    struct Case {
        const char* arguments;
        Lines documents;
    } cases[] = {
        {" \"first document\" second", {"App.OpenDocument first document", "App.OpenDocument second"}},
        {" \"C:\\Notes\\\" third", {"App.OpenDocument C:\\Notes", "App.OpenDocument third"}},
        {"", {"App.NewDocument"}},
        {"   ", {}},
    };
    for (const Case& c : cases) {
        DrivenProgram run("proof_plain.exe", "proof-arguments", c.arguments);
        ASSERT_NE(run.window, nullptr) << c.arguments;
        EXPECT_EQ(run.closeTwiceAndWait(), 0u) << c.arguments;
        Lines documents;
        for (const std::string& line : traceLines(run.folder)) {
            if (line.rfind("App.OpenDocument", 0) == 0 || line.rfind("App.NewDocument", 0) == 0)
                documents.push_back(line);
        }
        EXPECT_EQ(documents, c.documents) << c.arguments;
    }
}

TEST(StartedImage, InFrameModeTheDocumentWindowLivesInsideTheFrame)
{
    DrivenProgram run("proof_frame.exe", "proof-frame");
    ASSERT_NE(run.window, nullptr);
    HWND frame = run.topLevel();
    ASSERT_NE(frame, run.window) << "the document window is a child of the frame";
    wchar_t frameTitle[64] = {};
    GetWindowTextW(frame, frameTitle, 64);
    EXPECT_EQ(std::wstring(frameTitle), L"手形・小切手");
    RECT frameClient, document;
    GetClientRect(frame, &frameClient);
    GetWindowRect(run.window, &document);
    EXPECT_GE(frameClient.right, document.right - document.left) << "the frame shows the whole window";
    EXPECT_GE(frameClient.bottom, document.bottom - document.top);
    run.closeTwice(frame);
    EXPECT_EQ(run.waitForEnd(), 0u);
}

// Closing the last window does not end a program in frame mode; closing the frame asks the
// application, which ends it.
TEST(StartedImage, InFrameModeTheProgramRunsOnWithoutWindowsUntilTheFrameCloses)
{
    DrivenProgram run("proof_frame.exe", "proof-frame");
    ASSERT_NE(run.window, nullptr);
    HWND frame = run.topLevel();
    run.closeTwice(run.window);
    ASSERT_TRUE(run.traced("Window.Close"));
    // A program ending with its last window would have ended before it paints and answers again.
    EXPECT_TRUE(waitUntilIdle(frame));
    DWORD exitCode = 0;
    EXPECT_FALSE(run.session.waitForExit(0, exitCode)) << "the program ended with its last window";
    EXPECT_TRUE(IsWindowVisible(frame)) << "the frame stays";
    closeWindow(frame);
    EXPECT_EQ(run.waitForEnd(), 0u);
    EXPECT_EQ(traceLines(run.folder), (Lines{"App.Open", "App.NewDocument", "App.Activate", "Pad.Open", "Window.Open",
                                             "Window.CancelClose refused", "Window.CancelClose agreed", "Window.Close",
                                             "App.Close", "Run ended"}));
}

// The application quits from its window's Close handler (once Q armed it), as the real
// application does in frame mode.
TEST(StartedImage, InFrameModeTheApplicationQuitsFromItsWindowsClose)
{
    DrivenProgram run("proof_frame.exe", "proof-frame");
    ASSERT_NE(run.window, nullptr);
    typeIntoWindow(run.window, {'Q'});
    run.closeTwice(run.window);
    EXPECT_EQ(run.waitForEnd(), 0u);
    EXPECT_EQ(traceLines(run.folder), (Lines{"App.Open", "App.NewDocument", "App.Activate", "Pad.Open", "Window.Open",
                                             "Window.KeyDown q", "Window.CancelClose refused",
                                             "Window.CancelClose agreed", "Window.Close", "App.Close", "Run ended"}));
}

// A message box is owned by the frame in frame mode and captioned with its title; otherwise
// by the window in front, captioned "Message".
TEST(StartedImage, AMessageBoxIsOwnedAndCaptionedByTheFrameInFrameMode)
{
    struct Case {
        const char* program;
        bool frameMode;
        const char* caption;
    } cases[] = {
        {"proof_plain.exe", false, "Message"},
        {"proof_frame.exe", true, "手形・小切手"},
    };
    for (const Case& c : cases) {
        DrivenProgram run(c.program, "proof-box");
        ASSERT_NE(run.window, nullptr) << c.program;
        typeIntoWindow(run.window, {'M'});
        HWND box = run.session.waitForMessageBox();
        ASSERT_NE(box, nullptr) << c.program;
        SeenMessageBox seen = readMessageBox(box);
        EXPECT_EQ(seen.caption, c.caption) << c.program;
        EXPECT_EQ(seen.text, "証明の知らせ") << c.program;
        EXPECT_EQ(GetWindow(box, GW_OWNER), c.frameMode ? run.topLevel() : run.window) << c.program;
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
        run.closeTwice(run.topLevel());
        EXPECT_EQ(run.waitForEnd(), 0u) << c.program;
    }
}

} // namespace
