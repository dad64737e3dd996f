// The control library's controls used from outside as a person uses them: arrows clicked, held,
// dragged off and back, with their events counted; bevel buttons pressed, released inside and
// outside, toggled, latched and their pop-up rows chosen; and the drawn pixels of arrows and
// separators compared with their geometry in the system's colours.
#include "tests/support/files.h"
#include "tests/support/programsession.h"
#include "tests/support/screencapture.h"
#include "tests/support/tracelines.h"
#include "tests/support/waits.h"

#include <windows.h>

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

const char* const windowTitle = "部品の見本";

// Where the window description puts the controls (client coordinates).
constexpr POINT arrows{20, 20};
constexpr POINT quietArrows{60, 20};
constexpr RECT push{20, 100, 118, 122};
constexpr RECT toggle{130, 100, 228, 122};
constexpr RECT sticky{240, 100, 338, 122};
constexpr RECT choice{20, 140, 118, 162};
constexpr RECT off{130, 140, 228, 162};

// Arrows repeat no sooner than 400 ms after the press, then at most once every 15 ms.
constexpr DWORD repeatDelayMs = 400;
constexpr DWORD repeatSpacingMs = 15;

uint32_t rgb(COLORREF color)
{
    return (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
}

uint32_t systemColor(int index)
{
    return rgb(GetSysColor(index));
}

constexpr uint32_t black = 0x000000;
constexpr uint32_t darkGrey = 0x404040;  // the stock dark-grey brush
constexpr uint32_t lightGrey = 0xC0C0C0; // the stock light-grey brush

// The face a little inside the frame and the bevel, away from the caption.
uint32_t faceOf(const Capture& shot, const RECT& button)
{
    return shot.at(button.left + 5, (button.top + button.bottom) / 2);
}

class ControlsProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = session.waitForWindow(windowTitle);
        ASSERT_NE(window, nullptr) << "the controls window did not open";
        ASSERT_TRUE(waitUntilInFront(window));
        ASSERT_TRUE(waitUntilDrawn(window));
    }

    void TearDown() override
    {
        closeWindow(window);
        DWORD exitCode = 1;
        EXPECT_TRUE(session.waitForExit(5000, exitCode));
        EXPECT_EQ(exitCode, 0u);
    }

    POINT onScreen(int x, int y) const
    {
        POINT at{x, y};
        ClientToScreen(window, &at);
        return at;
    }
    POINT middleOf(const RECT& area) const
    {
        return onScreen((area.left + area.right) / 2, (area.top + area.bottom) / 2);
    }

    Lines trace() const { return traceLines(folder); }
    // The trace once it holds `count` lines: what the program does with a click may come after
    // the test has seen it take the click. A test fails when it does not come.
    Lines traceOf(size_t count) const
    {
        EXPECT_TRUE(waitUntil([&] { return trace().size() >= count; }, 3000)) << "fewer than " << count << " lines";
        return trace();
    }
    // A click on the up arrow, seen in the trace: whatever was clicked before it has been
    // handled by then, so a trace read after it shows what that click did, or that it did nothing.
    void marker()
    {
        size_t before = trace().size();
        clickOnScreen(onScreen(arrows.x + 6, arrows.y + 5));
        traceOf(before + 1);
    }
    long count(const std::string& line) const
    {
        Lines lines = trace();
        return std::count(lines.begin(), lines.end(), line);
    }

    // Holds the button down at the point for about `ms`; returns how long it was really held.
    DWORD holdAt(POINT at, DWORD ms)
    {
        DWORD start = GetTickCount();
        pressOnScreen(at);
        Sleep(ms);
        releaseOnScreen();
        return GetTickCount() - start;
    }
    // Holds the button down at the point until the trace holds `count` lines of `line` (at most
    // five seconds, stretched); returns how long it was really held.
    DWORD holdUntil(POINT at, const std::string& line, long count)
    {
        DWORD start = GetTickCount();
        pressOnScreen(at);
        bool reached = waitUntil([&] { return this->count(line) >= count; }, 5000);
        releaseOnScreen();
        EXPECT_TRUE(reached) << "held " << GetTickCount() - start << " ms without " << count << " of " << line;
        return GetTickCount() - start;
    }
    // Lets the clock pass more than a repeat's spacing and then waits until the program has
    // tracked the held pointer once more: a repeat due by then has been traced.
    void letARepeatFallDue()
    {
        Sleep(4 * repeatSpacingMs);
        ASSERT_TRUE(waitUntilIdle(window));
    }

    Capture shot()
    {
        EXPECT_TRUE(waitUntilDrawn(window)) << "the window still has parts to paint";
        return captureClient(window);
    }
    // The window once the pixel shows `colour`, or as it is after a bounded wait: the caller
    // compares the pixel with what was awaited.
    Capture shotShowing(int x, int y, uint32_t colour)
    {
        Capture seen;
        static_cast<void>(waitUntil(
            [&] {
                seen = shot();
                return seen.at(x, y) == colour;
            },
            2000));
        return seen;
    }
    // The button's face once it shows `expected`, or as it is after a bounded wait: the caller
    // compares it with what was awaited.
    uint32_t faceSoon(const RECT& button, uint32_t expected)
    {
        uint32_t face = 0;
        static_cast<void>(waitUntil(
            [&] {
                face = faceOf(shot(), button);
                return face == expected;
            },
            2000));
        return face;
    }

    std::string folder = freshFolder(fullPath("kolactlproof-run"));
    ProgramSession session{"\"" + fullPath("controls.exe") + "\"", folder};
    HWND window = nullptr;
};

