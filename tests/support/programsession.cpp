// A program started for a test and driven while it runs: its windows found by title, clicked
// and typed into the way a person would, and its end awaited.
#include "tests/support/programsession.h"

#include "tests/support/keys.h"
#include "tests/support/messageboxes.h"
#include "tests/support/process.h"
#include "tests/support/timescale.h"
#include "tests/support/waits.h"

#include <cstdio>
#include <gtest/gtest.h>

namespace {

struct TitleSearch {
    DWORD processId;
    std::wstring title;
    HWND found;
};

std::wstring wideFromUtf8(const std::string& text)
{
    int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(size, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), wide.data(), size);
    return wide;
}

bool matches(HWND window, TitleSearch& search)
{
    wchar_t title[512] = {};
    GetWindowTextW(window, title, 512);
    return IsWindowVisible(window) && search.title == title;
}

BOOL CALLBACK searchChild(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<TitleSearch*>(context);
    if (!search->found && matches(window, *search))
        search->found = window;
    return search->found == nullptr;
}

BOOL CALLBACK searchTopLevel(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<TitleSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId)
        return TRUE;
    if (matches(window, *search))
        search->found = window;
    else
        EnumChildWindows(window, searchChild, context);
    return search->found == nullptr;
}

HWND firstOf(const std::vector<HWND>& windows)
{
    return windows.empty() ? nullptr : windows.front();
}

bool inFront(HWND window)
{
    return GetForegroundWindow() == GetAncestor(window, GA_ROOT);
}

// A window already in front is left alone: asking again would end an open menu.
void bringToFront(HWND window)
{
    if (inFront(window))
        return;
    SetForegroundWindow(GetAncestor(window, GA_ROOT));
    if (!waitUntil([window] { return inFront(window); }, 1000))
        ADD_FAILURE() << "the window did not come to the front";
}

// The system maps an absolute coordinate c to pixel c * size / 65536, rounded down: the smallest
// c that lands on the pixel (a rounded one can land on the pixel before, and the pointer then
// never arrives where it was sent).
LONG absoluteCoordinate(int pixel, int size)
{
    return LONG((int64_t(pixel) * 65536 + size - 1) / size);
}

// Mouse input carries its screen position: a button sent on its own would act wherever the
// system last saw the pointer, which may lag behind SetCursorPos.
void sendMouse(DWORD flags, POINT at)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = absoluteCoordinate(at.x, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = absoluteCoordinate(at.y, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    if (flags & MOUSEEVENTF_LEFTDOWN)
        sendQueued(input, VK_LBUTTON, true);
    else if (flags & MOUSEEVENTF_LEFTUP)
        sendQueued(input, VK_LBUTTON, false);
    else
        SendInput(1, &input, sizeof input);
}

bool cursorAt(POINT to)
{
    POINT at;
    return GetCursorPos(&at) && at.x == to.x && at.y == to.y;
}

// Moves the pointer and waits until the system has it there, before a button is pressed.
// Wine moves the display's pointer only when the system's position changes, and a program hands
// the display's pointer events back to the system late: an earlier position can come back after
// a later move (the move is then made again), or stand at the target already, when a move there
// would leave the display's pointer elsewhere; Wine reports the display's pointer once the
// system's position is a tenth of a second old, and a held button then drags off its control.
// So the pointer goes to a neighbouring pixel first.
void moveMouse(POINT to)
{
    POINT beside = {to.x > 0 ? to.x - 1 : to.x + 1, to.y};
    for (int attempt = 0; attempt < 2; ++attempt) {
        sendMouse(0, beside);
        sendMouse(0, to);
        if (waitUntil([to] { return cursorAt(to); }, 500))
            return;
    }
    ADD_FAILURE() << "the pointer did not reach (" << to.x << ", " << to.y << ")";
}

// Input a helper gave has been handled, or the test fails saying what was not.
void expectIdle(HWND window, const char* after)
{
    if (waitUntilIdle(window))
        return;
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    ADD_FAILURE() << "the program did not come back for messages after " << after << " (a window of class " << className
                  << ", process " << processId << (processId == GetCurrentProcessId() ? ": ours" : "") << ")";
}

} // namespace

