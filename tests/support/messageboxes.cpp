// Another program's message boxes and dialogs: found, read as a person reads them, and their
// buttons pushed.
#include "tests/support/messageboxes.h"

#include "tests/support/codepages.h"
#include "tests/support/screencapture.h"
#include "tests/support/waits.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>

namespace {

constexpr int messageTextId = 0xFFFF;
constexpr int messageIconId = 0x0440;

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

void pushDialogButton(HWND dialog, int id)
{
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}
