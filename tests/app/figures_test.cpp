// The amount typed in figures and the keypad pressed from the keyboard, as a person does it:
// figures typed into the field and entered with Return, read back from the kanji line and the
// figure line; input that is no amount refused with nothing changed; keys that push the keypad's
// buttons, shown pressed while held; and the same two lines whether an amount is typed or pressed.
#include "tests/app/tegatadriver.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

const char* const figuresAccepted = "金額は 1 から 999,999,999,999 までの整数を数字で入力して下さい";

bool shownPressed(HWND button)
{
    return (SendMessageW(button, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
}

class FiguresProgram : public TegataProgram {
protected:
    // Types the figures into the form's figures field in place of what it held, then Return.
    void enterFigures(const Form& form, Place field, const std::string& typed)
    {
        replaceText(form, field, typed);
        typeIntoWindow(form.window, {VK_RETURN});
    }

    // The window itself takes the keyboard, as after a click on its keypad.
    void focusKeypad(const Form& form) { form.press("AC"); }
};

struct TypedAmount {
    const char* typed;
    const char* kingaku;
    const char* figures;
};

const TypedAmount typedAmounts[] = {
    {"1", "金 壱圓 也", "￥ 1-"},
    {"10", "金 壱拾圓 也", "￥ 10-"},
    {"11", "金 壱拾壱圓 也", "￥ 11-"},
    {"100", "金 壱百圓 也", "￥ 100-"},
    {"1000", "金 壱千圓 也", "￥ 1,000-"},
    {"10000", "金 壱萬圓 也", "￥ 10,000-"},
    {"30005", "金 参萬五圓 也", "￥ 30,005-"},
    {"１，２３４，５６７", "金 壱百弐拾参萬四千五百六拾七圓 也", "￥ 1,234,567-"},
    {"100 000 000", "金 壱億圓 也", "￥ 100,000,000-"},
    {"120,000,000", "金 壱億弐千萬圓 也", "￥ 120,000,000-"},
    {"999999999999", "金 九千九百九拾九億九千九百九拾九萬九千九百九拾九圓 也", "￥ 999,999,999,999-"},
};

// The last column of a field's client area that shows anything but the field's ground.
int rightmostInk(HWND field)
{
    EXPECT_TRUE(waitUntilDrawn(field)) << "the field still has parts to paint";
    Capture shown = captureClient(field);
    uint32_t ground = shown.pixels.at(0);
    for (int x = shown.width - 1; x >= 0; --x) {
        for (int y = 0; y < shown.height; ++y) {
            if (shown.pixels[size_t(y * shown.width + x)] != ground)
                return x;
        }
    }
    return -1;
}

TEST_F(FiguresProgram, FiguresTypedAndEnteredShowAsTheKeypadWouldBuildThem)
{
    closeAbout();
    for (const TypedAmount& amount : typedAmounts) {
        enterFigures(cheque, chequeLayout.figuresIn, amount.typed);
        EXPECT_TRUE(waitAnswering([&] { return cheque.kingaku() == amount.kingaku; }))
            << amount.typed << ": " << cheque.kingaku();
        EXPECT_EQ(cheque.figures(), amount.figures) << amount.typed;
        EXPECT_TRUE(cheque.printEnabled()) << amount.typed;
        HWND line = cheque.field(chequeLayout.kingaku);
        EXPECT_LT(rightmostInk(line), captureClient(line).width - 2) << amount.typed << " is cut off";
    }
    screenshot("tegata-figures-cheque.bmp");
}

// What is no whole number from 1 to 999,999,999,999, each refused with the same word.
const char* const refusedInputs[] = {"3万", "abc", "0", "-5", "12.5", "１２．５", "1000000000000", ""};

TEST_F(FiguresProgram, AnythingButAWholeAmountIsRefusedAndNothingChanges)
{
    closeAbout();
    enterFigures(cheque, chequeLayout.figuresIn, "30005");
    ASSERT_TRUE(waitAnswering([&] { return cheque.kingaku() == "金 参萬五圓 也"; })) << cheque.kingaku();
    for (const char* typed : refusedInputs) {
        enterFigures(cheque, chequeLayout.figuresIn, typed);
        EXPECT_NE(answerBox().find(figuresAccepted), std::string::npos) << typed;
        EXPECT_EQ(cheque.kingaku(), "金 参萬五圓 也") << typed;
        EXPECT_EQ(cheque.figures(), "￥ 30,005-") << typed;
        EXPECT_TRUE(cheque.printEnabled()) << typed;
        EXPECT_EQ(cheque.text(chequeLayout.figuresIn), typed) << "the typed text is kept to be mended";
    }
}

// The keys a person presses, the captions of the buttons they push, and what the amount shows.
struct KeyedAmount {
    std::vector<WORD> keys;
    const char* kingaku;
    const char* figures;
};

const KeyedAmount keyedAmounts[] = {
    {{'3', 'M', VK_RETURN}, "金 参萬圓 也", "￥ 30,000-"},
    {{'3', 'M', '0', '0', '0', '5', VK_RETURN}, "金 参萬五圓 也", "￥ 30,005-"},
    {{'1', 'S', '2', 'H', '3', 'J', '4', VK_RETURN}, "金 壱千弐百参拾四圓 也", "￥ 1,234-"},
    {{VK_NUMPAD7, 'S', VK_RETURN}, "金 七千圓 也", "￥ 7,000-"},
};

TEST_F(FiguresProgram, KeysPushTheKeypadWhileNoTextFieldHasTheFocus)
{
    closeAbout();
    for (const KeyedAmount& amount : keyedAmounts) {
        focusKeypad(cheque);
        typeIntoWindow(cheque.window, amount.keys);
        EXPECT_TRUE(waitAnswering([&] { return cheque.kingaku() == amount.kingaku; })) << cheque.kingaku();
        EXPECT_EQ(cheque.figures(), amount.figures);
        EXPECT_TRUE(cheque.printEnabled());
    }
    typeIntoWindow(cheque.window, {VK_ESCAPE});
    EXPECT_EQ(cheque.kingaku(), "") << "Escape is AC";
    EXPECT_FALSE(cheque.printEnabled());

    typeInto(cheque, chequeLayout.addressIn, "");
    typeIntoWindow(cheque.window, {'3', 'M'});
    EXPECT_EQ(cheque.text(chequeLayout.addressIn), "3m") << "keys typed into a text field stay text";
    EXPECT_EQ(cheque.kingaku(), "");
}

TEST_F(FiguresProgram, AKeyShowsItsButtonPressedWhileHeldAndPushesItOnce)
{
    closeAbout();
    focusKeypad(cheque);
    HWND three = cheque.button("3");
    ASSERT_NE(three, nullptr);
    sendKeyEdge('3', false);
    ASSERT_TRUE(waitUntilIdle(cheque.window));
    EXPECT_TRUE(shownPressed(three)) << "the button shows pressed while its key is down";
    EXPECT_EQ(cheque.kingaku(), "参");
    sendKeyEdge('3', false); // the keyboard's repeat
    ASSERT_TRUE(waitUntilIdle(cheque.window));
    sendKeyEdge('3', true);
    ASSERT_TRUE(waitUntilIdle(cheque.window));
    EXPECT_FALSE(shownPressed(three)) << "the button comes up with its key";
    EXPECT_EQ(cheque.kingaku(), "参") << "a held key pushes once, and no box asks for a unit";

    typeIntoWindow(cheque.window, {'3'});
    EXPECT_EQ(answerBox(), "「万」「千」「十」などの単位を押して下さい");
    EXPECT_TRUE(waitAnswering([&] { return !shownPressed(three); })) << "released while the box had the keyboard";
}

// The help text the program shows now beside the pointer, or "" when it shows none.
std::string helpShown(HWND programWindow)
{
    DWORD process = 0;
    GetWindowThreadProcessId(programWindow, &process);
    std::vector<HWND> shown = visibleWindowsOf(process, "tooltips_class32");
    return shown.empty() ? "" : textOf(shown.back());
}

TEST_F(FiguresProgram, EachKeypadButtonNamesItsKeyInItsHelp)
{
    closeAbout();
    const struct {
        const char* caption;
        const char* help;
    } buttons[] = {
        {"3", "キー：3"}, {"万", "キー：M"}, {"飛んで", "キー：0"}, {"AC", "キー：Esc"}, {"円", "キー：Enter"}};
    for (const auto& button : buttons) {
        HWND shown = cheque.button(button.caption);
        ASSERT_NE(shown, nullptr) << button.caption;
        POINT over = middleOf(screenRect(shown));
        SetCursorPos(over.x, over.y);
        EXPECT_TRUE(waitAnswering([&] { return helpShown(cheque.window) == button.help; }, 5000))
            << button.caption << ": " << helpShown(cheque.window);
    }
    screenshot("tegata-keypad-help.bmp");
}

unsigned long long powerOfTen(int exponent)
{
    unsigned long long power = 1;
    while (exponent-- > 0)
        power *= 10;
    return power;
}

// The presses a person makes on the keypad for an amount: each non-zero digit with its unit, 万
// after the last digit of the ten thousands and 万 万 after that of the hundred millions (the
// keypad has no 億), and 飛んで for each place skipped between two digits.
std::string keypadPresses(unsigned long long value)
{
    static const char* const units[] = {"", " 十", " 百", " 千"};
    static const char* const myriads[] = {"", " 万", " 万 万"};
    std::string presses = "AC";
    int lastPlace = -1;
    for (int place = 11; place >= 0; --place) {
        unsigned digit = unsigned(value / powerOfTen(place) % 10);
        if (digit == 0)
            continue;
        for (int skipped = lastPlace - place - 1; lastPlace >= 0 && skipped > 0; --skipped)
            presses += " 飛んで";
        presses += " " + std::to_string(digit) + units[place % 4];
        int groupStart = place - place % 4;
        if (value / powerOfTen(groupStart) % powerOfTen(place - groupStart) == 0)
            presses += myriads[groupStart / 4];
        lastPlace = place;
    }
    return presses + " 円";
}

// The kanji line with 億 written as the keypad writes it.
std::string asTheKeypadWritesIt(std::string kanji)
{
    for (size_t at; (at = kanji.find("億")) != std::string::npos;)
        kanji.replace(at, std::string("億").size(), "萬萬");
    return kanji;
}

TEST_F(FiguresProgram, TheSameAmountTypedOrPressedShowsTheSameTwoLines)
{
    closeAbout();
    Form note = switchToNote();
    for (unsigned long long value : {1ULL, 11ULL, 1005ULL, 30005ULL, 120000ULL, 1234567ULL, 10203040ULL, 99999999ULL,
                                     120000000ULL, 300000005ULL}) {
        note.press("AC");
        enterFigures(note, noteLayout.figuresIn, std::to_string(value));
        ASSERT_TRUE(waitAnswering([&] { return note.printEnabled(); })) << value;
        std::string typedKanji = note.kingaku(), typedFigures = note.figures();
        std::string presses = keypadPresses(value);
        pressAll(note, presses);
        EXPECT_EQ(note.kingaku(), asTheKeypadWritesIt(typedKanji)) << presses;
        EXPECT_EQ(note.figures(), typedFigures) << presses;
        EXPECT_TRUE(note.printEnabled()) << presses;
    }
}

struct StampCase {
    const char* typed;
    const char* hint;
};

// The bands from 1億 up, which only the figures field reaches with 億.
const StampCase stampBandsAbove[] = {
    {"100000000", "収入印紙：20,000円"},     {"300000001", "収入印紙：100,000円"},
    {"1000000000", "収入印紙：150,000円"},   {"1000000001", "収入印紙：200,000円"},
    {"999999999999", "収入印紙：200,000円"},
};

TEST_F(FiguresProgram, TheNoteShowsTheStampOfAmountsOfHundredsOfMillions)
{
    closeAbout();
    Form note = switchToNote();
    HWND hint = note.field(noteLayout.stampHint);
    ASSERT_NE(hint, nullptr);
    for (const StampCase& amount : stampBandsAbove) {
        enterFigures(note, noteLayout.figuresIn, amount.typed);
        EXPECT_TRUE(waitAnswering([&] { return textOf(hint) == amount.hint; }, 1000))
            << amount.typed << ": " << textOf(hint);
        EXPECT_TRUE(IsWindowVisible(hint)) << amount.typed;
    }
    screenshot("tegata-figures-note.bmp");
}

} // namespace
