// Descriptions turned into the window template, menu bar and settings streams, read back
// with the independent stream reader.
#include "tests/resgen_fixture.h"
#include "tests/stream_decoder.h"
#include "tests/test_files.h"

#include <gtest/gtest.h>

namespace {

using namespace testsupport;
using resgen::ProjectItemKind;

constexpr int32_t kNotInArray = std::numeric_limits<int32_t>::min();

const char* const kNoteWindow = R"([window NoteWindow]
super = Dialog
on Open = noteOpen
Title = 約束手形
Frame = 3
Backdrop = FormPicture
visible = true
BackColor = #FF8000

# One control of each kind the test looks at; Pay handles an event, Label does not.
[control PushButton Pay]
Left = 10
Top = +20
Caption = 支払
Default = TRUE
on Action = payAction

[control StaticText Label]
Text = "二行の\r金額"
TextAlign = 2

[control EditField Digit]
Index = 1

[control EditField Digit]
Index = 2
)";

class WindowTemplates : public ::testing::Test {
protected:
    void SetUp() override
    {
        writePng(dir.path("form.png"), 1, 1, {0, 0, 0, 255});
        const GeneratorRun run = runGenerator({{dir.path("note.window"), kNoteWindow},
                                               {dir.path("project"), "[project]\npicture FormPicture = form.png\n"}});
        ASSERT_TRUE(run.model) << run.messages.front();
        model = *run.model;
        ASSERT_EQ(model.windows.size(), 1u);
        std::vector<uint8_t> record{static_cast<uint8_t>(model.windows[0].stream.size()),
                                    static_cast<uint8_t>(model.windows[0].stream.size() >> 8), 0, 0};
        record.insert(record.end(), model.windows[0].stream.begin(), model.windows[0].stream.end());
        decoded = decodeWindowTemplate(record);
    }

    TempDir dir;
    resgen::ImageModel model;
    DecodedTemplate decoded;
};

TEST_F(WindowTemplates, CarryEveryWindowKeyInStreamOrderWithDefaultsFilledIn)
{
    EXPECT_TRUE(decoded.wholeStream);
    EXPECT_EQ(decoded.bindings, 0);
    // References in the order of the built-in table, then the window, then Pay's subclass.
    EXPECT_EQ(model.classes[0].name, "Dialog");
    EXPECT_EQ(decoded.windowClass, 4);
    const KeyValueList expected{
        {"Name", "NoteWindow"},    {"Frame", "3"},          {"HasBackColor", "False"},
        {"BackColor", "16744448"}, {"Backdrop", "1"},       {"Title", "\x96\xF1\x91\xA9\x8E\xE8\x8C\x60"},
        {"Visible", "True"},       {"FullScreen", "False"}, {"MenuBarVisible", "True"},
        {"CloseBox", "True"},      {"GrowIcon", "False"},   {"ZoomIcon", "False"},
        {"BalloonHelp", ""},       {"MacProcID", "0"},      {"Placement", "0"},
        {"Width", "300"},          {"Height", "300"},       {"MinWidth", "64"},
        {"MinHeight", "64"},       {"MaxWidth", "32000"},   {"MaxHeight", "32000"},
    };
    EXPECT_EQ(decoded.keys, expected);
}

TEST_F(WindowTemplates, CarryEveryControlKeyOfItsClassInStreamOrder)
{
    ASSERT_EQ(decoded.controls.size(), 4u);
    EXPECT_EQ(decoded.controls[0].classIndex, 5); // Pay's unnamed subclass
    const KeyValueList pay{
        {"Name", "Pay"},
        {"Index", "-2147483648"},
        {"TabPanelIndex", "0"},
        {"Visible", "True"},
        {"Left", "10"},
        {"Top", "20"},
        {"Width", "80"},
        {"Height", "20"},
        {"HelpTag", ""},
        {"BalloonHelp", ""},
        {"DisabledBalloonHelp", ""},
        {"AutoDeactivate", "True"},
        {"LockLeft", "False"},
        {"LockTop", "False"},
        {"LockRight", "False"},
        {"LockBottom", "False"},
        {"TextFont", "System"},
        {"TextSize", "0"},
        {"Bold", "False"},
        {"Italic", "False"},
        {"Underline", "False"},
        {"Caption", "\x8E\x78\x95\xA5"},
        {"Default", "True"},
        {"Cancel", "False"},
        {"Enabled", "True"},
    };
    EXPECT_EQ(decoded.controls[0].keys, pay);
}

TEST_F(WindowTemplates, GiveControlsWithoutHandlersTheirOwnClassAndArrayElementsTheirIndex)
{
    const DecodedControl& label = decoded.controls[1];
    EXPECT_EQ(label.classIndex, 1); // StaticText itself
    ASSERT_EQ(label.keys.size(), 16u + 9u);
    EXPECT_EQ(label.keys[16 + 5],
              (std::pair<std::string, std::string>{"Text", "\x93\xF1\x8D\x73\x82\xCC\r\x8B\xE0\x8A\x7A"}));
    EXPECT_EQ(label.keys[16 + 6], (std::pair<std::string, std::string>{"TextAlign", "2"}));
    EXPECT_EQ(decoded.controls[2].keys[1].second, "1");
    EXPECT_EQ(decoded.controls[3].keys[1].second, "2");
    EXPECT_EQ(decoded.controls[3].keys.size(), 16u + 18u);
}

