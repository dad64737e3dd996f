// The running program as a test drives it: where each working window's controls stand, a
// working window reached through its layout, and the fixture that starts the program with its
// frame, cheque window and About window and ends it again.
#pragma once

#include "appdata.h"
#include "graphics/fontlist.h"
#include "runtime/strings/string.h"
#include "tests/support/childwindows.h"
#include "tests/support/codepages.h"
#include "tests/support/framedprogram.h"
#include "tests/support/keys.h"
#include "tests/support/messageboxes.h"
#include "tests/support/programsession.h"
#include "tests/support/screencapture.h"
#include "tests/support/waits.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <string>
#include <vector>

struct Place {
    int left, top;
};

// Where a working window's controls stand (window-client coordinates), read from the places
// the build generates from the windows' descriptions: a control moved there is found where it
// now is, and one renamed or removed stops the build here.
struct FormLayout {
    const char* title;
    Place kingaku, numberField, hideField, stampHint;
    Place addressIn, companyIn, nameIn, addressLine, companyLine, nameLine;
    Place yearIn, monthIn, dayIn, yearStamp, monthStamp, dayStamp;
    Place offsetDown, offsetRight;
    RECT switchButton, arrows;
    int defaultFiguresTop;
    Place fontField, figuresIn;
    Place payee, dueYear, dueMonth, dueDay; // the note's own ({-1, -1} on the cheque)
};

namespace layoutdetail {

constexpr bool sameName(const char* a, const char* b)
{
    while (*a && *a == *b)
        ++a, ++b;
    return *a == *b;
}

// The place of the named control; a window without it is a build error where `required`.
template <size_t N> constexpr const ControlPlace* find(const ControlPlace (&places)[N], const char* name, bool required)
{
    for (const ControlPlace& place : places) {
        if (sameName(place.name, name))
            return &place;
    }
    if (required)
        throw "no control of that name on the window";
    return nullptr;
}

template <size_t N> constexpr Place at(const ControlPlace (&places)[N], const char* name, bool required = true)
{
    const ControlPlace* place = find(places, name, required);
    return place ? Place{place->left, place->top} : Place{-1, -1};
}

template <size_t N> constexpr RECT area(const ControlPlace (&places)[N], const char* name)
{
    const ControlPlace* place = find(places, name, true);
    return {place->left, place->top, place->left + place->width, place->top + place->height};
}

template <size_t N>
constexpr FormLayout formLayoutOf(const char* title, const ControlPlace (&places)[N], const char* switchButton)
{
    return {title,
            at(places, "Kingaku"),
            at(places, "NumberField"),
            at(places, "HideField"),
            at(places, "StampHint", false),
            at(places, "JyusyoInField"),
            at(places, "SyameiInField"),
            at(places, "NameInField"),
            at(places, "JyusyoField"),
            at(places, "SyameiField"),
            at(places, "NameField"),
            at(places, "YearIn"),
            at(places, "MonthIn"),
            at(places, "DateIn"),
            at(places, "YearField"),
            at(places, "MonthField"),
            at(places, "DateField"),
            at(places, "UeField"),
            at(places, "HidariField"),
            area(places, switchButton),
            area(places, "LittleArrows1"),
            at(places, "YearField").top,
            at(places, "FontField"),
            at(places, "FiguresInField"),
            at(places, "TonoField", false),
            at(places, "YearKField", false),
            at(places, "MonthKField", false),
            at(places, "DateKField", false)};
}

} // namespace layoutdetail

inline constexpr FormLayout chequeLayout =
    layoutdetail::formLayoutOf(chequeTitle, WindowLayout::MainWindow, "TegataButton");
inline constexpr FormLayout noteLayout =
    layoutdetail::formLayoutOf(noteTitle, WindowLayout::TegataWindow, "BevelButton1");

// The faces as the runtime lists them on this machine, in UTF-8.
inline std::vector<std::string> installedFaces()
{
    std::vector<std::string> faces;
    for (int32_t i = 0; i < RuntimeFontCount(); ++i) {
        StringRecord* name = RuntimeFontName(i);
        faces.push_back(utf8FromAnsi(std::string(stringText(name), size_t(stringLength(name)))));
        RuntimeUnlockString(name);
    }
    return faces;
}

// The face a window prints in until one is chosen: the first Mincho face.
inline const std::string& defaultPrintFace()
{
    static const std::string found = [] {
        for (const std::string& face : installedFaces()) {
            if (face.find("明朝") != std::string::npos || face.find("Mincho") != std::string::npos)
                return face;
        }
        return std::string();
    }();
    return found;
}

inline void sendKey(WORD key)
{
    sendKeyEdge(key, false);
    sendKeyEdge(key, true);
}

// One working window of the running program, reached through its layout.
struct Form {
    HWND window;
    const FormLayout* layout;

