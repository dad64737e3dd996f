// Drives a Windows program from outside: starts it, answers its message boxes, waits for it.
#include "tests/support/programdriver.h"

#include "tests/support/screencapture.h"
#include "tests/support/timescale.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <sstream>

namespace {

constexpr int messageTextId = 0xFFFF;
constexpr int messageIconId = 0x0440;

std::string utf8FromWide(const std::wstring& wide)
{
    if (wide.empty())
        return {};
    int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string text(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), text.data(), size, nullptr, nullptr);
    return text;
}

std::string windowTextUtf8(HWND window)
{
    wchar_t text[2048] = {};
    GetWindowTextW(window, text, 2048);
    return utf8FromWide(text);
}

bool oneFlatColour(const Capture& shown)
{
    return std::all_of(shown.pixels.begin(), shown.pixels.end(),
                       [&](uint32_t pixel) { return pixel == shown.pixels[0]; });
}

// Looks at the pixels on screen: a person tells the error icon by its red. The screen shows a
// box's drawing a moment after the box painted it, so the icon (never one flat colour) is
// awaited there first.
bool showsRed(HWND icon)
{
    Capture shown;
    if (!waitUntil([&] { return !oneFlatColour(shown = captureWindow(icon)); }, 2000)) {
        ADD_FAILURE() << "a message box's icon was never drawn";
        return false;
    }
    auto red = std::count_if(shown.pixels.begin(), shown.pixels.end(), [](uint32_t pixel) {
        return (pixel >> 16 & 0xFF) > 180 && (pixel >> 8 & 0xFF) < 90 && (pixel & 0xFF) < 90;
    });
    return red > 20;
}

// A box not yet in front is left for the next round, which asks again.
void pressReturn(HWND box)
{
    SetForegroundWindow(box);
    if (!waitUntil([box] { return GetForegroundWindow() == box; }, 1000))
        return;
    sendKeyEdge(VK_RETURN, false);
    sendKeyEdge(VK_RETURN, true);
}

struct WindowSearch {
    DWORD processId;
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK collectWindow(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (owner == search->processId && IsWindowVisible(window) && strcmp(className, search->className) == 0)
        search->found.push_back(window);
    return TRUE;
}

} // namespace

// SendInput returns before the input is in the program's queue (Wine passes it on a moment
// later), and a message sent to the program meanwhile is answered before the input is taken:
// the system's key state shows when the press or release has been queued.
void sendQueued(INPUT input, int key, bool down)
{
    SendInput(1, &input, sizeof input);
    if (!waitUntil([key, down] { return ((GetAsyncKeyState(key) & 0x8000) != 0) == down; }, 1000))
        ADD_FAILURE() << "the system did not queue the " << (down ? "press" : "release") << " of key " << key;
}

void sendKeyEdge(WORD key, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    sendQueued(input, key, !up);
}

SeenMessageBox readMessageBox(HWND box)
{
    SeenMessageBox seen;
    seen.caption = windowTextUtf8(box);
    if (HWND text = GetDlgItem(box, messageTextId))
        seen.text = windowTextUtf8(text);
    seen.hasOk = GetDlgItem(box, IDOK) != nullptr;
    seen.hasCancel = GetDlgItem(box, IDCANCEL) != nullptr;
    if (HWND icon = GetDlgItem(box, messageIconId))
        seen.redIcon = showsRed(icon);
    return seen;
}

std::vector<HWND> visibleWindowsOf(DWORD processId, const char* className)
{
    WindowSearch search{processId, className, {}};
    EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> messageBoxesOf(DWORD processId)
{
    return visibleWindowsOf(processId, "#32770");
}

namespace {

// Each box is read once and answered; a key press that went astray (the box was not yet in
// the foreground) is repeated every second while the box stays.
void answerBoxes(DWORD processId, int answer, std::map<HWND, DWORD>& answered, ProgramRun& run)
{
    for (HWND box : messageBoxesOf(processId)) {
        auto seen = answered.find(box);
        if (seen != answered.end()) {
            if (answer == pressReturnKey && GetTickCount() - seen->second > stretched(1000)) {
                seen->second = GetTickCount();
                pressReturn(box);
            }
            continue;
        }
        answered[box] = GetTickCount();
        run.boxes.push_back(readMessageBox(box));
        if (answer == pressReturnKey) {
            pressReturn(box);
            continue;
        }
        int button = GetDlgItem(box, answer) ? answer : IDOK;
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
    }
}

} // namespace

ProgramRun runProgram(const std::string& commandLine, const ProgramOptions& options)
{
    ProgramRun run;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string mutableLine = commandLine;
    const char* folder = options.folder.empty() ? nullptr : options.folder.c_str();
    if (!CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder, &startup, &process))
        return run;
    run.started = true;
    std::map<HWND, DWORD> answered;
    auto ended = [&] {
        answerBoxes(process.dwProcessId, options.answer, answered, run);
        return WaitForSingleObject(process.hProcess, 40) == WAIT_OBJECT_0;
    };
    if (!waitUntil(ended, options.timeoutMs)) {
        run.timedOut = true;
        TerminateProcess(process.hProcess, 255);
        WaitForSingleObject(process.hProcess, stretched(5000));
    }
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return run;
}

bool waitUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD bound = stretched(timeoutMs);
    for (DWORD start = GetTickCount(); !done(); Sleep(10)) {
        if (GetTickCount() - start >= bound)
            return false;
    }
    return true;
}

bool waitAnswering(const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD bound = stretched(timeoutMs);
    for (DWORD start = GetTickCount(); !done(); Sleep(20)) {
        if (GetTickCount() - start >= bound)
            return false;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
    }
    return true;
}

std::string utf8FromAnsi(const std::string& ansi)
{
    if (ansi.empty())
        return {};
    int size = MultiByteToWideChar(CP_ACP, 0, ansi.data(), int(ansi.size()), nullptr, 0);
    std::wstring wide(size, L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), int(ansi.size()), wide.data(), size);
    return utf8FromWide(wide);
}

std::string ansiFromUtf8(const std::string& utf8)
{
    if (utf8.empty())
        return {};
    int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring wide(size, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), size);
    int ansiSize = WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string ansi(ansiSize, '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), size, ansi.data(), ansiSize, nullptr, nullptr);
    return ansi;
}

std::string fullPath(const std::string& relative)
{
    char path[MAX_PATH];
    GetFullPathNameA(relative.c_str(), MAX_PATH, path, nullptr);
    return path;
}

std::vector<std::string> traceLines(const std::string& folder)
{
    std::string bytes;
    readWholeFile(folder + "\\trace.log", bytes);
    std::istringstream text(utf8FromAnsi(bytes));
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);)
        lines.push_back(line.substr(0, line.find('\r')));
    return lines;
}

std::string joinedLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += "[" + line + "] ";
    return text;
}

bool readWholeFile(const std::string& path, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool writeWholeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    return bool(out);
}

std::string freshFolder(const std::string& path)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string file = path + "\\" + found.cFileName;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                continue;
            SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL); // a test may have made it read-only
            DeleteFileA(file.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    CreateDirectoryA(path.c_str(), nullptr);
    return path;
}

void pushDialogButton(HWND dialog, int id)
{
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}
