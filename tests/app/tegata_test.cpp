// The program as a person uses it: amounts pressed on the keypad and read back from the form,
// amounts whose kanji and figures disagree kept from printing, the note's revenue stamp, the
// two forms switched with their state kept, dates filled and stamped, the stamp moved, the
// issuer block entered and erased, and the About window closed and opened again.
#include "graphics/fontlist.h"
#include "runtime/strings/string.h"
#include "tests/app/tegatadriver.h"

#include <windows.h>

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

const char* const unitPlease = "「万」「千」「十」などの単位を押して下さい";

struct AmountCase {
    const char* presses;
    const char* kingaku;
    const char* figures;
};

// Every amount is started with "AC" and completed with "円".
const AmountCase agreeingAmounts[] = {
    {"3 万", "金 参萬圓 也", "￥ 30,000-"},
    {"3 万 5 千", "金 参萬五千圓 也", "￥ 35,000-"},
    {"3 千 万", "金 参千萬圓 也", "￥ 30,000,000-"},
    {"3 万 飛んで 飛んで 飛んで 5", "金 参萬五圓 也", "￥ 30,005-"},
    {"1 千 2 百 3 十 4", "金 壱千弐百参拾四圓 也", "￥ 1,234-"},
    {"5 百", "金 五百圓 也", "￥ 500-"},
    {"1 万 万 2 千 万", "金 壱萬萬弐千萬圓 也", "￥ 120,000,000-"},
};

TEST_F(TegataProgram, AmountsPressedOnTheKeypadShowInKanjiAndGroupedFigures)
{
    closeAbout();
    EXPECT_FALSE(cheque.printEnabled()) << "印刷 is enabled before any amount";
    for (const AmountCase& amount : agreeingAmounts) {
        cheque.press("AC");
        pressAll(cheque, amount.presses);
        cheque.press("円");
        EXPECT_EQ(cheque.kingaku(), amount.kingaku) << amount.presses;
        EXPECT_EQ(cheque.figures(), amount.figures) << amount.presses;
        EXPECT_TRUE(cheque.printEnabled()) << amount.presses;
    }
}

TEST_F(TegataProgram, ASecondDigitIsRefusedWithABeepAndAMessage)
{
    closeAbout();
    cheque.press("3");
    EXPECT_EQ(cheque.figures(), "￥ 3-") << "the figures follow every press";
    cheque.press("3");
    EXPECT_EQ(answerBox(), unitPlease);
    EXPECT_EQ(cheque.kingaku(), "参");
    EXPECT_EQ(cheque.figures(), "￥ 3-");
    cheque.press("万");
    cheque.press("円");
    EXPECT_EQ(cheque.kingaku(), "金 参萬圓 也");
    EXPECT_EQ(cheque.figures(), "￥ 30,000-");
}

TEST_F(TegataProgram, AUnitFirstWaitsWithItsZerosAndReturnInAFieldCompletesTheAmount)
{
    closeAbout();
    cheque.press("万");
    EXPECT_EQ(cheque.kingaku(), "萬");
    EXPECT_EQ(cheque.text(chequeLayout.hideField), "0000");
    EXPECT_EQ(cheque.figures(), "");
    cheque.press("AC");
    pressAll(cheque, "7 千");
    typeInto(cheque, chequeLayout.yearIn, "");
    typeIntoWindow(cheque.window, {VK_RETURN});
    EXPECT_TRUE(waitAnswering([&] { return cheque.kingaku() == "金 七千圓 也"; })) << cheque.kingaku();
    EXPECT_EQ(cheque.figures(), "￥ 7,000-");
    EXPECT_TRUE(cheque.printEnabled());
}

TEST_F(TegataProgram, ReturnAfterKeypadClicksIsYenNotTheLastButtonAgain)
{
    closeAbout();
    pressAll(cheque, "3 万");
    typeIntoWindow(cheque.window, {VK_RETURN});
    EXPECT_TRUE(waitAnswering([&] { return cheque.kingaku() == "金 参萬圓 也"; })) << cheque.kingaku();
    EXPECT_EQ(cheque.figures(), "￥ 30,000-");
    EXPECT_TRUE(cheque.printEnabled());
}

// A row of a drop-down list of the program, in UTF-8.
std::string comboRow(HWND combo, int row)
{
    wchar_t text[256] = {};
    if (SendMessageW(combo, CB_GETLBTEXTLEN, row, 0) >= 256)
        return "(too long)";
    SendMessageW(combo, CB_GETLBTEXT, row, reinterpret_cast<LPARAM>(text));
    char utf8[1024] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
    return utf8;
}

