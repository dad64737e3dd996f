// The control library's geometry, timing and menu-row rules, case by case.
#include "plugins/kolactl/menurows.h"
#include "plugins/kolactl/rules.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using namespace kola;

constexpr PaneRect arrows{100, 40, 123, 53}; // top, left, bottom, right

TEST(LittleArrowsRules, APointBelongsToTheUpperArrowAboveRowTwelve)
{
    struct Case {
        const char* what;
        int x, y;
        ArrowPart part;
    } cases[] = {
        {"top-left corner", 40, 100, arrowUpper},    {"row eleven, the dividing line", 45, 111, arrowUpper},
        {"row twelve", 45, 112, arrowLower},         {"last row", 52, 122, arrowLower},
        {"below the 23 rows", 45, 123, arrowNone},   {"right of the 13 columns", 53, 105, arrowNone},
        {"left of the control", 39, 105, arrowNone}, {"above the control", 45, 99, arrowNone},
    };
    for (const Case& c : cases)
        EXPECT_EQ(arrowPartAt(arrows, c.x, c.y), c.part) << c.what;
}

TEST(LittleArrowsRules, TheAreaIsThirteenByTwentyThreeWhateverTheStatedSize)
{
    PaneRect wide{0, 0, 50, 80};
    EXPECT_EQ(arrowPartAt(wide, 12, 22), arrowLower);
    EXPECT_EQ(arrowPartAt(wide, 13, 5), arrowNone);
    EXPECT_EQ(arrowPartAt(wide, 5, 23), arrowNone);
}

TEST(LittleArrowsRules, FacesAndArrowsSitWhereTheyAreDrawn)
{
    RECT upper = arrowFace(arrows, arrowUpper), lower = arrowFace(arrows, arrowLower);
    EXPECT_EQ((std::to_string(upper.left) + "," + std::to_string(upper.top) + "-" + std::to_string(upper.right) + "," +
               std::to_string(upper.bottom)),
              "41,101-52,111");
    EXPECT_EQ(lower.top, 112);
    EXPECT_EQ(lower.bottom, 122);
    struct Case {
        const char* what;
        ArrowPart part;
        bool pressed;
        POINT expected[3];
    } cases[] = {
        {"upper raised", arrowUpper, false, {{43, 107}, {46, 104}, {49, 107}}},
        {"upper pressed", arrowUpper, true, {{44, 108}, {47, 105}, {50, 108}}},
        {"lower raised", arrowLower, false, {{43, 115}, {46, 118}, {49, 115}}},
        {"lower pressed", arrowLower, true, {{44, 116}, {47, 119}, {50, 116}}},
    };
    for (const Case& c : cases) {
        Triangle triangle = arrowTriangle(arrowFace(arrows, c.part), c.part, c.pressed);
        for (int corner = 0; corner < 3; ++corner) {
            EXPECT_EQ(triangle.corners[corner].x, c.expected[corner].x) << c.what << " corner " << corner;
            EXPECT_EQ(triangle.corners[corner].y, c.expected[corner].y) << c.what << " corner " << corner;
        }
    }
}

TEST(LittleArrowsRules, EdgeColoursFollowEnabledAndPressed)
{
    struct Case {
        const char* what;
        bool enabled, pressed;
        int first, second;
    } cases[] = {
        {"raised", true, false, COLOR_3DHILIGHT, COLOR_BTNSHADOW},
        {"pressed", true, true, COLOR_BTNSHADOW, COLOR_BTNFACE},
        {"disabled is flat", false, false, COLOR_BTNFACE, COLOR_BTNFACE},
        {"disabled and pressed is flat", false, true, COLOR_BTNFACE, COLOR_BTNFACE},
    };
    for (const Case& c : cases) {
        EdgeColours colours = arrowEdgeColours(c.enabled, c.pressed);
        EXPECT_EQ(colours.first, c.first) << c.what;
        EXPECT_EQ(colours.second, c.second) << c.what;
    }
}