    HWND field(Place at) const
    {
        for (HWND candidate : childrenOfClass(window, "RichEdit")) {
            RECT area = rectIn(candidate, window);
            if (area.left == at.left && area.top == at.top)
                return candidate;
        }
        return nullptr;
    }
    std::string text(Place at) const
    {
        HWND shown = field(at);
        return shown ? textOf(shown) : "(no field at " + std::to_string(at.left) + "," + std::to_string(at.top) + ")";
    }
    HWND button(const std::string& captionUtf8) const
    {
        for (HWND candidate : childrenOfClass(window, "Button")) {
            if (textOf(candidate) == captionUtf8)
                return candidate;
        }
        return nullptr;
    }
    void clickAt(POINT inClient) const { clickInWindow(window, inClient.x, inClient.y); }
    void press(const std::string& captionUtf8) const
    {
        HWND pressed = button(captionUtf8);
        ASSERT_NE(pressed, nullptr) << "no button " << captionUtf8;
        RECT area = rectIn(pressed, window);
        clickAt(middleOf(area));
    }
    bool printEnabled() const { return IsWindowEnabled(button("印刷")); }
    std::string kingaku() const { return text(layout->kingaku); }
    std::string figures() const { return text(layout->numberField); }
    // The Top of a stamp figure, found by its Left: it moves up and down.
    int top(Place at) const
    {
        for (HWND candidate : childrenOfClass(window, "RichEdit")) {
            RECT area = rectIn(candidate, window);
            if (area.left == at.left && area.bottom - area.top == 16)
                return area.top;
        }
        return -1;
    }
};

// Presses named as the keypad's captions, "3 万 飛んで 5 円".
inline std::vector<std::string> pressesOf(const std::string& spoken)
{
    std::vector<std::string> presses;
    size_t start = 0;
    while (start < spoken.size()) {
        size_t end = spoken.find(' ', start);
        end = end == std::string::npos ? spoken.size() : end;
        if (end > start)
            presses.push_back(spoken.substr(start, end - start));
        start = end + 1;
    }
    return presses;
}

class TegataProgram : public testing::Test, protected FramedProgram {
protected:
    // The program runs from a copy of its own: the settings it keeps beside itself are the test's.
    void SetUp() override
    {
        program = programCopyIn("tegata.exe", "tegata-program");
        ASSERT_FALSE(program.empty()) << "no copy of the program";
        start();
    }

    void TearDown() override
    {
        DWORD exitCode = 99;
        EXPECT_TRUE(closeFramedProgram(*this, exitCode)) << "the program did not end";
    }

    void start()
    {
        std::string inFolder = program.substr(0, program.rfind('\\'));
        ASSERT_TRUE(startFramedProgramIn(program, inFolder, *this));
        cheque = {FramedProgram::cheque, &chequeLayout}; // the window with its layout
    }

    void closeAbout()
    {
        clickInWindow(about, 150, 300);
        ASSERT_TRUE(waitAnswering([&] { return !IsWindow(about); })) << "a click in the About window did not close it";
    }

    void pressAll(const Form& form, const std::string& spoken)
    {
        for (const std::string& caption : pressesOf(spoken))
            form.press(caption);
    }

    // A box the program shows (the next one drawn, when none is given), read and closed with its
    // OK button.
    std::string answerBox(HWND box = nullptr)
    {
        if (!box && !(box = session->waitForMessageBox()))
            return "(no message box)";
        std::string text = readMessageBox(box).text;
        pushDialogButton(box, IDOK);
        EXPECT_TRUE(waitAnswering([&] { return !IsWindow(box); })) << "the box stayed: " << text;
        return text;
    }

    Form switchToNote()
    {
        cheque.clickAt(middleOf(chequeLayout.switchButton));
        Form note = {session->waitForWindow(noteTitle), &noteLayout};
        EXPECT_NE(note.window, nullptr) << "the note window did not show: " << inputStateOf(cheque.window);
        EXPECT_TRUE(waitAnswering([&] { return !IsWindowVisible(cheque.window); })) << "the cheque window stays shown";
        return note;
    }

    void switchToCheque(const Form& note)
    {
        note.clickAt(middleOf(noteLayout.switchButton));
        EXPECT_TRUE(waitAnswering([&] { return IsWindowVisible(cheque.window) && !IsWindowVisible(note.window); }));
    }

    void typeInto(const Form& form, Place at, const std::string& utf8)
    {
        HWND target = form.field(at);
        ASSERT_NE(target, nullptr);
        RECT area = rectIn(target, form.window);
        form.clickAt({area.left + 5, (area.top + area.bottom) / 2});
        ASSERT_EQ(focusOfProgram(), target)
            << "the clicked field did not take the focus: " << inputStateOf(form.window);
        typeIntoWindow(form.window, {VK_END});
        typeTextIntoWindow(form.window, utf8);
    }

    // Types the text into a field in place of what it held, as a person does: the field clicked,
    // its line selected from its end to its start and deleted, the text typed.
    void replaceText(const Form& form, Place at, const std::string& utf8)
    {
        typeInto(form, at, "");
        pressInWindow(form.window, VK_HOME, {VK_SHIFT});
        typeIntoWindow(form.window, {VK_DELETE});
        typeTextIntoWindow(form.window, utf8);
    }

    HWND focusOfProgram()
    {
        GUITHREADINFO state = {sizeof state};
        GetGUIThreadInfo(GetWindowThreadProcessId(frame, nullptr), &state);
        return state.hwndFocus;
    }

    void screenshot(const char* name, HWND shown = nullptr)
    {
        shown = shown ? shown : frame;
        CreateDirectoryA("screenshots", nullptr);
        EXPECT_TRUE(waitUntilDrawn(shown)) << name << ": the window still has parts to paint";
        writeBmp(std::string("screenshots\\") + name, captureWindow(shown));
    }

    std::string program; // the path of the program's copy
    Form cheque = {};
};