TEST_F(TegataProgram, TheFontMenuOffersTheInstalledFacesAndAChosenFaceShowsInThePreview)
{
    closeAbout();
    pressAll(cheque, "3 万 円");
    std::vector<HWND> combos = childrenOfClass(cheque.window, "ComboBox");
    ASSERT_EQ(combos.size(), 1u);
    HWND menu = combos.front();
    std::vector<std::string> rows;
    for (int row = 0; row < SendMessageW(menu, CB_GETCOUNT, 0, 0); ++row)
        rows.push_back(comboRow(menu, row));
    EXPECT_EQ(rows, installedFaces()) << "face names, Japanese faces first";
    HWND fontField = cheque.field(chequeLayout.fontField);
    ASSERT_NE(fontField, nullptr);
    auto firstMincho = std::find(rows.begin(), rows.end(), defaultPrintFace());
    ASSERT_NE(firstMincho, rows.end());
    int minchoRow = int(firstMincho - rows.begin());
    EXPECT_EQ(SendMessageW(menu, CB_GETCURSEL, 0, 0), minchoRow) << "a form is printed in Mincho unless chosen";
    EXPECT_EQ(textOf(fontField), *firstMincho);
    HWND amount = cheque.field(chequeLayout.kingaku);
    ASSERT_NE(amount, nullptr);
    Capture before = captureClient(amount);

    RECT area = rectIn(menu, cheque.window);
    cheque.clickAt(middleOf(area));
    typeIntoWindow(cheque.window, {VK_HOME, VK_RETURN});
    int chosen = int(SendMessageW(menu, CB_GETCURSEL, 0, 0));
    ASSERT_GE(chosen, 0);
    ASSERT_NE(chosen, minchoRow) << "the first face is a Gothic one here";
    EXPECT_TRUE(waitAnswering([&] { return textOf(fontField) == rows[size_t(chosen)]; })) << textOf(fontField);
    EXPECT_EQ(cheque.kingaku(), "金 参萬圓 也") << "the amount keeps its text";
    ASSERT_TRUE(waitUntilDrawn(cheque.window));
    EXPECT_NE(captureClient(amount).pixels, before.pixels) << "the amount is shown in the chosen face";
    Form note = switchToNote();
    std::vector<HWND> noteMenus = childrenOfClass(note.window, "ComboBox");
    ASSERT_EQ(noteMenus.size(), 1u);
    EXPECT_EQ(SendMessageW(noteMenus.front(), CB_GETCURSEL, 0, 0), chosen) << "the note prints in the cheque's face";
}

// Skipped places left unfilled, and texts that read as no amount at all.
const AmountCase disagreeingAmounts[] = {
    {"3 万 5", "金 参萬五圓 也", "￥ 35-"},
    {"1 千 千", "金 壱千千圓 也", "￥ 1,000-"},
    {"5 百 3 千", "金 五百参千圓 也", "￥ 53,000-"},
    {"", "金 圓 也", ""},
};

TEST_F(TegataProgram, FiguresThatDisagreeWithTheKanjiAmountAreNotPrinted)
{
    closeAbout();
    for (const AmountCase& amount : disagreeingAmounts) {
        cheque.press("AC");
        pressAll(cheque, amount.presses);
        cheque.press("円");
        std::string message = answerBox();
        EXPECT_NE(message.find(amount.kingaku), std::string::npos) << amount.presses << ": " << message;
        EXPECT_NE(message.find(std::string("数字：") + amount.figures), std::string::npos) << message;
        EXPECT_NE(message.find("「飛んで」"), std::string::npos) << message;
        EXPECT_EQ(cheque.kingaku(), amount.kingaku);
        EXPECT_EQ(cheque.figures(), amount.figures);
        EXPECT_FALSE(cheque.printEnabled()) << amount.presses;
    }
    cheque.press("円");
    EXPECT_NE(answerBox().find("一致しません"), std::string::npos) << "a second 円 checks again";
    EXPECT_FALSE(cheque.printEnabled());
}

TEST_F(TegataProgram, AnyPressAfterYenButACTakesPrintingAwayAndACClearsTheAmount)
{
    closeAbout();
    const char* const laterPresses[] = {"5", "千", "飛んで"};
    for (const char* later : laterPresses) {
        cheque.press("AC");
        pressAll(cheque, "3 万 円");
        ASSERT_TRUE(cheque.printEnabled());
        cheque.press(later);
        EXPECT_FALSE(cheque.printEnabled()) << later;
    }
    cheque.press("AC");
    EXPECT_EQ(cheque.kingaku(), "");
    EXPECT_EQ(cheque.figures(), "");
    EXPECT_FALSE(cheque.printEnabled());
}

struct StampCase {
    const char* presses;
    const char* hint;
};

