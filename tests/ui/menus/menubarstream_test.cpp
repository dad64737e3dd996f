// The menu bar read from its stream and built into Win32 menus; damaged streams are reported
// and build nothing.
#include "image/menubarstream.h"
#include "runtime/objects/builtinclassset.h"
#include "tests/support/codepages.h"
#include "tests/support/templatestream.h"
#include "tests/ui/menus/menustream.h"
#include "ui/menus/menubar.h"
#include "ui/menus/menubuild.h"
#include "ui/menus/menuexports.h"
#include "ui/menus/menustart.h"

#include <gtest/gtest.h>

namespace {

const std::string damaged = "The application could not be loaded because its image is damaged: ";

std::vector<ClassDescriptor*>& testClasses()
{
    static std::vector<ClassDescriptor*> table;
    return table;
}

// Class index 0 is MenuItem, 1 QuitMenuItem, 2 the Window class (no MenuItem), 3 empty.
class MenuBarStreams : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        builtinClassesEnsure();
        menusStart();
        testClasses() = {builtinClass(BuiltinClassId::MenuItem), builtinClass(BuiltinClassId::QuitMenuItem),
                         builtinClass(BuiltinClassId::Window), nullptr};
        classSetTable(testClasses().data(), static_cast<int32_t>(testClasses().size()));
    }
    void TearDown() override { menuBarReset(); }

    bool build(const std::string& stream, std::string& error)
    {
        return menuBarBuildFrom(reinterpret_cast<const uint8_t*>(stream.data()), static_cast<uint32_t>(stream.size()),
                                error);
    }
};

std::string number(int32_t value)
{
    std::string stream;
    streamAppendNumber(stream, value);
    return stream;
}

// Submenus inside submenus, `depth` levels below the title.
MenuItemEntry nested(int depth)
{
    MenuItemEntry item{"Deep", "Deep", ""};
    if (depth > 0)
        item.submenu = {nested(depth - 1)};
    return item;
}

// A title record without its item count.
std::string countless(const MenuTitleEntry& title)
{
    std::string head = titleRecordHead(title);
    return head.substr(0, head.size() - 1);
}

struct MalformedCase {
    const char* what;
    std::string stream;
    std::string message;
};

std::vector<MalformedCase> malformedCases()
{
    MenuItemEntry item{"FileNew", "New", "N"};
    MenuTitleEntry oneItem{"File", {item}};
    std::string whole = menuBarStream({oneItem});
    std::string head = number(1) + titleRecordHead(oneItem);
    return {
        {"empty", "", "menu bar stream, the menu bar at byte 0: the stream ends inside the record"},
        {"negative title count", number(-1), "menu bar stream, the menu bar at byte 1: negative count -1"},
        {"more titles than bytes", number(1000) + std::string(40, '\0'),
         "menu bar stream, the menu bar at byte 2: count 1000 does not fit in the 40 bytes left"},
        {"the largest count", number(INT32_MAX),
         "menu bar stream, the menu bar at byte 5: count 2147483647 does "
         "not fit in the 0 bytes left"},
        {"cut inside a title", whole.substr(0, 6),
         "menu bar stream, the menu bar at byte 1: count 1 does not fit in the 5 bytes left"},
        {"a title text longer than the stream", number(1) + number(0) + number(60) + std::string(12, 'x'),
         "menu bar stream, title 1 at byte 3: the stream ends inside the record"},
        {"cut after the item count", head,
         "menu bar stream, title 1 at byte 28: count 1 does not fit in the 0 bytes left"},
        {"cut inside an item", head + itemRecord(item).substr(0, 8),
         "menu bar stream, title 1 at byte 28: count 1 does not fit in the 8 bytes left"},
        {"an item text longer than the stream", head + number(0) + number(100) + std::string(20, 'x'),
         "menu bar stream, title 1, item 1 at byte 31: the stream ends inside the record"},
        {"negative item count", number(1) + countless(MenuTitleEntry{"File"}) + number(-3),
         "menu bar stream, title 1 at byte 28: negative count -3"},
        {"submenus nested too deep", menuBarStream({MenuTitleEntry{"File", {nested(menuNestingLimit)}}}),
         "menu bar stream, title 1, item 1, item 1, item 1, item 1, item 1, item 1, item 1, item 1, item 1, item 1, "
         "item 1, item 1, item 1, item 1, item 1, item 1 at byte 539: submenus nested deeper than 16"},
    };
}

