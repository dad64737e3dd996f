// The menu-enabling pass over a bar of 50 items, shown on a window whose EditField has the
// focus, against the least Win32 work such a pass has to do: every item enabled or grayed and
// checked or not by position, and the bar drawn again.
#include "bench/benchharness.h"
#include "bench/desktopbench.h"
#include "bench/windowfixture.h"
#include "runtime/strings/string.h"
#include "tests/ui/menus/menustream.h"
#include "ui/menus/menubar.h"
#include "ui/menus/menubuild.h"
#include "ui/menus/menuenabling.h"
#include "ui/menus/menuitem.h"
#include "ui/templates/windowtemplate.h"
#include "ui/windows/controlaccessors.h"
#include "ui/windows/focus.h"
#include "ui/windows/windowobject.h"
#include "ui/windows/windowvisibility.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int32_t clientWidth = 360;
constexpr int32_t clientHeight = 120;
constexpr int32_t itemsPerTitle = 10;
constexpr const char* fieldText = "12,345,678";

struct Settings {
    int rounds; // turns of every run; the best time of each counts
    uint32_t passesPerRun;
};

// ---- The bar: what each item does in its enable event, and how it must end.
enum class ItemKind { Silent, EnablesItself, EnablesAndChecks, Quit };
// Either: enabled or grayed by what the bench does not control, but never checked.
enum class Expected { Grayed, Enabled, EnabledChecked, Either };

struct PlannedItem {
    std::string name;
    ItemKind kind;
    Expected expected;
};

struct PlannedTitle {
    std::string text;
    std::vector<PlannedItem> items;
};

const Expected expectedOfKind[] = {Expected::Grayed, Expected::Enabled, Expected::EnabledChecked, Expected::Enabled};

PlannedItem generatedItem(const std::string& title, int32_t position)
{
    static const ItemKind cycle[] = {ItemKind::Silent, ItemKind::EnablesItself, ItemKind::EnablesAndChecks};
    ItemKind kind = cycle[position % 3];
    return {title + std::to_string(position + 1), kind, expectedOfKind[static_cast<int>(kind)]};
}

// The focused field offers Cut, Copy and Clear for its selection; Undo and Paste depend on
// its history and on the clipboard, which other programs on the display share.
std::vector<PlannedItem> editItems()
{
    return {{"EditUndo", ItemKind::Silent, Expected::Either},
            {"EditCut", ItemKind::Silent, Expected::Enabled},
            {"EditCopy", ItemKind::Silent, Expected::Enabled},
            {"EditPaste", ItemKind::Silent, Expected::Either},
            {"EditClear", ItemKind::Silent, Expected::Enabled}};
}

// File (ending in Quit), Edit (the field's five first), Note, Print and View: 10 items each.
std::vector<PlannedTitle> planBar()
{
    std::vector<PlannedTitle> bar = {{"File", {}}, {"Edit", editItems()}, {"Note", {}}, {"Print", {}}, {"View", {}}};
    for (PlannedTitle& title : bar) {
        int32_t generated = itemsPerTitle - static_cast<int32_t>(title.items.size()) - (title.text == "File");
        for (int32_t position = 0; position < generated; ++position)
            title.items.push_back(generatedItem(title.text, position));
    }
    bar[0].items.push_back({"FileQuit", ItemKind::Quit, Expected::Enabled});
    return bar;
}

int32_t enableItself(ObjectHeader* item)
{
    asMenuItem(item)->enabled = 1;
    return 0;
}

int32_t enableAndCheck(ObjectHeader* item)
{
    asMenuItem(item)->enabled = 1;
    asMenuItem(item)->checked = 1;
    return 0;
}

// One class per kind, indexed by ItemKind.
std::vector<int32_t> makeItemClasses()
{
    ClassDescriptor* menuItem = builtinClass(BuiltinClassId::MenuItem);
    return {fixtureSubclass(menuItem, {}),
            fixtureSubclass(menuItem, {{"EnableMenu", reinterpret_cast<void*>(enableItself)}}),
            fixtureSubclass(menuItem, {{"EnableMenu", reinterpret_cast<void*>(enableAndCheck)}}),
            fixtureSubclass(builtinClass(BuiltinClassId::QuitMenuItem), {})};
}