// The band edges: each bound belongs to the band below it.
const StampCase stampBands[] = {
    {"9 万 9 千 9 百 9 十 9", "収入印紙：不要（10万円未満）"},
    {"1 十 万", "収入印紙：200円"},
    {"1 百 万", "収入印紙：200円"},
    {"1 百 万 飛んで 飛んで 飛んで 飛んで 飛んで 1", "収入印紙：400円"},
    {"5 万 万", "収入印紙：100,000円"},
};

TEST_F(TegataProgram, TheNoteShowsTheRevenueStampItsAmountNeedsAndTheChequeNone)
{
    closeAbout();
    Form note = switchToNote();
    HWND hint = note.field(noteLayout.stampHint);
    ASSERT_NE(hint, nullptr);
    for (const StampCase& amount : stampBands) {
        note.press("AC");
        EXPECT_EQ(textOf(hint), "") << amount.presses;
        EXPECT_FALSE(IsWindowVisible(hint)) << amount.presses;
        pressAll(note, amount.presses);
        EXPECT_EQ(textOf(hint), "") << "shown before 円: " << amount.presses;
        note.press("円");
        EXPECT_TRUE(waitAnswering([&] { return textOf(hint) == amount.hint; }, 1000))
            << amount.presses << " " << note.figures() << ": " << textOf(hint);
        EXPECT_TRUE(IsWindowVisible(hint)) << amount.presses;
    }
    screenshot("tegata-note.bmp");
    note.press("5");
    EXPECT_EQ(textOf(hint), "") << "the amount changed after 円";
    EXPECT_FALSE(IsWindowVisible(hint));
}

TEST_F(TegataProgram, SwitchingBetweenTheFormsKeepsEachOnesStateAndMirrorsOnlyIntoTheNote)
{
    closeAbout();
    pressAll(cheque, "3 万 円");
    typeInto(cheque, chequeLayout.addressIn, "東京都");
    typeInto(cheque, chequeLayout.offsetDown, "2");
    Form note = switchToNote();
    EXPECT_EQ(note.kingaku(), "") << "each window has its own amount";
    EXPECT_EQ(note.text(noteLayout.addressIn), "東京都");
    EXPECT_EQ(note.text(noteLayout.offsetDown), "02") << "typed after the 0 the field starts with";
    pressAll(note, "4 千 円");
    typeInto(note, noteLayout.companyIn, "大阪商会");
    switchToCheque(note);
    EXPECT_EQ(cheque.kingaku(), "金 参萬圓 也");
    EXPECT_EQ(cheque.figures(), "￥ 30,000-");
    EXPECT_TRUE(cheque.printEnabled());
    EXPECT_EQ(cheque.text(chequeLayout.addressIn), "東京都");
    EXPECT_EQ(cheque.text(chequeLayout.companyIn), "") << "the note's entries are not copied back";
    cheque.press("入力");
    cheque.press("今日の日付");
    cheque.press("日付押印");
    screenshot("tegata-cheque-filled.bmp");
    note = switchToNote();
    EXPECT_EQ(note.kingaku(), "金 四千圓 也");
    EXPECT_EQ(note.figures(), "￥ 4,000-");
    EXPECT_EQ(note.text(noteLayout.companyIn), "大阪商会");
}

struct IssuerCase {
    const char *address, *company, *name;
    const char *top, *middle, *bottom;
};

// The lines fill from the bottom.
const IssuerCase issuerCases[] = {
    {"東京都中央区", "株式会社見本", "山田太郎", "東京都中央区", "株式会社見本", "山田太郎"},
    {"東京都中央区", "株式会社見本", "", "", "東京都中央区", "株式会社見本"},
    {"東京都中央区", "", "山田太郎", "", "東京都中央区", "山田太郎"},
};

TEST_F(TegataProgram, TheIssuerBlockIsEnteredFromTheBottomAndErasedWithoutTouchingTheForm)
{
    closeAbout();
    const FormLayout& at = chequeLayout;
    for (const IssuerCase& issuer : issuerCases) {
        cheque.press("全消去");
        typeInto(cheque, at.addressIn, issuer.address);
        typeInto(cheque, at.companyIn, issuer.company);
        typeInto(cheque, at.nameIn, issuer.name);
        cheque.press("入力");
        EXPECT_EQ(cheque.text(at.addressLine), issuer.top) << issuer.name << issuer.company;
        EXPECT_EQ(cheque.text(at.companyLine), issuer.middle);
        EXPECT_EQ(cheque.text(at.nameLine), issuer.bottom);
    }
    cheque.press("全消去");
    EXPECT_EQ(cheque.text(at.addressIn), "");
    EXPECT_EQ(cheque.text(at.companyIn), "");
    EXPECT_EQ(cheque.text(at.nameIn), "");
    EXPECT_EQ(cheque.text(at.companyLine), "東京都中央区") << "the form keeps its lines until the next 入力";
    EXPECT_EQ(cheque.text(at.nameLine), "山田太郎");
}