TEST_F(MenuBarStreams, DamagedStreamsAreReportedAndBuildNothing)
{
    for (const MalformedCase& c : malformedCases()) {
        std::string error;
        EXPECT_FALSE(build(c.stream, error)) << c.what;
        EXPECT_EQ(error, damaged + c.message) << c.what;
        EXPECT_EQ(menuBarHandle(), nullptr) << c.what;
        EXPECT_TRUE(menuBarMenus().empty()) << c.what;
        menuBarReset();
    }
}

TEST_F(MenuBarStreams, EveryCutOfAGoodStreamIsReportedNotCrashed)
{
    std::string whole = menuBarStream({MenuTitleEntry{
        "File", {{"FileNew", "New", "N"}, {"Recent", "Recent", "", 0, INT32_MIN, 0, {{"R", "R", ""}}}}}});
    for (size_t cut = 0; cut < whole.size(); ++cut) {
        std::string error;
        EXPECT_FALSE(build(whole.substr(0, cut), error)) << "cut at " << cut;
        EXPECT_EQ(error.rfind(damaged + "menu bar stream, ", 0), 0u) << error;
        menuBarReset();
    }
    std::string error;
    EXPECT_TRUE(build(whole, error)) << error;
}

std::string menuText(HMENU menu, UINT position)
{
    char text[128] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return utf8FromAnsi(text);
}

