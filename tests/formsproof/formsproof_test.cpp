// A program laid out as the application, started and used as a person uses it: the cheque
// form's fields and buttons over the canvas and rectangles made before them are seen, clicked
// and typed into; the modal About window refuses clicks anywhere else; two document windows
// in one frame are switched by their buttons and keep their own menu handlers and texts; the
// application hears of the program leaving the front and coming back.
#include "tests/support/childwindows.h"
#include "tests/support/framedprogram.h"
#include "tests/support/programsession.h"
#include "tests/support/screencapture.h"
#include "tests/support/tracelines.h"
#include "tests/support/waits.h"

#include <windows.h>

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

constexpr uint32_t fieldWhite = 0xFFFFFF;

// The cheque form's fields as its template places them (window-client coordinates).
struct FormField {
    const char* name;
    int left, top;
    bool editable;
};

const FormField chequeFields[] = {
    {"NameField", 205, 172, false},  {"JyusyoInField", 106, 300, true}, {"SyameiInField", 106, 324, true},
    {"NameInField", 106, 347, true}, {"SyameiField", 205, 155, false},  {"JyusyoField", 205, 138, false},
    {"YearIn", 174, 256, true},      {"MonthIn", 211, 256, true},       {"DateIn", 249, 256, true},
    {"UeField", 491, 309, true},     {"HidariField", 575, 309, true},   {"FontField", 521, 253, true},
    {"Kingaku", 77, 84, false},      {"NumberField", 251, 112, false},  {"YearField", 63, 156, true},
    {"MonthField", 95, 156, true},   {"DateField", 123, 156, true},
};

// The buttons that only report their Action, with their captions.
struct FormButton {
    const char* name;
    const char* caption;
};

const FormButton chequeButtons[] = {
    {"Digit1", "1"},
    {"Digit2", "2"},
    {"Digit3", "3"},
    {"Digit4", "4"},
    {"Digit5", "5"},
    {"Digit6", "6"},
    {"Digit7", "7"},
    {"Digit8", "8"},
    {"Digit9", "9"},
    {"Clear", "AC"},
    {"ButtonMan", "万"},
    {"ButtonSen", "千"},
    {"ButtonHyaku", "百"},
    {"ButtonJyu", "十"},
    {"ButtonYen", "円"},
    {"TondeButton", "飛んで"},
    {"ChangeButton", "入力"},
    {"EraseButton", "全消去"},
    {"TodayButton", "今日の日付"},
    {"GinkouButton", "銀行渡り"},
    {"DayButton", "日付押印"},
    {"PrintButton", "印刷"},
    {"DateYButton", "日付位置初期値"},
};

class FormsProgram : public testing::Test, protected FramedProgram {
protected:
    void SetUp() override { ASSERT_TRUE(startFramedProgram("forms.exe", "forms-program", *this)); }

    void TearDown() override
    {
        DWORD exitCode = 99;
        EXPECT_TRUE(closeFramedProgram(*this, exitCode)) << "closing the frame did not end the program";
        EXPECT_EQ(exitCode, 0u);
    }

    // Lines traced after the cheque window opened, in UTF-8.
    Lines traced() { return tracedAfter(folder, "Cheque.Open"); }

    // Waits until the lines traced from `from` on are these.
    bool waitForTrace(size_t from, const Lines& expected, DWORD timeoutMs = 3000)
    {
        return waitAnswering(
            [&] {
                Lines lines = traced();
                return lines.size() >= from && Lines(lines.begin() + from, lines.end()) == expected;
            },
            timeoutMs);
    }

    Lines tracedFrom(size_t from)
    {
        Lines lines = traced();
        return from <= lines.size() ? Lines(lines.begin() + from, lines.end()) : Lines{};
    }

    // Closes the About window with a click; the lines traced from `from` (by default: from now)
    // must be those the click raises, so whatever came before it raised nothing.
    void closeAbout(size_t from = SIZE_MAX)
    {
        from = from == SIZE_MAX ? traced().size() : from;
        clickInWindow(about, 150, 300);
        ASSERT_TRUE(waitAnswering([&] { return !IsWindow(about); })) << "a click in the About window did not close it";
        // Closing takes the window out of the front: its Deactivate asks to close it once more.
        EXPECT_TRUE(waitForTrace(from, {"About.MouseDown", "About.Deactivate"})) << joinedLines(tracedFrom(from));
    }

    HWND field(HWND document, int left, int top)
    {
        for (HWND candidate : childrenOfClass(document, "RichEdit")) {
            RECT area = rectIn(candidate, document);
            if (area.left == left && area.top == top)
                return candidate;
        }
        return nullptr;
    }