TEST_F(TegataProgram, TodaysDateIsFilledInItsEraAndStampedAsTyped)
{
    closeAbout();
    SYSTEMTIME now;
    GetLocalTime(&now);
    int eraYear = now.wYear * 10000 + now.wMonth * 100 + now.wDay >= 20190501 ? now.wYear - 2018 : now.wYear - 1988;
    cheque.press("今日の日付");
    EXPECT_EQ(cheque.text(chequeLayout.yearIn), std::to_string(eraYear));
    EXPECT_EQ(cheque.text(chequeLayout.monthIn), std::to_string(now.wMonth));
    EXPECT_EQ(cheque.text(chequeLayout.dayIn), std::to_string(now.wDay));
    typeInto(cheque, chequeLayout.dayIn, "x");
    cheque.press("日付押印");
    EXPECT_EQ(cheque.text(chequeLayout.yearStamp), std::to_string(eraYear));
    EXPECT_EQ(cheque.text(chequeLayout.monthStamp), std::to_string(now.wMonth));
    EXPECT_EQ(cheque.text(chequeLayout.dayStamp), std::to_string(now.wDay) + "x") << "stamped as typed";
    for (Place entry : {chequeLayout.yearIn, chequeLayout.monthIn, chequeLayout.dayIn})
        SendMessageA(cheque.field(entry), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    cheque.press("日付押印");
    EXPECT_EQ(cheque.text(chequeLayout.yearStamp), "");
    EXPECT_EQ(cheque.text(chequeLayout.dayStamp), "");
    screenshot("tegata-cheque.bmp");
}

TEST_F(TegataProgram, TheArrowsMoveTheWholeStampAPixelAPressOrOnWhileHeldAndTheButtonPutsItBack)
{
    closeAbout();
    Form note = switchToNote();
    const FormLayout& at = noteLayout;
    POINT up = {middleOf(at.arrows).x, at.arrows.top + 4};
    POINT down = {up.x, at.arrows.bottom - 4};
    int start = note.top(at.yearStamp);
    ASSERT_EQ(start, 120);
    for (int press = 0; press < 5; ++press)
        note.clickAt(up);
    for (Place figure : {at.yearStamp, at.monthStamp, at.dayStamp})
        EXPECT_EQ(note.top(figure), start - 5);
    note.clickAt(down);
    EXPECT_EQ(note.top(at.monthStamp), start - 4);
    note.press("日付位置初期値");
    for (Place figure : {at.yearStamp, at.monthStamp, at.dayStamp})
        EXPECT_EQ(note.top(figure), at.defaultFiguresTop);

    POINT held = down;
    ClientToScreen(note.window, &held);
    pressOnScreen(held);
    auto moved = [&] { return note.top(at.yearStamp) - at.defaultFiguresTop; };
    EXPECT_TRUE(waitUntil([&] { return moved() > 2; }, 5000))
        << "holding the arrow repeats: " << inputStateOf(note.window);
    releaseOnScreen();
    EXPECT_EQ(note.top(at.dayStamp) - at.defaultFiguresTop, moved()) << "the figures move together";
}

TEST_F(TegataProgram, TheAboutWindowClosesWhenLeftAndOpensAgainFromTheMenu)
{
    ASSERT_TRUE(waitUntilDrawn(about));
    screenshot("tegata-about.bmp", about);
    HWND other = CreateWindowExA(0, "STATIC", "other program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 900, 700, 200, 100,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    clickOnScreen(middleOf(screenRect(other)));
    EXPECT_TRUE(waitAnswering([&] { return !IsWindow(about); })) << "the About window stays when the program is left";
    DestroyWindow(other);

    // The application menu is the first title of the frame's menu bar.
    POINT menuTitle = {6, -GetSystemMetrics(SM_CYMENU) / 2};
    ClientToScreen(frame, &menuTitle);
    clickOnScreen(menuTitle);
    sendKey(VK_DOWN);
    sendKey(VK_RETURN);
    about = session->waitForWindow(aboutTitle);
    ASSERT_NE(about, nullptr) << "このソフトについて did not open the About window: " << inputStateOf(frame);
    closeAbout();
    screenshot("tegata-cheque-start.bmp");
}

TEST_F(TegataProgram, ClosingTheNoteWindowEndsTheProgram)
{
    closeAbout();
    Form note = switchToNote();
    closeWindow(note.window);
    DWORD exitCode = 99;
    EXPECT_TRUE(session->waitForExit(10000, exitCode)) << "closing the note window did not end the program";
    EXPECT_EQ(exitCode, 0u);
}

} // namespace