TEST_F(WindowTemplates, MakeAnUnnamedSubclassForAControlThatHandlesEvents)
{
    ASSERT_EQ(model.classes.size(), 6u);
    const resgen::ClassTableEntry& subclass = model.classes[5];
    EXPECT_EQ(subclass.name, "");
    EXPECT_EQ(subclass.superclass, 2); // PushButton
    EXPECT_EQ(subclass.instanceSize, "120");
    ASSERT_EQ(subclass.events.size(), 1u);
    EXPECT_EQ(subclass.events[0].name, "Action");
    EXPECT_EQ(subclass.events[0].function, "payAction");
}

const char* const kMenuBar = R"([menu FileMenu]
Text = ファイル
flag = 7

[item FileMenu/FilePrint]
Text = 印刷...
CommandKey = P

[item FileMenu/-]

[item FileMenu/Recent]
[item FileMenu/Recent/RecentFile]
Index = 0
extra1 = first
[item FileMenu/Recent/RecentFile]
Index = 1

[item FileMenu/FileQuit]
class = QuitMenuItem

[menu EditMenu]
)";

struct MenuLine {
    int depth;
    std::string text, name;
    int32_t index;
    std::string shortcut, extra1;
    uint8_t flag, hasSubmenu;
    int32_t classIndex;
    bool operator==(const MenuLine&) const = default;
};

void flatten(const std::vector<DecodedMenu>& menus, int depth, std::vector<MenuLine>& lines)
{
    for (const DecodedMenu& m : menus) {
        EXPECT_EQ(m.kind, 0);
        lines.push_back({depth, m.text, m.name, m.index, m.shortcut, m.extra1, m.flag, m.hasSubmenu, m.classIndex});
        flatten(m.items, depth + 1, lines);
    }
}

TEST(MenuBarStream, HoldsTitlesItemsAndSubmenusInOrder)
{
    const GeneratorRun run = runGenerator({{"menubar", kMenuBar}, {"project", "[project]\nmenubar\n"}});
    ASSERT_TRUE(run.model) << run.messages.front();
    const resgen::ProjectItem* item = findItem(*run.model, ProjectItemKind::MenuBar);
    ASSERT_NE(item, nullptr);
    bool whole = false;
    std::vector<MenuLine> lines;
    flatten(decodeMenuBar(item->bytes, whole), 0, lines);
    EXPECT_TRUE(whole);
    const int32_t menuItem = 0, quit = 1; // the only classes: references of the built-in table
    const std::vector<MenuLine> expected{
        {0, "\x83\x74\x83\x40\x83\x43\x83\x8B", "FileMenu", kNotInArray, "", "", 7, 1, menuItem},
        {1, "\x88\xF3\x8D\xFC...", "FilePrint", kNotInArray, "P", "", 0, 0, menuItem},
        {1, "-", "", kNotInArray, "", "", 0, 0, menuItem},
        {1, "Recent", "Recent", kNotInArray, "", "", 0, 1, menuItem},
        {2, "RecentFile", "RecentFile", 0, "", "first", 0, 0, menuItem},
        {2, "RecentFile", "RecentFile", 1, "", "", 0, 0, menuItem},
        {1, "FileQuit", "FileQuit", kNotInArray, "", "", 0, 0, quit},
        {0, "EditMenu", "EditMenu", kNotInArray, "", "", 0, 1, menuItem},
    };
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(run.model->classes[quit].name, "QuitMenuItem");
}

TEST(SettingsStream, HoldsTheFlagLanguageTablesAndFrame)
{
    const char* settings = R"([settings]
language = 13
filetype = application/text | SpKs | TEXT |
filetype = ポ|ソ |  | x
message = 最初
message = "クラス%1の例外\r終了"
frame = 1
title = 手形・小切手
)";
    const GeneratorRun run = runGenerator({{"settings", settings}, {"project", "[project]\nsettings\n"}});
    ASSERT_TRUE(run.model) << run.messages.front();
    const DecodedSettings decoded = decodeSettings(findItem(*run.model, ProjectItemKind::Settings)->bytes);
    EXPECT_TRUE(decoded.wholeStream);
    EXPECT_EQ(decoded.flag, 1); // the default
    EXPECT_EQ(decoded.skipped, 0u);
    EXPECT_EQ(decoded.language, 13u);
    // "ポ" ends in the byte of "|": the fields are split before the text becomes Shift-JIS.
    const std::vector<std::vector<std::string>> types{{"application/text", "SpKs", "TEXT", ""},
                                                      {"\x83\x7C", "\x83\x5C", "", "x"}};
    EXPECT_EQ(decoded.fileTypes, types);
    EXPECT_EQ(decoded.messages,
              (std::vector<std::string>{"\x8D\xC5\x8F\x89",
                                        "\x83\x4E\x83\x89\x83\x58%1\x82\xCC\x97\xE1\x8A\x4F\r\x8F\x49\x97\xB9"}));
    EXPECT_EQ(decoded.frameMode, 1);
    EXPECT_EQ(decoded.frameTitle, "\x8E\xE8\x8C\x60\x81\x45\x8F\xAC\x90\xD8\x8E\xE8");
}

} // namespace
