// A program started for a test and driven while it runs: its windows found by title, clicked
// and typed into the way a person would, and its end awaited.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A visible window of the process (top-level or a child such as a document window inside a
// frame) whose title is `titleUtf8`; null when there is none now.
HWND visibleWindowOf(DWORD processId, const std::string& titleUtf8);

class ProgramSession {
public:
    ProgramSession(const std::string& commandLine, const std::string& folder);
    ~ProgramSession(); // ends the program if it still runs
    ProgramSession(const ProgramSession&) = delete;
    ProgramSession& operator=(const ProgramSession&) = delete;

    bool started() const { return process.hProcess != nullptr; }
    DWORD processId() const { return process.dwProcessId; }
    // A visible window of the program (top-level or a child such as a document window inside
    // a frame) whose title is `titleUtf8`; null when none appears in time.
    HWND waitForWindow(const std::string& titleUtf8, DWORD timeoutMs = 10000);
    // A message box the program shows; null when none appears in time.
    HWND waitForMessageBox(DWORD timeoutMs = 5000);
    // Waits for the program to end; false when it is still running after the time.
    bool waitForExit(DWORD timeoutMs, DWORD& exitCode);

private:
    PROCESS_INFORMATION process{};
};

// Waits until the window's top-level window is in front: a program just started may still be
// activating its first window, and a click given meanwhile can be lost.
[[nodiscard]] bool waitUntilInFront(HWND window, DWORD timeoutMs = 5000);
// Waits until the thread of the window has handled what was queued for it so far (input, posted
// messages) and come back for messages; see programsession.cpp for how that is known. False
// when it has not within the time. The helpers below that give input wait so themselves, and a
// test fails when the program did not come back.
[[nodiscard]] bool waitUntilIdle(HWND window);

// Waits until the window and every window inside it have nothing left to paint and the program
// has come back for messages, when the screen shows what it painted.
[[nodiscard]] bool waitUntilDrawn(HWND window, DWORD timeoutMs = 5000);

// Brings the window's top-level window to the front, moves the mouse to the point of the
// window's client area and clicks the left button.
void clickInWindow(HWND window, int x, int y);
// Types virtual keys into the window, which is brought to the front first.
void typeIntoWindow(HWND window, const std::vector<WORD>& keys);
// Presses a key with modifier keys held (VK_CONTROL, VK_SHIFT, ...) in the window.
void pressInWindow(HWND window, WORD key, const std::vector<WORD>& held);
// Types text (UTF-8) into the window's focus as an input method would deliver it.
void typeTextIntoWindow(HWND window, const std::string& utf8);
// Clicks the left button at a screen point, without bringing any window to the front first:
// whatever lies there gets the click, as when a person clicks it.
void clickOnScreen(POINT at);
// Presses the left button at one screen point, moves to another and lets go (in the window
// that is at the first point).
void dragOnScreen(POINT from, POINT to);
// The three parts of a drag, for a test that holds the button while time passes: the button
// pressed at a point, the pointer moved with it held, the button let go where it was moved to.
void pressOnScreen(POINT at);
void moveOnScreen(POINT to);
void releaseOnScreen();
// Asks the window to close, as its close box does.
void closeWindow(HWND window);

// What the system says of the input of the window's thread, for a failure message: the pointer,
// the left button, the window in front, and the thread's active, focus and capture windows and
// menu mode.
std::string inputStateOf(HWND window);