TEST_F(ControlsProgram, ArrowsFireOnTheArrowUnderTheClick)
{
    clickOnScreen(onScreen(arrows.x + 6, arrows.y + 11));
    clickOnScreen(onScreen(arrows.x + 6, arrows.y + 12));
    clickOnScreen(onScreen(arrows.x + 6, arrows.y + 22));
    clickOnScreen(onScreen(arrows.x + 6, arrows.y + 24)); // below the 13 x 23 area
    clickOnScreen(onScreen(quietArrows.x + 6, quietArrows.y + 5));
    clickOnScreen(onScreen(quietArrows.x + 6, quietArrows.y + 17));
    marker();
    EXPECT_EQ(trace(), (Lines{"Arrows.Up", "Arrows.Down", "Arrows.Down", "Arrows.Up"})) << joinedLines(trace());
}

TEST_F(ControlsProgram, AnArrowHeldRepeatsAfterItsDelayAndNoFasterThanItsSpacing)
{
    DWORD shortHold = holdAt(onScreen(arrows.x + 6, arrows.y + 5), 250);
    if (shortHold < repeatDelayMs - 50)
        EXPECT_EQ(count("Arrows.Up"), 1) << "held " << shortHold << " ms";

    DWORD longHold = holdUntil(onScreen(arrows.x + 6, arrows.y + 17), "Arrows.Down", 4);
    long downs = count("Arrows.Down");
    long mostRepeats = static_cast<long>((longHold + 100 - repeatDelayMs) / repeatSpacingMs);
    EXPECT_GE(downs, 4) << "held " << longHold << " ms";
    EXPECT_LE(downs, 1 + mostRepeats) << "held " << longHold << " ms";
    EXPECT_EQ(count("Arrows.Up"), 1);
}

TEST_F(ControlsProgram, DraggingOffAnArrowPausesItsRepeatUntilThePointerIsBack)
{
    pressOnScreen(onScreen(arrows.x + 6, arrows.y + 5));
    EXPECT_TRUE(waitUntil([&] { return count("Arrows.Up") >= 2; }, 5000)) << "held, the arrow did not repeat";
    moveOnScreen(onScreen(arrows.x + 40, arrows.y + 5)); // the program has taken the move
    long off = count("Arrows.Up");
    letARepeatFallDue();
    long stillOff = count("Arrows.Up");
    moveOnScreen(onScreen(arrows.x + 6, arrows.y + 5));
    bool resumed = waitUntil([&] { return count("Arrows.Up") > stillOff; }, 5000);
    releaseOnScreen();
    EXPECT_GE(off, 2);
    EXPECT_EQ(stillOff, off) << "repeated while the pointer was off";
    EXPECT_TRUE(resumed) << "did not repeat again once the pointer was back";
    EXPECT_EQ(count("Arrows.Down"), 0);
}