ProgramSession::ProgramSession(const std::string& commandLine, const std::string& folder)
{
    if (!startProcess(commandLine, process, folder))
        process = {};
}

ProgramSession::~ProgramSession()
{
    endProcess(process);
}

HWND visibleWindowOf(DWORD processId, const std::string& titleUtf8)
{
    TitleSearch search{processId, wideFromUtf8(titleUtf8), nullptr};
    EnumWindows(searchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ProgramSession::waitForWindow(const std::string& titleUtf8, DWORD timeoutMs)
{
    HWND found = nullptr;
    if (!waitUntil([&] { return (found = visibleWindowOf(process.dwProcessId, titleUtf8)) != nullptr; }, timeoutMs))
        return nullptr;
    return found;
}

// A box is given once it has finished drawing, to be read.
HWND ProgramSession::waitForMessageBox(DWORD timeoutMs)
{
    HWND box = nullptr;
    if (!waitUntil([&] { return (box = firstOf(messageBoxesOf(process.dwProcessId))) != nullptr; }, timeoutMs))
        return nullptr;
    if (!waitUntilDrawn(box))
        ADD_FAILURE() << "a message box did not finish drawing";
    return box;
}

bool ProgramSession::waitForExit(DWORD timeoutMs, DWORD& exitCode)
{
    if (WaitForSingleObject(process.hProcess, stretched(timeoutMs)) != WAIT_OBJECT_0)
        return false;
    GetExitCodeProcess(process.hProcess, &exitCode);
    return true;
}

bool waitUntilInFront(HWND window, DWORD timeoutMs)
{
    return waitUntil([window] { return inFront(window); }, timeoutMs);
}

namespace {
BOOL CALLBACK noteUnpainted(HWND window, LPARAM pending)
{
    if (GetUpdateRect(window, nullptr, FALSE))
        *reinterpret_cast<bool*>(pending) = true;
    return TRUE;
}

bool nothingToPaint(HWND window)
{
    bool pending = false;
    noteUnpainted(window, reinterpret_cast<LPARAM>(&pending));
    EnumChildWindows(window, noteUnpainted, reinterpret_cast<LPARAM>(&pending));
    return !pending;
}

// The thread answers a sent message when it next looks for messages, so an answer shows it has
// finished what it was handling.
bool answers(HWND window)
{
    DWORD_PTR answer;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, stretched(2000), &answer) || !IsWindow(window);
}
} // namespace

// The system makes a paint message for a thread only when its queue holds no posted message and
// no input: so once a window made to need painting has painted, the thread has taken everything
// that was queued for it before (the caller's input is there already: see sendQueued), and when
// it answers a sent message after that it has handled it. One pixel of the window and of the
// child over it is made to need painting, which draws nothing new. A window that is gone (closed
// by that input) has nothing left to take; for a hidden one (never painted) and the desktop
// (clicked where no window is; it holds every window) only the answer is awaited. A modal loop
// (a menu, a message box) takes and paints as the thread's own does. A window of the calling
// thread (one a test made itself) is painted while the wait answers its messages.
bool waitUntilIdle(HWND window)
{
    if (!IsWindow(window))
        return true;
    HWND root = GetAncestor(window, GA_ROOT);
    if (root && root != GetDesktopWindow() && IsWindowVisible(root)) {
        RECT pixel = {0, 0, 1, 1};
        RedrawWindow(root, &pixel, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
        auto painted = [root] { return !IsWindow(root) || nothingToPaint(root); };
        bool ours = GetWindowThreadProcessId(root, nullptr) == GetCurrentThreadId();
        if (!(ours ? waitAnswering(painted, 5000) : waitUntil(painted, 5000)))
            return false;
    }
    return answers(window);
}

bool waitUntilDrawn(HWND window, DWORD timeoutMs)
{
    bool drawn = waitUntil([window] { return nothingToPaint(window); }, timeoutMs);
    return waitUntilIdle(window) && drawn;
}

void clickInWindow(HWND window, int x, int y)
{
    bringToFront(window);
    POINT point{x, y};
    ClientToScreen(window, &point);
    clickOnScreen(point);
}

void clickOnScreen(POINT at)
{
    HWND target = WindowFromPoint(at);
    moveMouse(at);
    sendMouse(MOUSEEVENTF_LEFTDOWN, at);
    sendMouse(MOUSEEVENTF_LEFTUP, at);
    expectIdle(target, "a click");
}

void typeIntoWindow(HWND window, const std::vector<WORD>& keys)
{
    bringToFront(window);
    for (WORD key : keys) {
        sendKeyEdge(key, false);
        sendKeyEdge(key, true);
        expectIdle(window, "a key");
    }
}

void pressInWindow(HWND window, WORD key, const std::vector<WORD>& held)
{
    bringToFront(window);
    for (WORD modifier : held)
        sendKeyEdge(modifier, false);
    sendKeyEdge(key, false);
    sendKeyEdge(key, true);
    for (auto modifier = held.rbegin(); modifier != held.rend(); ++modifier)
        sendKeyEdge(*modifier, true);
    expectIdle(window, "a key with modifiers");
}

// Characters as an input method hands them over, whatever the keyboard layout.
void typeTextIntoWindow(HWND window, const std::string& utf8)
{
    bringToFront(window);
    for (wchar_t character : wideFromUtf8(utf8)) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = character;
        input.ki.dwFlags = KEYEVENTF_UNICODE;
        sendQueued(input, VK_PACKET, true);
        input.ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        sendQueued(input, VK_PACKET, false);
        expectIdle(window, "a typed character");
    }
}

namespace {
// The system moves and sizes a window in a loop of its own, holding the mouse, until the
// button is let go.
bool inMoveOrSize(HWND window)
{
    GUITHREADINFO state = {sizeof state};
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &state);
    return (state.flags & GUI_INMOVESIZE) || state.hwndCapture;
}
} // namespace

