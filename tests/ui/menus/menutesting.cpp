// Menu tests: items, windows and an application that record what they are asked, the bar
// they share, and menus chosen with the mouse.
#include "tests/ui/menus/menutesting.h"

#include "base/hoststate.h"
#include "runtime/strings/string.h"
#include "tests/support/programsession.h"
#include "tests/support/waits.h"
#include "tests/ui/menus/menustream.h"
#include "tests/ui/windows/windowtesting.h"
#include "ui/menus/menubuild.h"
#include "ui/menus/menuexports.h"
#include "ui/menus/menuitem.h"

#include <cstring>
#include <thread>

std::set<std::string> itemsEnablingThemselves;
std::set<std::string> itemsTheWindowEnables;

namespace {

std::string itemLabel(ObjectHeader* object)
{
    MenuItemObject* item = asMenuItem(object);
    std::string label = stringText(item->name);
    return item->index == notInMenuArray ? label : label + "$" + std::to_string(item->index);
}

int32_t record(const std::string& line)
{
    recordedEvents().push_back(line);
    return handlerAnswers()[line];
}

int32_t itemAction(ObjectHeader* item)
{
    return record(itemLabel(item) + ".Action");
}

int32_t itemEnable(ObjectHeader* item)
{
    record(itemLabel(item) + ".EnableMenu");
    if (itemsEnablingThemselves.count(itemLabel(item)))
        asMenuItem(item)->enabled = 1;
    return 0;
}

int32_t windowEnable(ObjectHeader*)
{
    record("Menus.EnableMenuItems");
    for (const std::string& name : itemsTheWindowEnables) {
        StringRef key(stringFromView(name));
        ObjectRef item(RuntimeMenuReference(key.get()));
        RuntimeEnableMenu(item.get());
    }
    return 0;
}

int32_t windowFileNew(ObjectHeader*)
{
    return record("Menus.menu FileNew");
}
int32_t windowRecentFile(ObjectHeader*, int32_t index)
{
    return record("Menus.menu RecentFile " + std::to_string(index));
}
int32_t applicationEnable(ObjectHeader*)
{
    return record("App.EnableMenuItems");
}
int32_t applicationFileNew(ObjectHeader*)
{
    return record("App.menu FileNew");
}
int32_t applicationClose(ObjectHeader*)
{
    return record("App.Close");
}

void addMenuHandler(ClassDescriptor* cls, const char* itemName, void* code)
{
    auto* handler = static_cast<MenuHandler*>(taggedAllocate(sizeof(MenuHandler)));
    *handler = {cls->menuHandlers, stringFromText(itemName), code};
    cls->menuHandlers = handler;
}

} // namespace

// The bar: File with New (Ctrl+N), Save (Ctrl+Shft+S), a Recent submenu holding an array of
// two, and Quit (Ctrl+Q).
std::string fileMenu(int32_t itemClass, int32_t quitClass)
{
    return menuBarStream(
        {MenuTitleEntry{"File",
                        {{"FileNew", "New", "N", itemClass},
                         {"FileSave", "Save", "Control-Shift-S", itemClass},
                         {"Recent",
                          "Recent",
                          "",
                          itemClass,
                          INT32_MIN,
                          0,
                          {{"RecentFile", "One", "", itemClass, 0}, {"RecentFile", "Two", "", itemClass, 1}}},
                         {"FileQuit", "Quit", "Q", quitClass}}}});
}

const std::vector<std::string> wholePass = {
    "FileNew.EnableMenu",      "FileSave.EnableMenu",     "Recent.EnableMenu",     "FileQuit.EnableMenu",
    "RecentFile$0.EnableMenu", "RecentFile$1.EnableMenu", "Menus.EnableMenuItems", "App.EnableMenuItems"};

std::vector<std::string> afterPass(const std::vector<std::string>& events)
{
    return concatenated(wholePass, events);
}

const std::vector<std::string> enablingPass = {"EnableMenu", "EnableMenuItems"};