    HWND button(HWND document, const std::string& captionUtf8)
    {
        for (HWND candidate : childrenOfClass(document, "Button")) {
            if (textOf(candidate) == captionUtf8)
                return candidate;
        }
        return nullptr;
    }

    GUITHREADINFO guiState()
    {
        GUITHREADINFO state = {sizeof state};
        GetGUIThreadInfo(GetWindowThreadProcessId(frame, nullptr), &state);
        return state;
    }

    void clickChild(HWND document, HWND control)
    {
        POINT middle = middleOf(screenRect(control));
        ScreenToClient(document, &middle);
        clickInWindow(document, middle.x, middle.y);
    }

    // Clicks into a field until it has the focus, as a person clicks again when the first click
    // only brought the window to the front.
    bool clickIntoField(HWND document, HWND control)
    {
        for (int attempt = 0; attempt < 3; ++attempt) {
            clickChild(document, control);
            if (waitAnswering([&] { return guiState().hwndFocus == control; }, 500))
                return true;
        }
        return false;
    }
};

// The share of the rectangle's pixels (inside a margin for the border) that are white.
double whiteShare(const Capture& shot, RECT area)
{
    InflateRect(&area, -3, -3);
    int white = 0, all = 0;
    for (int y = std::max<LONG>(area.top, 0); y < std::min<LONG>(area.bottom, shot.height); ++y) {
        for (int x = std::max<LONG>(area.left, 0); x < std::min<LONG>(area.right, shot.width); ++x) {
            ++all;
            white += shot.at(x, y) == fieldWhite;
        }
    }
    return all ? double(white) / all : 0;
}

TEST_F(FormsProgram, WhileTheAboutWindowShowsClicksOnTheFrameAndTheFormAreRefused)
{
    RECT frameArea = screenRect(frame), aboutArea = screenRect(about);
    POINT clientOrigin = {0, 0};
    ClientToScreen(frame, &clientOrigin);
    HWND mdiClient = GetParent(cheque);
    RECT documentArea = screenRect(cheque), clientArea = screenRect(mdiClient);
    HWND editable = field(cheque, 63, 156); // YearField, left of where the About window stands
    ASSERT_NE(editable, nullptr);
    const struct {
        const char* what;
        POINT at;
    } places[] = {
        {"the frame's caption", {frameArea.left + 120, frameArea.top + GetSystemMetrics(SM_CYCAPTION) / 2 + 3}},
        {"the frame's menu bar", {clientOrigin.x + 20, clientOrigin.y - GetSystemMetrics(SM_CYMENU) / 2}},
        {"the frame's empty area", {(documentArea.right + clientArea.right) / 2, documentArea.top + 40}},
        {"a field of the cheque form", middleOf(screenRect(editable))},
    };
    size_t from = traced().size();
    for (const auto& place : places) {
        POINT at = place.at;
        ASSERT_FALSE(PtInRect(&aboutArea, at)) << place.what << " lies under the About window";
        ASSERT_EQ(GetAncestor(WindowFromPoint(at), GA_ROOT), frame) << place.what << " is not the frame's";
        clickOnScreen(at);
        EXPECT_TRUE(IsWindowVisible(about)) << place.what;
        EXPECT_EQ(GetForegroundWindow(), about) << place.what;
        EXPECT_FALSE(guiState().flags & GUI_INMENUMODE) << place.what << " opened a menu";
        EXPECT_NE(guiState().hwndFocus, editable) << place.what;
    }
    pressInWindow(about, 'P', {VK_CONTROL});
    EXPECT_TRUE(IsWindowVisible(about));
    // The closing click comes after the refused clicks and the cheque's menu shortcut: anything
    // they raised would be traced before its lines.
    closeAbout(from);
    EXPECT_TRUE(clickIntoField(cheque, editable)) << "once the About window is gone the field takes clicks";
}

TEST_F(FormsProgram, EveryFieldOverTheFormIsSeenTakesAClickAndTypedJapanese)
{
    closeAbout();
    ASSERT_TRUE(waitUntilDrawn(cheque));
    Capture shot = captureClient(cheque);
    CreateDirectoryA("screenshots", nullptr);
    writeBmp("screenshots/cheque-form.bmp", captureWindow(frame));
    for (const FormField& expected : chequeFields) {
        HWND control = field(cheque, expected.left, expected.top);
        ASSERT_NE(control, nullptr) << expected.name;
        EXPECT_GT(whiteShare(shot, rectIn(control, cheque)), 0.6) << expected.name << " is hidden";
        ASSERT_TRUE(clickIntoField(cheque, control)) << expected.name << " did not take the click";
        if (!expected.editable)
            continue;
        SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
        typeTextIntoWindow(cheque, "壱万");
        EXPECT_TRUE(waitAnswering([&] { return textOf(control) == "壱万"; }))
            << expected.name << ": " << textOf(control);
    }
}

