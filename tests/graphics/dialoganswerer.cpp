// Answers a system dialog of this program from another thread, as a person at the screen
// would: picking from its lists, typing into its fields and clicking its buttons.
#include "tests/graphics/dialoganswerer.h"

#include "tests/support/programsession.h"
#include "tests/support/waits.h"

#include <atomic>
#include <cstdint>
#include <cstring>

namespace {

struct Search {
    int markerId;
    HWND found;
};

BOOL CALLBACK checkWindow(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<Search*>(parameter);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId() || strcmp(className, "#32770") != 0 || !IsWindowVisible(window) ||
        !GetDlgItem(window, search->markerId))
        return TRUE;
    search->found = window;
    return FALSE;
}

HWND findDialog(int markerId)
{
    Search search = {markerId, nullptr};
    EnumWindows(checkWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Set when an action's input was not handled within its bound; the answer then does not count.
std::atomic<bool> unsettled{false};

void settle(HWND window)
{
    if (!waitUntilIdle(window))
        unsettled = true;
}

// The mouse goes to the middle of the control and its button goes down and up there.
void clickControl(HWND control)
{
    RECT area;
    GetClientRect(control, &area);
    POINT middle = {area.right / 2, area.bottom / 2};
    POINT onScreen = middle;
    ClientToScreen(control, &onScreen);
    SetCursorPos(onScreen.x, onScreen.y);
    PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(middle.x, middle.y));
    settle(control);
    PostMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(middle.x, middle.y));
    settle(control);
}

} // namespace

// The dialog is answered once it has opened and handled what it queued on opening: it fills its
// lists as it opens.
DialogAnswerer::DialogAnswerer(int markerId, std::function<void(HWND dialog)> answer)
    : watcher([this, markerId, answer] {
          unsettled = false;
          HWND dialog = nullptr;
          if (!waitUntil([&] { return (dialog = findDialog(markerId)) != nullptr; }, 15000))
              return;
          settle(dialog);
          answer(dialog);
          seen = !unsettled;
      })
{}

DialogAnswerer::~DialogAnswerer()
{
    if (watcher.joinable())
        watcher.join();
}

bool DialogAnswerer::answered()
{
    if (watcher.joinable())
        watcher.join();
    return seen;
}

void dialogClick(HWND dialog, int id)
{
    clickControl(GetDlgItem(dialog, id));
}

void dialogChooseFromList(HWND dialog, int comboId, const char* item)
{
    HWND combo = GetDlgItem(dialog, comboId);
    LRESULT index = SendMessageA(combo, CB_FINDSTRINGEXACT, WPARAM(-1), reinterpret_cast<LPARAM>(item));
    if (index == CB_ERR || SendMessageA(combo, CB_GETCURSEL, 0, 0) == index)
        return;
    SendMessageA(combo, CB_SETCURSEL, WPARAM(index), 0);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    settle(dialog);
}

void dialogTypeInto(HWND dialog, int editId, const char* text)
{
    HWND edit = GetDlgItem(dialog, editId);
    clickControl(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    for (const char* c = text; *c; ++c)
        PostMessageA(edit, WM_CHAR, WPARAM(uint8_t(*c)), 1);
    settle(edit);
}