bool buildRuntimeBar(const std::vector<PlannedTitle>& plan)
{
    std::vector<int32_t> classes = makeItemClasses();
    std::vector<MenuTitleEntry> titles;
    for (const PlannedTitle& title : plan) {
        MenuTitleEntry entry{title.text, {}};
        for (const PlannedItem& item : title.items)
            entry.items.push_back({item.name, item.name, "", classes[static_cast<int>(item.kind)]});
        titles.push_back(entry);
    }
    std::string stream = menuBarStream(titles);
    std::string error;
    bool built =
        menuBarBuildFrom(reinterpret_cast<const uint8_t*>(stream.data()), static_cast<uint32_t>(stream.size()), error);
    return benchCheck(built && error.empty(), "the menu bar was not built: " + error);
}

// ---- The framework's window, which carries the bar, with its EditField focused and its text
// selected.
struct RuntimeForm {
    ObjectHeader* window = nullptr; // one reference
    ObjectHeader* field = nullptr;
};

RuntimeForm openForm()
{
    int32_t windowClass = fixtureSubclass(builtinClass(BuiltinClassId::Window), {});
    int32_t fieldClass = fixtureSubclass(builtinClass(BuiltinClassId::EditField), {});
    std::vector<uint8_t> record =
        templateRecord(templateStream(windowClass, windowProperties("Menus", clientWidth, clientHeight),
                                      {{fieldClass, controlProperties("Amount", 10, 10, 240, 24)}}));
    RuntimeForm form;
    form.window = RuntimeCreateWindow(record.data(), nullptr);
    if (!benchShowWindow(form.window))
        return form;
    StringRef name(stringFromText("Amount"));
    form.field = RuntimeControlFetch(form.window, name.get());
    StringRef text(stringFromText(fieldText));
    editTextSetter(form.field, 0, text.get());
    RuntimeSetFocus(form.field);
    benchDrainMessages();
    editSelStartSetter(form.field, 0, 0);
    editSelLengthSetter(form.field, 0, static_cast<int32_t>(strlen(fieldText)));
    return form;
}

NativeWindow* nativeOf(const RuntimeForm& form)
{
    return form.window ? asWindow(form.window)->native : nullptr;
}

// ---- The direct side: the same menus made with Win32 alone, on a plain window.
bool shownEnabled(Expected expected)
{
    return expected != Expected::Grayed;
}

HMENU buildDirectBar(const std::vector<PlannedTitle>& plan)
{
    HMENU bar = CreateMenu();
    UINT command = 1000;
    for (const PlannedTitle& title : plan) {
        HMENU popup = CreatePopupMenu();
        for (const PlannedItem& item : title.items)
            AppendMenuA(popup, MF_STRING, command++, item.name.c_str());
        AppendMenuA(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), title.text.c_str());
    }
    return bar;
}

void directPass(HWND window, const std::vector<PlannedTitle>& plan)
{
    HMENU bar = GetMenu(window);
    for (size_t t = 0; t < plan.size(); ++t) {
        HMENU popup = GetSubMenu(bar, static_cast<int>(t));
        for (size_t position = 0; position < plan[t].items.size(); ++position) {
            Expected expected = plan[t].items[position].expected;
            auto at = static_cast<UINT>(position);
            EnableMenuItem(popup, at, MF_BYPOSITION | (shownEnabled(expected) ? MF_ENABLED : MF_GRAYED));
            CheckMenuItem(popup, at,
                          MF_BYPOSITION | (expected == Expected::EnabledChecked ? MF_CHECKED : MF_UNCHECKED));
        }
    }
    DrawMenuBar(window);
}