void dragOnScreen(POINT from, POINT to)
{
    HWND window = GetAncestor(WindowFromPoint(from), GA_ROOT);
    pressOnScreen(from);
    for (int step = 1; step <= 5; ++step)
        moveOnScreen({from.x + (to.x - from.x) * step / 5, from.y + (to.y - from.y) * step / 5});
    releaseOnScreen();
    if (!waitUntil([window] { return !inMoveOrSize(window); }, 2000))
        ADD_FAILURE() << "the window was still being moved or sized after the drag";
    expectIdle(window, "a drag");
}

namespace {
HWND pressedWindow; // the window the held button went down in: it follows the pointer
POINT heldAt;       // where the held button is: the point it went down at or was moved to
} // namespace

void pressOnScreen(POINT at)
{
    pressedWindow = GetAncestor(WindowFromPoint(at), GA_ROOT);
    heldAt = at;
    moveMouse(at);
    sendMouse(MOUSEEVENTF_LEFTDOWN, at);
    expectIdle(pressedWindow, "a press");
}

void moveOnScreen(POINT to)
{
    heldAt = to;
    moveMouse(to);
    expectIdle(pressedWindow, "a move");
}

// The release goes to the point the pointer was moved to, not to where the system says it is:
// under Wine the reported position now and then falls back to an earlier one.
void releaseOnScreen()
{
    sendMouse(MOUSEEVENTF_LEFTUP, heldAt);
    expectIdle(pressedWindow, "a release");
}

void closeWindow(HWND window)
{
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    expectIdle(window, "a close");
}

namespace {
std::string nameOf(HWND window)
{
    if (!window)
        return "none";
    char className[64] = {}, title[128] = {};
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, title, sizeof title);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    char text[320];
    snprintf(text, sizeof text, "%p (%s \"%s\" of process %lu)", static_cast<void*>(window), className, title,
             static_cast<unsigned long>(processId));
    return text;
}
} // namespace

std::string inputStateOf(HWND window)
{
    POINT cursor{};
    GetCursorPos(&cursor);
    GUITHREADINFO state = {sizeof state};
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &state);
    bool held = (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0;
    return "pointer at (" + std::to_string(cursor.x) + ", " + std::to_string(cursor.y) + "), left button " +
           (held ? "down" : "up") + "; in front: " + nameOf(GetForegroundWindow()) + "; the program's active window " +
           nameOf(state.hwndActive) + ", focus " + nameOf(state.hwndFocus) + ", capture " + nameOf(state.hwndCapture) +
           (state.flags & GUI_INMENUMODE ? ", in a menu" : "") + (state.flags & GUI_INMOVESIZE ? ", moving" : "");
}
