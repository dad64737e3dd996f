// Drives a Windows program from outside: starts it, answers its message boxes, waits for it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct SeenMessageBox {
    std::string caption; // UTF-8
    std::string text;    // UTF-8
    bool hasOk = false;
    bool hasCancel = false;
    bool redIcon = false; // its icon shows the red of the system's error icon
};

struct ProgramRun {
    bool started = false;
    bool timedOut = false;
    DWORD exitCode = 0;
    std::vector<SeenMessageBox> boxes;
};

// Answers a box the way a person at the keyboard would: the Return key, which chooses the
// default button.
constexpr int pressReturnKey = -1;

struct ProgramOptions {
    std::string folder;      // current folder of the program; empty: ours
    int answer = IDOK;       // the button pressed in every message box, or pressReturnKey
    DWORD timeoutMs = 30000; // after this the program is ended and the run is timed out
};

// The process's visible top-level windows of that window class.
std::vector<HWND> visibleWindowsOf(DWORD processId, const char* className);
// The visible message boxes of a process, and what one shows.
std::vector<HWND> messageBoxesOf(DWORD processId);
// Clicks a button of another program's dialog or message box, as its notification would say.
void pushDialogButton(HWND dialog, int id);
SeenMessageBox readMessageBox(HWND box);

// Runs the command line to its end, reading and answering every message box it shows.
ProgramRun runProgram(const std::string& commandLine, const ProgramOptions& options = {});

// Asks `done` every few milliseconds until it holds; false when it still does not after the time
// (given for our usual machines: it is stretched by the machine's time scale, as every bound
// the support takes).
[[nodiscard]] bool waitUntil(const std::function<bool()>& done, DWORD timeoutMs);

// Sends one input event that presses (`down`) or releases the key and waits until the system
// has queued it for the program; a test fails when it is not.
void sendQueued(INPUT input, int key, bool down);
// Presses (or, with `up`, releases) a key wherever the keyboard focus is, as sendQueued.
void sendKeyEdge(WORD key, bool up);
// The same, answering the messages of this thread's own windows meanwhile, as any program on
// the desktop does.
[[nodiscard]] bool waitAnswering(const std::function<bool()>& done, DWORD timeoutMs = 3000);

// Text conversions for comparing what a program shows or writes (code page 932) with the
// UTF-8 literals of the tests.
std::string utf8FromAnsi(const std::string& ansi);
std::string ansiFromUtf8(const std::string& utf8);

// The full path of a file or folder given relative to the current folder.
std::string fullPath(const std::string& relative);
// The lines a program wrote to `folder`\trace.log, in UTF-8, without their line ends.
std::vector<std::string> traceLines(const std::string& folder);
// Lines as "[one] [two] ", for failure messages.
std::string joinedLines(const std::vector<std::string>& lines);

// Whole-file helpers for fixtures.
bool readWholeFile(const std::string& path, std::string& bytes);
bool writeWholeFile(const std::string& path, const std::string& bytes);
// Makes an empty folder (removing what was there) and returns its path.
std::string freshFolder(const std::string& path);