TEST_F(FormsProgram, EveryButtonOfTheFormRaisesItsAction)
{
    closeAbout();
    size_t from = traced().size();
    Lines expected;
    for (const FormButton& pushed : chequeButtons) {
        HWND control = button(cheque, pushed.caption);
        ASSERT_NE(control, nullptr) << pushed.name;
        clickChild(cheque, control);
        expected.push_back(std::string(pushed.name) + ".Action");
        EXPECT_TRUE(waitForTrace(from, expected)) << pushed.name << ": " << joinedLines(tracedFrom(from));
    }
}

TEST_F(FormsProgram, TwoDocumentWindowsSwitchedByTheirButtonsKeepTheirMenusAndTexts)
{
    closeAbout();
    HWND chequeField = field(cheque, 106, 300);
    ASSERT_TRUE(clickIntoField(cheque, chequeField));
    typeTextIntoWindow(cheque, "東京都");
    size_t from = traced().size();
    pressInWindow(cheque, 'P', {VK_CONTROL});
    clickChild(cheque, button(cheque, "約束手形へ"));
    HWND note = session->waitForWindow(noteTitle);
    ASSERT_NE(note, nullptr) << "the note window did not show";
    EXPECT_TRUE(waitAnswering([&] { return !IsWindowVisible(cheque); })) << "the cheque window stays shown";
    HWND noteField = field(note, 79, 39);
    ASSERT_TRUE(clickIntoField(note, noteField));
    typeTextIntoWindow(note, "大阪");
    pressInWindow(note, 'P', {VK_CONTROL});
    clickChild(note, button(note, "小切手へ"));
    EXPECT_TRUE(waitAnswering([&] { return IsWindowVisible(cheque) && !IsWindowVisible(note); }));
    ASSERT_TRUE(clickIntoField(cheque, chequeField));
    pressInWindow(cheque, 'P', {VK_CONTROL});
    EXPECT_TRUE(waitForTrace(
        from, {"Cheque.FilePrint", "TegataButton.Action", "Note.FilePrint", "ChequeButton.Action", "Cheque.FilePrint"}))
        << joinedLines(tracedFrom(from));
    EXPECT_EQ(textOf(chequeField), "東京都");
    EXPECT_EQ(textOf(noteField), "大阪");
}

TEST_F(FormsProgram, TheNoteWindowsColourShowsThroughItsButtonsGroupAndText)
{
    closeAbout();
    clickChild(cheque, button(cheque, "約束手形へ"));
    HWND note = session->waitForWindow(noteTitle);
    ASSERT_NE(note, nullptr);
    ASSERT_TRUE(waitAnswering([&] { return !IsWindowVisible(cheque); }));
    ASSERT_TRUE(waitUntilDrawn(note));
    Capture shot = captureClient(note);
    writeBmp("screenshots/note-form.bmp", captureWindow(frame));
    constexpr uint32_t noteColour = 0xDCF0DC;
    const struct {
        const char* what;
        HWND control;
    } controls[] = {
        {"check box", button(note, "線引き")},
        {"radio button", button(note, "国内")},
        {"group", button(note, "種類")},
    };
    for (const auto& control : controls) {
        ASSERT_NE(control.control, nullptr) << control.what;
        RECT area = rectIn(control.control, note);
        // The right end of a check box or radio button is background behind its caption; a
        // group's is inside its frame.
        POINT inside = {area.right - 4, control.control == controls[2].control ? area.bottom - 8 : area.top + 3};
        EXPECT_EQ(shot.at(inside.x, inside.y), noteColour) << control.what;
    }
    EXPECT_EQ(shot.at(282, 292), noteColour) << "static text";
}

TEST_F(FormsProgram, TheApplicationHearsTheProgramLeaveTheFrontAndComeBack)
{
    closeAbout();
    size_t from = traced().size();
    HWND other = CreateWindowExA(0, "STATIC", "other program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 900, 700, 200, 100,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(other, nullptr);
    SetForegroundWindow(other);
    EXPECT_TRUE(waitForTrace(from, {"App.Deactivate"})) << joinedLines(traced());
    clickInWindow(cheque, 300, 380);
    EXPECT_TRUE(waitForTrace(from, {"App.Deactivate", "App.Activate"})) << joinedLines(tracedFrom(from));
    DestroyWindow(other);
}

} // namespace