TEST(LittleArrowsRules, RepeatWaitsFourHundredMillisecondsThenSpacesByFifteen)
{
    const uint32_t pressTicks = 160000, press = ticksToUnits(pressTicks);
    struct Case {
        const char* what;
        uint32_t now, clock;
        bool due;
    } cases[] = {
        {"at once", pressTicks, 0, false},
        {"after 300 ms", pressTicks + 300, 0, false},
        {"after exactly 400 ms (25 units)", pressTicks + 400, 0, false},
        {"in the 27th unit", pressTicks + 26 * 16, 0, true},
        {"15 ms after the last repeat", pressTicks + 1000, pressTicks + 985, false},
        {"16 ms after the last repeat", pressTicks + 1000, pressTicks + 984, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(arrowRepeatDue(c.now, press, c.clock), c.due) << c.what;
}

TEST(LittleArrowsRules, HeldOneSecondWithDragsEveryTenMillisecondsRepeatsSpacedByMoreThanFifteen)
{
    const uint32_t pressTicks = 50000, press = ticksToUnits(pressTicks);
    uint32_t clock = 0, fired = 0, last = 0;
    for (uint32_t now = pressTicks; now <= pressTicks + 1000; now += 10) {
        if (!arrowRepeatDue(now, press, clock))
            continue;
        EXPECT_GT(now, pressTicks + 400);
        if (fired > 0) {
            EXPECT_GT(now - last, 15u);
        }
        clock = last = now;
        ++fired;
    }
    EXPECT_GE(fired, 20u);
    EXPECT_LE(fired, 30u);
}

TEST(SeparatorRules, TheLinesRunAcrossTheLongerSide)
{
    struct Case {
        const char* what;
        PaneRect bounds;
        Line shadow, highlight;
    } cases[] = {
        {"156 x 1 at the top", {10, 20, 11, 176}, {{20, 10}, {176, 10}}, {{20, 11}, {176, 11}}},
        {"64 x 4", {0, 0, 4, 64}, {{0, 2}, {64, 2}}, {{0, 3}, {64, 3}}},
        {"4 x 64 is vertical", {0, 8, 64, 12}, {{10, 0}, {10, 64}}, {{11, 0}, {11, 64}}},
        {"square is vertical", {0, 0, 9, 9}, {{4, 0}, {4, 9}}, {{5, 0}, {5, 9}}},
        {"negative middle rounds toward zero", {-3, 0, 0, 40}, {{0, -1}, {40, -1}}, {{0, 0}, {40, 0}}},
    };
    for (const Case& c : cases) {
        SeparatorLines lines = separatorLines(c.bounds);
        const Line* got[] = {&lines.shadow, &lines.highlight};
        const Line* want[] = {&c.shadow, &c.highlight};
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(got[i]->from.x, want[i]->from.x) << c.what << " line " << i;
            EXPECT_EQ(got[i]->from.y, want[i]->from.y) << c.what << " line " << i;
            EXPECT_EQ(got[i]->to.x, want[i]->to.x) << c.what << " line " << i;
            EXPECT_EQ(got[i]->to.y, want[i]->to.y) << c.what << " line " << i;
        }
    }
}

TEST(BevelButtonRules, ClicksAndPlacement)
{
    PaneRect button{10, 20, 32, 80};
    EXPECT_TRUE(insideBounds(button, 20, 10));
    EXPECT_FALSE(insideBounds(button, 80, 20)) << "the right edge is outside";
    EXPECT_FALSE(insideBounds(button, 30, 32)) << "the bottom edge is outside";
    struct Case {
        const char* what;
        int32_t type;
        bool before, after;
    } cases[] = {
        {"push keeps false", buttonPush, false, false}, {"push keeps true", buttonPush, true, true},
        {"toggle sets", buttonToggle, false, true},     {"toggle clears", buttonToggle, true, false},
        {"sticky sets", buttonSticky, false, true},     {"sticky stays", buttonSticky, true, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(valueAfterClick(c.type, c.before), c.after) << c.what;
    EXPECT_EQ(menuOrigin(button, menuBelow).x, 20);
    EXPECT_EQ(menuOrigin(button, menuBelow).y, 32);
    EXPECT_EQ(menuOrigin(button, menuRight).x, 80);
    EXPECT_EQ(menuOrigin(button, menuRight).y, 10);
}

TEST(BevelButtonRules, TheFaceAndTheDefaultCaptionAreCentred)
{
    PaneRect button{0, 0, 22, 60};
    RECT face = bevelFace(button, 0);
    EXPECT_EQ(face.left, 3);
    EXPECT_EQ(face.right, 57);
    POINT centred = captionOrigin(face, SIZE{20, 10}, 3, 0);
    EXPECT_EQ(centred.x, 20);
    EXPECT_EQ(centred.y, 6);
    EXPECT_EQ(captionOrigin(face, SIZE{20, 10}, 0, 4).x, 7);
    EXPECT_EQ(captionOrigin(face, SIZE{20, 10}, 1, 4).x, 57 - 20 - 4);
    BevelColours raised = bevelColours(true, false), sunk = bevelColours(false, true);
    EXPECT_EQ(raised.face, COLOR_BTNFACE);
    EXPECT_EQ(raised.topLeft, COLOR_3DHILIGHT);
    EXPECT_FALSE(raised.darkLineTopLeft);
    EXPECT_TRUE(raised.blackFrame);
    EXPECT_EQ(sunk.face, COLOR_BTNSHADOW);
    EXPECT_EQ(sunk.topLeft, COLOR_BTNSHADOW);
    EXPECT_TRUE(sunk.darkLineTopLeft);
    EXPECT_FALSE(sunk.blackFrame);
}

std::string rowsText(const MenuRow* head)
{
    std::string text;
    for (; head; head = head->next)
        text += head->separator ? std::string("-|") : std::string(head->text) + "|";
    return text;
}

TEST(MenuRows, RowsAreAddedInsertedReplacedAndRemovedByNumber)
{
    MenuRow* rows = nullptr;
    EXPECT_TRUE(menuRowsAppend(&rows, "One", 3, false));
    EXPECT_TRUE(menuRowsAppend(&rows, "", 0, true));
    EXPECT_TRUE(menuRowsAppend(&rows, "Three", 5, false));
    EXPECT_TRUE(menuRowsInsert(&rows, 0, "Zero", 4, false));
    EXPECT_TRUE(menuRowsInsert(&rows, 4, "End", 3, false)) << "inserting at the count appends";
    EXPECT_EQ(rowsText(rows), "Zero|One|-|Three|End|");
    struct Case {
        const char* what;
        bool done;
    } refused[] = {
        {"insert beyond the end", menuRowsInsert(&rows, 6, "X", 1, false)},
        {"insert before the start", menuRowsInsert(&rows, -1, "X", 1, false)},
        {"remove beyond the end", menuRowsRemove(&rows, 5)},
        {"remove before the start", menuRowsRemove(&rows, -1)},
        {"replace beyond the end", menuRowsReplace(rows, 5, "X", 1)},
    };
    for (const Case& c : refused)
        EXPECT_FALSE(c.done) << c.what;
    EXPECT_EQ(rowsText(rows), "Zero|One|-|Three|End|");
    EXPECT_TRUE(menuRowsReplace(rows, 2, "Two", 3));
    EXPECT_TRUE(menuRowsRemove(&rows, 0));
    EXPECT_EQ(rowsText(rows), "One|Two|Three|End|");
    EXPECT_EQ(menuRowsCount(rows), 4);
    EXPECT_STREQ(menuRowsAt(rows, 3)->text, "End");
    EXPECT_EQ(menuRowsAt(rows, 4), nullptr);
    menuRowsClear(&rows);
    EXPECT_EQ(rows, nullptr);
}

} // namespace