// The frame, the dividing line, each face's two-coloured edges and its arrow's apex, for
// arrows at (left, top) drawn with `pressedPart` (0 none, 1 upper, 2 lower).
void expectArrowsDrawn(const Capture& shot, POINT at, bool enabled, int pressedPart)
{
    const uint32_t frame = enabled ? black : darkGrey;
    const int left = at.x, top = at.y;
    for (int y = top; y < top + 23; ++y) {
        // The dividing line, drawn after the frame with the black pen, starts on it.
        EXPECT_EQ(shot.at(left, y), y == top + 11 ? black : frame) << "left frame, y " << y;
        EXPECT_EQ(shot.at(left + 12, y), frame) << "right frame, y " << y;
    }
    for (int x = left; x < left + 13; ++x) {
        EXPECT_EQ(shot.at(x, top), frame) << "top frame, x " << x;
        EXPECT_EQ(shot.at(x, top + 22), frame) << "bottom frame, x " << x;
    }
    const uint32_t face = systemColor(COLOR_BTNFACE);
    for (int part = 1; part <= 2; ++part) {
        const bool pressed = part == pressedPart;
        const int faceLeft = left + 1, faceTop = part == 1 ? top + 1 : top + 12;
        const uint32_t first = !enabled ? face : pressed ? systemColor(COLOR_BTNSHADOW) : systemColor(COLOR_3DHILIGHT);
        const uint32_t second = !enabled ? face : pressed ? face : systemColor(COLOR_BTNSHADOW);
        const std::string which = part == 1 ? "upper face" : "lower face";
        EXPECT_EQ(shot.at(faceLeft, faceTop + 5), first) << which << ", left edge";
        EXPECT_EQ(shot.at(faceLeft + 5, faceTop), first) << which << ", top edge";
        EXPECT_EQ(shot.at(faceLeft + 10, faceTop + 5), second) << which << ", right edge";
        EXPECT_EQ(shot.at(faceLeft + 5, faceTop + 9), second) << which << ", bottom edge";
        const int d = pressed ? 1 : 0;
        const int apexY = part == 1 ? faceTop + 3 + d : faceTop + 6 + d;
        const int baseY = part == 1 ? faceTop + 6 + d : faceTop + 3 + d;
        const uint32_t arrow = enabled ? black : lightGrey;
        EXPECT_EQ(shot.at(faceLeft + 5 + d, apexY), arrow) << which << ", apex";
        EXPECT_EQ(shot.at(faceLeft + 5 + d, baseY), arrow) << which << ", base";
        EXPECT_EQ(shot.at(faceLeft + 1 + d, baseY), face) << which << ", beside the base";
    }
}

TEST_F(ControlsProgram, ArrowsAreDrawnToTheirGeometryInEachState)
{
    Capture still = shot();
    {
        SCOPED_TRACE("enabled, nothing pressed");
        expectArrowsDrawn(still, arrows, true, 0);
    }
    {
        SCOPED_TRACE("disabled");
        expectArrowsDrawn(still, quietArrows, false, 0);
    }
    for (int part = 1; part <= 2; ++part) {
        SCOPED_TRACE(part == 1 ? "upper arrow pressed" : "lower arrow pressed");
        pressOnScreen(onScreen(arrows.x + 6, part == 1 ? arrows.y + 5 : arrows.y + 17));
        Capture held =
            shotShowing(arrows.x + 1, (part == 1 ? arrows.y + 1 : arrows.y + 12) + 5, systemColor(COLOR_BTNSHADOW));
        releaseOnScreen();
        expectArrowsDrawn(held, arrows, true, part);
    }
    SCOPED_TRACE("released");
    expectArrowsDrawn(shotShowing(arrows.x + 1, arrows.y + 17, systemColor(COLOR_3DHILIGHT)), arrows, true, 0);
}

