// A program started for a test and driven while it runs: its windows found by title, clicked
// and typed into the way a person would, and its end awaited.
#include "tests/support/programsession.h"

#include "tests/support/programdriver.h"

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
    waitUntil([window] { return inFront(window); }, 1000);
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

// Moves the pointer and waits until the system has it there, before a button is pressed. Wine
// now and then drops an absolute move; the pointer is then put there directly.
void moveMouse(POINT to)
{
    sendMouse(0, to);
    if (!waitUntil([to] { return cursorAt(to); }, 500)) {
        SetCursorPos(to.x, to.y);
        waitUntil([to] { return cursorAt(to); }, 1000);
    }
}

} // namespace

ProgramSession::ProgramSession(const std::string& commandLine, const std::string& folder)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string line = commandLine;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process))
        process = {};
}

ProgramSession::~ProgramSession()
{
    if (!process.hProcess)
        return;
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process.hProcess, 255);
        WaitForSingleObject(process.hProcess, 5000);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
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
    waitUntil([&] { return (found = visibleWindowOf(process.dwProcessId, titleUtf8)) != nullptr; }, timeoutMs);
    return found;
}

HWND ProgramSession::waitForMessageBox(DWORD timeoutMs)
{
    for (DWORD waited = 0; waited <= timeoutMs; waited += 50) {
        std::vector<HWND> boxes = messageBoxesOf(process.dwProcessId);
        if (!boxes.empty()) {
            Sleep(100); // let it finish drawing before it is read
            return boxes.front();
        }
        Sleep(50);
    }
    return nullptr;
}

bool ProgramSession::waitForExit(DWORD timeoutMs, DWORD& exitCode)
{
    if (WaitForSingleObject(process.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return false;
    GetExitCodeProcess(process.hProcess, &exitCode);
    return true;
}

bool waitUntilInFront(HWND window, DWORD timeoutMs)
{
    return waitUntil([window] { return inFront(window); }, timeoutMs);
}

// A thread takes messages sent to it before the next message of its queue, so each sent message
// answered shows the thread came back for messages once more. But a thread answers every sent
// message that is waiting before it looks at its queue: a message sent right after the last
// answer is answered again before the queued input is taken, however many are sent. So each
// round first leaves the thread a moment to take the next queued message. A click queues up to
// three (move, button down, button up: in the queue before this is called, see sendQueued),
// so after the fourth round the thread has handled the button up and whatever it set off.
// Nested peeks can answer sooner, so a test that needs an order waits for what the program
// shows. A window that is gone (closed by that input) has nothing left to take.
bool waitUntilIdle(HWND window)
{
    const int queuedByOneInput = 3;
    const DWORD momentToTakeOne = 3;
    for (int round = 0; round <= queuedByOneInput; ++round) {
        Sleep(momentToTakeOne);
        DWORD_PTR answer;
        if (!SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &answer))
            return !IsWindow(window);
    }
    return true;
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
} // namespace

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
    waitUntilIdle(target);
}

void typeIntoWindow(HWND window, const std::vector<WORD>& keys)
{
    bringToFront(window);
    for (WORD key : keys) {
        sendKeyEdge(key, false);
        sendKeyEdge(key, true);
        waitUntilIdle(window);
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
    waitUntilIdle(window);
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
        waitUntilIdle(window);
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

void holdOnScreen(POINT at, DWORD milliseconds)
{
    pressOnScreen(at);
    Sleep(milliseconds);
    releaseOnScreen();
}

void dragOnScreen(POINT from, POINT to)
{
    HWND window = GetAncestor(WindowFromPoint(from), GA_ROOT);
    pressOnScreen(from);
    for (int step = 1; step <= 5; ++step)
        moveOnScreen({from.x + (to.x - from.x) * step / 5, from.y + (to.y - from.y) * step / 5});
    releaseOnScreen();
    waitUntil([window] { return !inMoveOrSize(window); }, 2000);
    waitUntilIdle(window);
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
    waitUntilIdle(pressedWindow);
}

void moveOnScreen(POINT to)
{
    heldAt = to;
    moveMouse(to);
    waitUntilIdle(pressedWindow);
}

// The release goes to the point the pointer was moved to, not to where the system says it is:
// under Wine the reported position now and then falls back to an earlier one.
void releaseOnScreen()
{
    sendMouse(MOUSEEVENTF_LEFTUP, heldAt);
    waitUntilIdle(pressedWindow);
}

void closeWindow(HWND window)
{
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    waitUntilIdle(window);
}