int32_t menuTestSetUp()
{
    std::vector<HandlerEntry> itemHandlers = {{"Action", reinterpret_cast<void*>(itemAction)},
                                              {"EnableMenu", reinterpret_cast<void*>(itemEnable)}};
    int32_t itemClass = testClass(BuiltinClassId::MenuItem, itemHandlers);
    int32_t quitClass = testClass(BuiltinClassId::QuitMenuItem, itemHandlers);
    std::vector<HandlerEntry> windowHandlers = windowRecorders();
    windowHandlers.push_back({"EnableMenuItems", reinterpret_cast<void*>(windowEnable)});
    int32_t windowClass = testClass(BuiltinClassId::Window, windowHandlers);
    addMenuHandler(testClassAt(windowClass), "filenew", reinterpret_cast<void*>(windowFileNew));
    addMenuHandler(testClassAt(windowClass), "RecentFile", reinterpret_cast<void*>(windowRecentFile));
    int32_t applicationClass =
        testClass(BuiltinClassId::Application, {{"EnableMenuItems", reinterpret_cast<void*>(applicationEnable)},
                                                {"Close", reinterpret_cast<void*>(applicationClose)}});
    addMenuHandler(testClassAt(applicationClass), "FileNew", reinterpret_cast<void*>(applicationFileNew));
    hostState().application = objectInstantiate(testClassAt(applicationClass));

    std::string stream = fileMenu(itemClass, quitClass);
    std::string error;
    if (!menuBarBuildFrom(reinterpret_cast<const uint8_t*>(stream.data()), static_cast<uint32_t>(stream.size()), error))
        return -1;
    return windowClass;
}

namespace {

BOOL CALLBACK keepOpenMenu(HWND window, LPARAM result)
{
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (strcmp(className, "#32768") != 0 || !IsWindowVisible(window))
        return TRUE;
    *reinterpret_cast<HWND*>(result) = window;
    return FALSE;
}

// The shown pop-up menu of the thread that tracks it; other programs' menus may be open on
// the same desktop.
HWND openMenuOf(DWORD thread)
{
    HWND found = nullptr;
    EnumThreadWindows(thread, keepOpenMenu, reinterpret_cast<LPARAM>(&found));
    return found;
}

} // namespace

// The mouse opens a title on the menu bar and clicks an item of the open menu. The menu runs
// its own loop inside the window's, so a second hand does the clicking.
void chooseWithMouse(HWND handle, int itemPosition, int titlePosition)
{
    HMENU bar = GetMenu(handle);
    RECT title;
    GetMenuItemRect(handle, bar, titlePosition, &title);
    POINT at = {(title.left + title.right) / 2, (title.top + title.bottom) / 2};
    DWORD owner = GetCurrentThreadId();
    std::thread hand([handle, bar, itemPosition, titlePosition, owner] {
        auto letGo = [handle] { // of a menu that never showed or took no click: the test then fails
            PostMessageA(handle, WM_KEYDOWN, VK_ESCAPE, 0);
            PostMessageA(handle, WM_KEYDOWN, VK_ESCAPE, 0);
        };
        HWND popup = nullptr;
        if (!waitUntil([&] { return (popup = openMenuOf(owner)) != nullptr; }, 3000))
            return letGo();
        RECT item = {};
        if (!waitUntil(
                [&] {
                    return GetMenuItemRect(handle, GetSubMenu(bar, titlePosition), itemPosition, &item) &&
                           item.right > item.left;
                },
                2000))
            return letGo();
        POINT on = {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
        SetCursorPos(on.x, on.y);
        // The menu's own loop reads mouse positions in screen coordinates.
        PostMessageA(popup, WM_MOUSEMOVE, 0, MAKELPARAM(on.x, on.y));
        if (!waitUntilIdle(popup))
            return letGo();
        PostMessageA(popup, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(on.x, on.y));
        if (!waitUntilIdle(popup))
            return letGo();
        PostMessageA(popup, WM_LBUTTONUP, 0, MAKELPARAM(on.x, on.y));
    });
    moveMouseToScreen(at.x, at.y);
    PostMessageA(handle, WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(at.x, at.y));
    pumpFor(1000);
    hand.join();
    pumpFor(100);
}