TEST_F(ControlsProgram, SeparatorsDrawAShadowLineWithAHighlightBesideIt)
{
    Capture still = shot();
    const uint32_t shadow = systemColor(COLOR_BTNSHADOW), highlight = systemColor(COLOR_3DHILIGHT);
    for (int x = 20; x < 176; x += 5) {
        EXPECT_EQ(still.at(x, 70), shadow) << "across, x " << x;
        EXPECT_EQ(still.at(x, 71), highlight) << "across, x " << x;
    }
    for (int y = 14; y < 54; y += 5) {
        EXPECT_EQ(still.at(102, y), shadow) << "upright, y " << y;
        EXPECT_EQ(still.at(103, y), highlight) << "upright, y " << y;
    }
}

TEST_F(ControlsProgram, BevelButtonsActOnlyWhenReleasedOverThem)
{
    const uint32_t face = systemColor(COLOR_BTNFACE), pressedFace = systemColor(COLOR_BTNSHADOW);
    clickOnScreen(middleOf(push));
    EXPECT_EQ(traceOf(1), (Lines{"Push.Action"}));
    EXPECT_EQ(faceSoon(push, face), face);

    pressOnScreen(middleOf(push));
    EXPECT_EQ(faceSoon(push, pressedFace), pressedFace) << "pressed";
    moveOnScreen(onScreen(push.right + 30, push.bottom + 30));
    EXPECT_EQ(faceSoon(push, face), face) << "dragged off";
    moveOnScreen(middleOf(push));
    EXPECT_EQ(faceSoon(push, pressedFace), pressedFace) << "dragged back";
    moveOnScreen(onScreen(push.right + 30, push.bottom + 30));
    releaseOnScreen();
    clickOnScreen(middleOf(off));
    marker();
    EXPECT_EQ(trace(), (Lines{"Push.Action", "Arrows.Up"})) << "released outside, then a disabled button clicked";
    EXPECT_EQ(faceSoon(push, face), face);
}

TEST_F(ControlsProgram, ToggleAndStickyButtonsKeepTheirValueOnTheirFace)
{
    const uint32_t face = systemColor(COLOR_BTNFACE), latched = systemColor(COLOR_BTNSHADOW);
    const struct {
        const RECT& button;
        uint32_t afterFirst, afterSecond;
    } cases[] = {{toggle, latched, face}, {sticky, latched, latched}};
    for (const auto& c : cases) {
        clickOnScreen(middleOf(c.button));
        marker();
        EXPECT_EQ(faceSoon(c.button, c.afterFirst), c.afterFirst);
        clickOnScreen(middleOf(c.button));
        marker();
        EXPECT_EQ(faceSoon(c.button, c.afterSecond), c.afterSecond);
    }
    EXPECT_EQ(trace(), (Lines{"Toggle.Action", "Arrows.Up", "Toggle.Action", "Arrows.Up", "Sticky.Action", "Arrows.Up",
                              "Sticky.Action", "Arrows.Up"}));
}

// The pop-up menu a bevel button shows; null when none shows.
HWND popupMenuWindow()
{
    HWND found = nullptr;
    bool shown = waitUntil(
        [&] {
            found = FindWindowA("#32768", nullptr);
            return found && IsWindowVisible(found);
        },
        5000);
    return shown ? found : nullptr;
}

bool isHighlight(uint32_t pixel)
{
    return pixel == systemColor(COLOR_HIGHLIGHT) || pixel == systemColor(COLOR_MENUHILIGHT);
}

// The rows of a pop-up menu that can be chosen, top to bottom, in screen coordinates, found the
// way a person finds them: by moving the pointer down the menu and seeing which row lights up.
std::vector<RECT> menuRows(HWND popup)
{
    RECT whole;
    GetWindowRect(popup, &whole);
    const int x = (whole.left + whole.right) / 2;
    std::vector<RECT> rows;
    for (int y = whole.top + 1; y < whole.bottom - 1; y += 2) {
        moveOnScreen({x, y}); // the menu has taken the move and lit its row
        Capture shot = captureWindow(popup);
        const int column = 4;
        if (!isHighlight(shot.at(column, y - whole.top)))
            continue;
        int top = y - whole.top, bottom = top;
        while (top > 0 && isHighlight(shot.at(column, top - 1)))
            --top;
        while (bottom + 1 < shot.height && isHighlight(shot.at(column, bottom + 1)))
            ++bottom;
        rows.push_back({whole.left, whole.top + top, whole.right, whole.top + bottom + 1});
        y = whole.top + bottom + 1;
    }
    return rows;
}