TEST_F(MenuBarStreams, TitlesItemsShortcutsAndSubmenusReachTheWin32Menus)
{
    std::string stream = menuBarStream({
        MenuTitleEntry{ansiFromUtf8("ファイル"),
                       {{"FileNew", ansiFromUtf8("新規"), "N"},
                        {"FileSave", ansiFromUtf8("保存"), "Control-Shift-S"},
                        {"Hidden", "Hidden", "", 0, INT32_MIN, 2},
                        {"-", "-", ""},
                        {"Recent", "Recent", "", 0, INT32_MIN, 0, {{"RecentFile", "One", "", 0, 0}}},
                        {"FileQuit", ansiFromUtf8("終了"), "Q", 1}}},
        MenuTitleEntry{"Extra", {{"About", "About", ""}}, 1},
        MenuTitleEntry{"Help", {{"HelpAbout", "About", ""}}},
    });
    std::string error;
    ASSERT_TRUE(build(stream, error)) << error;
    EXPECT_EQ(error, "");
    HMENU bar = menuBarHandle();
    ASSERT_EQ(GetMenuItemCount(bar), 2) << "a title of kind 1 is not built";
    EXPECT_EQ(menuText(bar, 0), "ファイル");
    EXPECT_EQ(menuText(bar, 1), "Help");
    HMENU file = GetSubMenu(bar, 0);
    ASSERT_EQ(GetMenuItemCount(file), 5) << "an item of kind 2 is not built";
    EXPECT_EQ(menuText(file, 0), "新規\tCtrl+N");
    EXPECT_EQ(menuText(file, 1), "保存\tCtrl+Shft+S");
    EXPECT_EQ(GetMenuState(file, 2, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(menuText(file, 3), "Recent");
    EXPECT_EQ(menuText(file, 4), "終了\tCtrl+Q");
    EXPECT_EQ(GetMenuItemID(file, 0), 1000u);
    EXPECT_EQ(GetMenuItemID(file, 1), 1001u);
    HMENU recent = GetSubMenu(file, 3);
    ASSERT_NE(recent, nullptr);
    EXPECT_EQ(menuText(recent, 0), "One");

    StringRef quitName(stringFromText("filequit"));
    ObjectRef quit(RuntimeMenuReference(quitName.get()));
    ASSERT_NE(quit.get(), nullptr) << "names compare without regard to case";
    EXPECT_EQ(quit.get()->cls, builtinClass(BuiltinClassId::QuitMenuItem));
    EXPECT_EQ(asMenuItem(quit.get())->templateValue, 7);
    StringRef recentName(stringFromText("RecentFile"));
    EXPECT_EQ(RuntimeMenuReference(recentName.get()), nullptr) << "an array member is not found by its bare name";
    ObjectRef member(RuntimeMenuArrayReference(recentName.get(), 0));
    EXPECT_NE(member.get(), nullptr);
    StringRef hiddenName(stringFromText("Hidden"));
    EXPECT_EQ(RuntimeMenuReference(hiddenName.get()), nullptr);
}

TEST_F(MenuBarStreams, ArrayIndexesThatMeanNoArrayAreReadAsNoArray)
{
    std::string stream = menuBarStream({MenuTitleEntry{"File",
                                                       {{"A", "A", "", 0, static_cast<int32_t>(0x80000010u)},
                                                        {"B", "B", "", 0, static_cast<int32_t>(0x80100000u)},
                                                        {"C", "C", "", 0, 3}}}});
    std::vector<MenuTitleRecord> titles;
    std::string error;
    ASSERT_TRUE(menuBarRead(reinterpret_cast<const uint8_t*>(stream.data()), static_cast<uint32_t>(stream.size()),
                            titles, error));
    ASSERT_EQ(titles.at(0).items.size(), 3u);
    EXPECT_EQ(titles[0].items[0].index, INT32_MIN);
    EXPECT_EQ(titles[0].items[1].index, INT32_MIN);
    EXPECT_EQ(titles[0].items[2].index, 3);
}

TEST_F(MenuBarStreams, ItemsOfAForeignOrMissingClassAreBuiltAsMenuItems)
{
    std::string stream = menuBarStream({MenuTitleEntry{"File",
                                                       {{"Foreign", "Foreign", "", 2},
                                                        {"Missing", "Missing", "", 3},
                                                        {"Outside", "Outside", "", 99},
                                                        {"Negative", "Negative", "", -5}}}});
    std::string error;
    ASSERT_TRUE(build(stream, error));
    EXPECT_EQ(error, "menu item Missing: class index 3 names no class\n"
                     "menu item Outside: class index 99 names no class\n"
                     "menu item Negative: class index -5 names no class\n");
    for (const char* name : {"Foreign", "Missing", "Outside", "Negative"}) {
        StringRef key(stringFromText(name));
        ObjectRef item(RuntimeMenuReference(key.get()));
        ASSERT_NE(item.get(), nullptr) << name;
        EXPECT_EQ(item.get()->cls, builtinClass(BuiltinClassId::MenuItem)) << name;
    }
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(menuBarHandle(), 0)), 4);
}

TEST_F(MenuBarStreams, PastTheLastCommandNumberItemsGetNoneUntilOneIsFreed)
{
    std::vector<MenuItemEntry> items;
    for (int i = 0; i < menuCommandSlots + 2; ++i)
        items.push_back({"Item", "Item", "", 0, i});
    std::string stream = menuBarStream({MenuTitleEntry{"Many", items}});
    std::string error;
    ASSERT_TRUE(build(stream, error)) << error;
    HMENU many = GetSubMenu(menuBarHandle(), 0);
    EXPECT_EQ(GetMenuItemID(many, 0), 1000u);
    EXPECT_EQ(GetMenuItemID(many, menuCommandSlots - 1), 2023u);
    EXPECT_EQ(GetMenuItemID(many, menuCommandSlots), 0u);
    EXPECT_EQ(GetMenuItemID(many, menuCommandSlots + 1), 0u);

    StringRef name(stringFromText("Item"));
    ObjectRef fifth(RuntimeMenuArrayReference(name.get(), 4));
    RuntimeCloseMenuItem(fifth.get());
    ObjectRef last(RuntimeMenuArrayReference(name.get(), menuCommandSlots + 1));
    ObjectRef clone(RuntimeCloneMenu(last.get()));
    ASSERT_NE(clone.get(), nullptr);
    EXPECT_EQ(asMenuItem(clone.get())->command, 1004) << "the freed number is taken again";
    EXPECT_EQ(asMenuItem(clone.get())->index, menuCommandSlots + 2);
}

} // namespace
