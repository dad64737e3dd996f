// The windows inside a program's window, as a test finds and reads them from outside.
#include "tests/support/childwindows.h"

#include "tests/support/codepages.h"

namespace {

struct ChildSearch {
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK collectChild(HWND child, LPARAM context)
{
    auto* search = reinterpret_cast<ChildSearch*>(context);
    char className[64] = {};
    GetClassNameA(child, className, sizeof className);
    if (_stricmp(className, search->className) == 0)
        search->found.push_back(child);
    return TRUE;
}

} // namespace

RECT screenRect(HWND window)
{
    RECT area = {};
    GetWindowRect(window, &area);
    return area;
}

RECT rectIn(HWND window, HWND reference)
{
    RECT area = screenRect(window);
    MapWindowPoints(nullptr, reference, reinterpret_cast<POINT*>(&area), 2);
    return area;
}

POINT middleOf(const RECT& area)
{
    return {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

std::vector<HWND> childrenOfClass(HWND window, const char* className)
{
    ChildSearch search{className, {}};
    EnumChildWindows(window, collectChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string textOf(HWND window)
{
    char text[512] = {};
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return utf8FromAnsi(text);
}