// Whether a row shows a mark in its left margin (a check mark), with nothing highlighted.
bool rowChecked(const Capture& popup, const RECT& popupArea, const RECT& row)
{
    for (int y = row.top - popupArea.top; y < row.bottom - popupArea.top; ++y) {
        for (int x = 2; x < 16; ++x) {
            if (popup.at(x, y) == black)
                return true;
        }
    }
    return false;
}

// The program's Choice handler marks its line when the button is not an ActionSource, the
// interface the library's bevel button names.
TEST_F(ControlsProgram, BevelButtonMenuRowsAreChosenByMouseAndTheChoiceIsChecked)
{
    // The rows 赤, a separator, 青 and 緑: three that can be chosen.
    const struct {
        size_t choosable; // 青 is the second row that can be chosen, 緑 the third
        Lines expected;
    } choices[] = {{1, {"Choice.Action 2"}}, {2, {"Choice.Action 2", "Choice.Action 3"}}};
    for (const auto& c : choices) {
        pressOnScreen(middleOf(choice));
        HWND popup = popupMenuWindow();
        ASSERT_NE(popup, nullptr) << "no pop-up menu";
        std::vector<RECT> rows = menuRows(popup);
        ASSERT_EQ(rows.size(), 3u) << "rows that light up under the pointer";
        const RECT& row = rows[c.choosable];
        clickOnScreen({(row.left + row.right) / 2, (row.top + row.bottom) / 2});
        EXPECT_EQ(traceOf(c.expected.size()), c.expected) << joinedLines(trace());
        releaseOnScreen();
    }
    pressOnScreen(middleOf(choice));
    HWND popup = popupMenuWindow();
    ASSERT_NE(popup, nullptr);
    RECT popupArea;
    GetWindowRect(popup, &popupArea);
    Capture shown = captureWindow(popup);
    std::vector<RECT> rows = menuRows(popup);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_FALSE(rowChecked(shown, popupArea, rows[1])) << "青";
    EXPECT_TRUE(rowChecked(shown, popupArea, rows[2])) << "緑, the row chosen last";
    CreateDirectoryA("screenshots", nullptr);
    writeBmp("screenshots/controls-menu.bmp", shown);
    pressInWindow(popup, VK_ESCAPE, {});
    EXPECT_TRUE(waitUntil(
        [] { return !FindWindowA("#32768", nullptr) || !IsWindowVisible(FindWindowA("#32768", nullptr)); }, 2000))
        << "Escape did not close the menu";
    releaseOnScreen();
    marker();
    EXPECT_EQ(trace(), (Lines{"Choice.Action 2", "Choice.Action 3", "Arrows.Up"}))
        << "a menu closed without a choice raises nothing";
}

TEST_F(ControlsProgram, LooksRight)
{
    clickOnScreen(middleOf(toggle));
    EXPECT_EQ(faceSoon(toggle, systemColor(COLOR_BTNSHADOW)), systemColor(COLOR_BTNSHADOW));
    CreateDirectoryA("screenshots", nullptr);
    writeBmp("screenshots/controls.bmp", captureWindow(window));
    Capture still = shot();
    const uint32_t highlight = systemColor(COLOR_3DHILIGHT), shadow = systemColor(COLOR_BTNSHADOW);
    bool engravedLight = false, engravedDark = false;
    for (int y = off.top + 3; y < off.bottom - 3; ++y) {
        for (int x = off.left + 3; x < off.right - 3; ++x) {
            engravedLight |= still.at(x, y) == highlight;
            engravedDark |= still.at(x, y) == shadow;
        }
    }
    EXPECT_TRUE(engravedLight && engravedDark) << "the disabled caption is engraved";
    EXPECT_EQ(still.at(off.left, (off.top + off.bottom) / 2), darkGrey) << "the disabled frame";
    EXPECT_EQ(still.at(push.left, (push.top + push.bottom) / 2), black) << "the enabled frame";
}

} // namespace