// ---- Timing. Redrawing the bar alone is timed too: it is most of either pass.
double benchPasses(NativeWindow* front, HWND direct, const std::vector<PlannedTitle>& plan, const Settings& settings)
{
    uint32_t passes = settings.passesPerRun;
    std::vector<double> best = benchBestInTurns(settings.rounds, {
                                                                     {[&] {
                                                                          for (uint32_t i = 0; i < passes; ++i)
                                                                              directPass(direct, plan);
                                                                      },
                                                                      nullptr},
                                                                     {[&] {
                                                                          for (uint32_t i = 0; i < passes; ++i)
                                                                              DrawMenuBar(direct);
                                                                      },
                                                                      nullptr},
                                                                     {[&] {
                                                                          for (uint32_t i = 0; i < passes; ++i)
                                                                              menuEnablingPass(front);
                                                                      },
                                                                      nullptr},
                                                                 });
    const char* names[] = {"direct Win32", " DrawMenuBar alone", "menuEnablingPass"};
    benchPrintHeader("Menu enabling over 50 items, ns per pass",
                     "EnableMenuItem + CheckMenuItem per item, DrawMenuBar");
    for (size_t r = 0; r < best.size(); ++r)
        benchPrintRow(names[r], passes, best[r] / passes, best[0] / passes);
    return best.back() / best[0];
}

// ---- Checks: the state each Win32 menu shows after the passes.
std::string stateName(UINT state)
{
    std::string name = state & MF_GRAYED ? "grayed" : "enabled";
    return state & MF_CHECKED ? name + " and checked" : name;
}

bool showsExpected(UINT state, Expected expected)
{
    bool enabled = !(state & MF_GRAYED);
    bool checked = (state & MF_CHECKED) != 0;
    switch (expected) {
    case Expected::Grayed:
        return !enabled && !checked;
    case Expected::Enabled:
        return enabled && !checked;
    case Expected::EnabledChecked:
        return enabled && checked;
    case Expected::Either:
        return !checked;
    }
    return false;
}

bool checkBar(const char* side, HMENU bar, const std::vector<PlannedTitle>& plan)
{
    bool correct = benchCheck(bar && GetMenuItemCount(bar) == static_cast<int>(plan.size()),
                              std::string(side) + ": the window does not show the bar");
    for (size_t t = 0; correct && t < plan.size(); ++t) {
        HMENU popup = GetSubMenu(bar, static_cast<int>(t));
        for (size_t position = 0; position < plan[t].items.size(); ++position) {
            const PlannedItem& item = plan[t].items[position];
            UINT state = GetMenuState(popup, static_cast<UINT>(position), MF_BYPOSITION);
            correct &= benchCheck(state != static_cast<UINT>(-1) && showsExpected(state, item.expected),
                                  std::string(side) + ": " + item.name + " is " + stateName(state));
        }
    }
    return correct;
}

bool checkForm(const RuntimeForm& form, HWND direct)
{
    bool correct = benchCheck(nativeOf(form) && form.field, "the window or its EditField was not made or shown");
    correct &= benchCheck(direct != nullptr, "the plain window was not made");
    if (correct)
        correct &= benchCheck(GetMenu(nativeOf(form)->handle) == menuBarHandle(), "the window does not carry the bar");
    return correct;
}

} // namespace

int main(int argc, char** argv)
{
    bool smoke;
    if (!benchReadArguments(argc, argv, smoke))
        return 2;
    Settings settings = {smoke ? 2 : 9, smoke ? 3u : 300u};
    fixtureSetUp();
    std::vector<PlannedTitle> plan = planBar();
    if (!buildRuntimeBar(plan))
        return 1;
    RuntimeForm form = openForm();
    HWND direct = benchPlainWindow("Direct", 400, 60, clientWidth, clientHeight, buildDirectBar(plan));
    if (!checkForm(form, direct)) {
        printf("results WRONG\n");
        return 1;
    }
    double ratio = benchPasses(nativeOf(form), direct, plan, settings);
    bool correct = checkBar("menuEnablingPass", GetMenu(nativeOf(form)->handle), plan);
    correct &= checkBar("direct Win32", GetMenu(direct), plan);
    windowsCloseAll();
    RuntimeUnlockObject(form.window);
    DestroyWindow(direct);
    if (smoke)
        printf("\nsmoke run: sizes too small for the timings to mean anything\n");
    printf("\nmenu enabling pass vs direct Win32: %.2f times\n", ratio);
    printf("%s\n", correct ? "results correct" : "results WRONG");
    return correct ? 0 : 1;
}
