// The forms printed as a person prints them: filled in on the screen, sent through the print
// dialog to the PDF printer, found there by the name the program gives each job, and the ink on
// the rendered page measured where each text, the crossed-cheque mark and a test print's form
// must land.
#include "tests/app/tegatadriver.h"
#include "tests/support/printedpages.h"

#include <windows.h>

#include <shlobj.h>

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr DWORD printedWithin = 60000;

// The issuer's company with this run's mark: the program names its print jobs after the company
// line, so another run's jobs, even of this same test, are never taken for this one's.
const std::string& company()
{
    static const std::string name = "株式会社サンプル商事 " + std::to_string(GetCurrentProcessId() % 10000) + "-" +
                                    std::to_string(GetTickCount() % 100000);
    return name;
}

// The name of a real print's job: the form, its figure line and the company line.
std::string jobName(const std::string& form, const std::string& figures, const std::string& companyLine = company())
{
    return form + " " + figures + " " + companyLine;
}

std::string testPrintJobName(const std::string& form)
{
    return "試し印刷 " + form + " " + company();
}

// A printed text: where its field stands in the window (printer units: x and the baseline's y),
// its size and how far its ink may reach to the right.
struct PrintedText {
    const char* what;
    Place at;
    int size, width;
};

// What a form prints, each where its window shows it.
std::vector<PrintedText> printedTexts(const FormLayout& layout)
{
    std::vector<PrintedText> texts = {
        {"kanji amount", layout.kingaku, 16, 240},  {"address", layout.addressLine, 9, 150},
        {"company", layout.companyLine, 9, 150},    {"name", layout.nameLine, 9, 150},
        {"figures", layout.numberField, 9, 90},     {"stamp year", layout.yearStamp, 12, 24},
        {"stamp month", layout.monthStamp, 12, 24}, {"stamp day", layout.dayStamp, 12, 24},
    };
    if (&layout == &noteLayout) {
        texts.insert(texts.end(), {{"payee", layout.payee, 12, 160},
                                   {"due year", layout.dueYear, 12, 28},
                                   {"due month", layout.dueMonth, 12, 30},
                                   {"due day", layout.dueDay, 12, 30}});
    }
    return texts;
}

RECT unitsToPixels(int left, int top, int right, int bottom)
{
    return {pixelsOf(left), pixelsOf(top), pixelsOf(right), pixelsOf(bottom)};
}

// The ink of a text drawn from (x, y): glyphs stand on their baseline and rise by about their size.
RECT inkOf(const RenderedPage& page, const PrintedText& text, int shiftX = 0, int shiftY = 0)
{
    int x = text.at.left + shiftX, y = text.at.top + shiftY;
    return page.inkWithin(unitsToPixels(x - 3, y - text.size - 3, x + text.width, y + 4));
}

bool hasInk(const RECT& ink)
{
    return ink.right > ink.left;
}

std::string describe(const RECT& r)
{
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}

// Each text starts at its x and stands on its baseline, in the page's pixels.
void expectAtTheirPlaces(const RenderedPage& page, const std::vector<PrintedText>& texts)
{
    for (const PrintedText& text : texts) {
        RECT ink = inkOf(page, text);
        ASSERT_TRUE(hasInk(ink)) << text.what << " was not printed";
        EXPECT_NEAR(ink.left, pixelsOf(text.at.left), pixelsOf(3)) << text.what << " " << describe(ink);
        EXPECT_NEAR(ink.bottom, pixelsOf(text.at.top), pixelsOf(3)) << text.what << " " << describe(ink);
    }
}

// The pixels of an area of one page against the same area, moved, of another: how many differ.
int differingPixels(const RenderedPage& a, const RECT& area, const RenderedPage& b, int dx, int dy)
{
    int differing = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            differing += (a.at(x, y) < 0x808080) != (b.at(x + dx, y + dy) < 0x808080);
    return differing;
}

int darkPixels(const RenderedPage& page, const RECT& area)
{
    int dark = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            dark += page.at(x, y) < 0x808080;
    return dark;
}

// The register of issued forms, where the program keeps it for this user.
std::wstring registerPath()
{
    wchar_t folder[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, folder);
    return std::wstring(folder) + L"\\手形・小切手\\振出記録.csv";
}

// The register's lines as UTF-8, each of which must have ended with CR LF.
std::vector<std::string> registerLines()
{
    std::vector<std::string> lines;
    HANDLE file = CreateFileW(registerPath().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return lines;
    std::string bytes(size_t(GetFileSize(file, nullptr)), '\0');
    DWORD read = 0;
    ReadFile(file, bytes.data(), DWORD(bytes.size()), &read, nullptr);
    CloseHandle(file);
    for (size_t start = 0, end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(utf8FromAnsi(bytes.substr(start, end - start)));
    return lines;
}

std::vector<std::string> linesAfter(const std::vector<std::string>& before)
{
    std::vector<std::string> now = registerLines();
    size_t kept = now.size() >= before.size() ? before.size() : 0;
    return std::vector<std::string>(now.begin() + std::ptrdiff_t(kept), now.end());
}

class PrintedForms : public TegataProgram {
protected:
    // Starts a print run with `start`, confirms the print dialog and renders the page of the job
    // of that name.
    RenderedPage printThrough(const std::function<void()>& start, const std::string& job, const std::string& keepAs)
    {
        start();
        HWND dialog = session->waitForMessageBox(10000);
        if (!dialog) {
            ADD_FAILURE() << "no print dialog";
            return {};
        }
        pushDialogButton(dialog, IDOK);
        std::string printed = waitForPrintedFile(job, printedWithin);
        if (printed.empty()) {
            ADD_FAILURE() << "nothing printed";
            return {};
        }
        keepRenderedPage(printed, 1, keepAs);
        return renderPrintedPage(printed, 1);
    }

    void fillInIssuer(const Form& form)
    {
        typeInto(form, form.layout->addressIn, "東京都千代田区丸の内1-1");
        typeInto(form, form.layout->companyIn, company());
        typeInto(form, form.layout->nameIn, "代表取締役 山田太郎");
        form.press("入力");
    }

    void fillIn(const Form& form)
    {
        pressAll(form, "AC 3 万 5 千 円");
        fillInIssuer(form);
        form.press("今日の日付");
        form.press("日付押印");
    }

    // Presses 印刷 and answers the print dialog with `answer`.
    void pressPrint(const Form& form, int answer)
    {
        PostMessageW(form.button("印刷"), BM_CLICK, 0, 0);
        HWND dialog = session->waitForMessageBox(10000);
        ASSERT_NE(dialog, nullptr) << "no print dialog";
        pushDialogButton(dialog, answer);
        ASSERT_TRUE(waitAnswering([&] { return !IsWindow(dialog); })) << "the print dialog stayed";
    }

    void chooseTestPrint()
    {
        // File is the menu bar's second title: open the first, move right, down to its third item.
        POINT menuTitle = {6, -GetSystemMetrics(SM_CYMENU) / 2};
        ClientToScreen(frame, &menuTitle);
        clickOnScreen(menuTitle);
        for (WORD key : {VK_RIGHT, VK_DOWN, VK_DOWN, VK_RETURN})
            sendKey(key);
    }
};

TEST_F(PrintedForms, AChequesTextsLandWhereItsFieldsStandAndMoveWithTheOffsetsAndTheStamp)
{
    closeAbout();
    fillIn(cheque);
    cheque.press("銀行渡り");
    RenderedPage still = printThrough([&] { cheque.press("印刷"); }, jobName("小切手", "￥ 35,000-"), "printed-cheque");
    ASSERT_GT(still.width, 0);
    expectAtTheirPlaces(still, printedTexts(chequeLayout));
    EXPECT_TRUE(hasInk(still.inkWithin(unitsToPixels(300, 30, 415, 95)))) << "the crossed-cheque mark";

    replaceText(cheque, chequeLayout.offsetDown, "2");
    replaceText(cheque, chequeLayout.offsetRight, "-1.5");
    cheque.clickAt({middleOf(chequeLayout.arrows).x, chequeLayout.arrows.bottom - 4});
    RenderedPage moved =
        printThrough([&] { cheque.press("印刷"); }, jobName("小切手", "￥ 35,000-"), "printed-cheque-moved");
    ASSERT_GT(moved.width, 0);
    // 2 mm down is 6 units; 1.5 mm left is 4.5 units, and 77 - 4.5 is printed at 72. The printer's
    // own dots put a glyph's edge a pixel either way.
    for (const PrintedText& text : printedTexts(chequeLayout)) {
        bool stamp = std::string(text.what).rfind("stamp", 0) == 0;
        int dx = -5, dy = stamp ? 7 : 6;
        RECT before = inkOf(still, text), after = inkOf(moved, text, dx, dy);
        EXPECT_NEAR(after.left - before.left, pixelsOf(dx), 1) << text.what;
        EXPECT_NEAR(after.bottom - before.bottom, pixelsOf(dy), 1) << text.what;
        EXPECT_NEAR(after.right - after.left, before.right - before.left, 2) << text.what << ": the same text, moved";
        EXPECT_NEAR(after.bottom - after.top, before.bottom - before.top, 2) << text.what;
    }
    EXPECT_TRUE(hasInk(moved.inkWithin(unitsToPixels(295, 36, 410, 100)))) << "the mark moves with the offsets";
}

TEST_F(PrintedForms, TheMenuPrintsTheMarkAtTheCornerAndAHiddenMarkIsNotPrintedNorAreOffsetsInLetters)
{
    closeAbout();
    fillIn(cheque);
    cheque.press("銀行渡り");
    RenderedPage byMenu = printThrough([&] { pressInWindow(cheque.window, 'P', {VK_CONTROL}); },
                                       jobName("小切手", "￥ 35,000-"), "printed-menu");
    ASSERT_GT(byMenu.width, 0);
    const RECT corner = unitsToPixels(0, 0, 70, 60), onScreenPlace = unitsToPixels(300, 30, 415, 95);
    EXPECT_TRUE(hasInk(byMenu.inkWithin(corner))) << "印刷... prints the mark at the page's corner";
    EXPECT_FALSE(hasInk(byMenu.inkWithin(onScreenPlace)));

    cheque.press("銀行渡り");
    replaceText(cheque, chequeLayout.offsetDown, "下へ");
    replaceText(cheque, chequeLayout.offsetRight, "abc");
    RenderedPage unmarked =
        printThrough([&] { cheque.press("印刷"); }, jobName("小切手", "￥ 35,000-"), "printed-unmarked");
    ASSERT_GT(unmarked.width, 0);
    EXPECT_FALSE(hasInk(unmarked.inkWithin(corner)));
    EXPECT_FALSE(hasInk(unmarked.inkWithin(onScreenPlace)));
    expectAtTheirPlaces(unmarked, printedTexts(chequeLayout)); // offsets that are no numbers count as 0
}

TEST_F(PrintedForms, CancellingThePrintDialogPrintsNothing)
{
    closeAbout();
    fillIn(cheque);
    cheque.press("印刷");
    HWND dialog = session->waitForMessageBox(10000);
    ASSERT_NE(dialog, nullptr) << "no print dialog";
    pushDialogButton(dialog, IDCANCEL);
    EXPECT_TRUE(waitAnswering([&] { return !IsWindow(dialog); }));
    ASSERT_TRUE(waitUntilIdle(cheque.window));
    std::string later = printLaterJob(printedWithin);
    ASSERT_FALSE(later.empty()) << "the later job was not printed";
    EXPECT_FALSE(printedFileExists(jobName("小切手", "￥ 35,000-"))) << "the cancelled print reached the printer";
    EXPECT_EQ(cheque.kingaku(), "金 参萬五千圓 也") << "the form is unchanged";
}

TEST_F(PrintedForms, TheNotePrintsItsTwelveTextsInTheChosenFace)
{
    closeAbout();
    Form note = switchToNote();
    fillIn(note);
    typeInto(note, noteLayout.payee, "株式会社取引先");
    typeInto(note, noteLayout.dueYear, "9");
    typeInto(note, noteLayout.dueMonth, "3");
    typeInto(note, noteLayout.dueDay, "31");
    replaceText(note, noteLayout.fontField, "IPA明朝");
    RenderedPage mincho =
        printThrough([&] { note.press("印刷"); }, jobName("約束手形", "￥ 35,000-"), "printed-note-mincho");
    ASSERT_GT(mincho.width, 0);
    const std::vector<PrintedText> noteTexts = printedTexts(noteLayout);
    expectAtTheirPlaces(mincho, noteTexts);

    replaceText(note, noteLayout.fontField, "IPAゴシック");
    RenderedPage gothic =
        printThrough([&] { note.press("印刷"); }, jobName("約束手形", "￥ 35,000-"), "printed-note-gothic");
    ASSERT_GT(gothic.width, 0);
    RECT amount = inkOf(mincho, noteTexts[0]);
    int ink = darkPixels(mincho, amount);
    EXPECT_GT(differingPixels(mincho, amount, gothic, 0, 0), ink / 4) << "the faces' glyphs differ";
    EXPECT_GT(darkPixels(gothic, amount), ink) << "Gothic strokes are heavier than Mincho's";
}

TEST_F(PrintedForms, ATestPrintShowsTheFormUnderTheTextsAndAVoidMarkWithoutAnAmount)
{
    closeAbout();
    Form note = switchToNote();
    typeInto(note, noteLayout.payee, "株式会社取引先");
    fillInIssuer(note);
    replaceText(note, noteLayout.offsetDown, "3");
    RenderedPage page = printThrough([&] { chooseTestPrint(); }, testPrintJobName("約束手形"), "printed-note-test");
    ASSERT_GT(page.width, 0);
    // The form's revenue stamp box stays where the form is, whatever the offsets.
    EXPECT_TRUE(hasInk(page.inkWithin(unitsToPixels(10, 10, 66, 72)))) << "the form's stamp box";
    RECT payee = inkOf(page, {"payee", noteLayout.payee, 12, 160}, 0, 9);
    EXPECT_NEAR(payee.bottom, pixelsOf(noteLayout.payee.top + 9), pixelsOf(3)) << "the texts move by the offsets";
    int red = 0;
    for (int y = pixelsOf(100); y < pixelsOf(160); ++y)
        for (int x = pixelsOf(100); x < pixelsOf(500); ++x)
            red += page.at(x, y) >> 16 > 0xA0 && (page.at(x, y) >> 8 & 0xFF) < 0x60;
    EXPECT_GT(red, 500) << "the red void mark across the form";
}

struct MenuCase {
    const char* presses;
    bool printable;
};

// Ctrl+P is 印刷...: the print dialog opens only while the amount may be printed.
TEST_F(PrintedForms, ThePrintMenuItemFollowsThePrintButton)
{
    closeAbout();
    const MenuCase cases[] = {
        {"", false},          {"3 万 円", true},     {"3 万 5 円", false}, // the kanji say 3萬5, the figures 35
        {"3 万 円 5", false}, {"3 万 円 AC", false},
    };
    for (const MenuCase& c : cases) {
        pressAll(cheque, std::string("AC ") + c.presses);
        if (std::string(c.presses) == "3 万 5 円")
            answerBox();
        pressInWindow(cheque.window, 'P', {VK_CONTROL});
        std::vector<HWND> dialogs = messageBoxesOf(session->processId());
        EXPECT_EQ(!dialogs.empty(), c.printable) << c.presses;
        EXPECT_EQ(cheque.printEnabled(), c.printable) << c.presses;
        for (HWND dialog : dialogs) {
            pushDialogButton(dialog, IDCANCEL);
            EXPECT_TRUE(waitAnswering([&] { return !IsWindow(dialog); })) << "the print dialog stayed";
        }
    }
}

// Lines changed behind the keypad's back (here the figures, from outside) are not printed.
TEST_F(PrintedForms, APrintIsRefusedWhenThePrintedLinesNoLongerAgree)
{
    closeAbout();
    pressAll(cheque, "AC 3 万 5 千 円");
    fillInIssuer(cheque);
    ASSERT_TRUE(cheque.printEnabled());
    SendMessageW(cheque.field(chequeLayout.numberField), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"￥ 350,000-"));
    PostMessageW(cheque.button("印刷"), BM_CLICK, 0, 0);
    std::string refusal = answerBox();
    EXPECT_NE(refusal.find("印刷できません"), std::string::npos) << refusal;
    EXPECT_NE(refusal.find("漢字：金 参萬五千圓 也"), std::string::npos) << refusal;
    EXPECT_NE(refusal.find("数字：￥ 350,000-"), std::string::npos) << refusal;
    ASSERT_TRUE(waitUntilIdle(cheque.window));
    EXPECT_TRUE(messageBoxesOf(session->processId()).empty()) << "the print dialog opened after the refusal";
    std::string later = printLaterJob(printedWithin);
    ASSERT_FALSE(later.empty()) << "the later job was not printed";
    EXPECT_FALSE(printedFileExists(jobName("小切手", "￥ 350,000-"))) << "the refused print reached the printer";
}

int eraYearNow()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wYear - 2018;
}

TEST_F(PrintedForms, EveryRealPrintIsRecordedInTheRegisterAndNothingElseIs)
{
    closeAbout();
    std::vector<std::string> before = registerLines();
    bool fresh = before.empty();
    fillIn(cheque);
    typeInto(cheque, cheque.layout->companyIn, "\"テスト\",商事");
    cheque.press("入力");
    const std::string quotingCompany = company() + "\"テスト\",商事";
    ASSERT_GT(printThrough([&] { cheque.press("印刷"); }, jobName("小切手", "￥ 35,000-", quotingCompany),
                           "printed-recorded-cheque")
                  .width,
              0);
    pressPrint(cheque, IDCANCEL);
    ASSERT_GT(
        printThrough([&] { chooseTestPrint(); }, "試し印刷 小切手 " + quotingCompany, "printed-unrecorded-test").width,
        0);
    Form note = switchToNote();
    pressAll(note, "AC 1 千 2 百 円");
    typeInto(note, noteLayout.payee, "取引先, 株式会社");
    note.press("入力"); // the issuer entries, mirrored from the cheque's, onto the note's lines
    ASSERT_GT(printThrough([&] { note.press("印刷"); }, jobName("約束手形", "￥ 1,200-", quotingCompany),
                           "printed-recorded-note")
                  .width,
              0);

    std::vector<std::string> added = linesAfter(before);
    if (fresh) {
        ASSERT_FALSE(added.empty());
        EXPECT_EQ(added.front(),
                  "\"印刷日時\",\"様式\",\"金額\",\"金額（漢字）\",\"振出日\",\"受取人\",\"住所\",\"会社名\",\"氏名\"");
        added.erase(added.begin());
    }
    ASSERT_EQ(added.size(), 2u) << "a line for the cheque and one for the note, none for the cancelled or test print";
    SYSTEMTIME now;
    GetLocalTime(&now);
    char today[16];
    snprintf(today, sizeof today, "\"%04d-%02d-%02d ", now.wYear, now.wMonth, now.wDay);
    std::string date = "令和" + std::to_string(eraYearNow()) + "年" + std::to_string(now.wMonth) + "月" +
                       std::to_string(now.wDay) + "日";
    for (const std::string& line : added)
        EXPECT_EQ(line.rfind(today, 0), 0u) << line;
    const std::string issuer =
        "\"東京都千代田区丸の内1-1\",\"" + company() + "\"\"テスト\"\",商事\",\"代表取締役 山田太郎\"";
    EXPECT_EQ(added[0].substr(22), "\"小切手\",\"35000\",\"金 参萬五千圓 也\",\"" + date + "\",\"\"," + issuer);
    EXPECT_EQ(added[1].substr(22), "\"約束手形\",\"1200\",\"金 壱千弐百圓 也\",\"\",\"取引先, 株式会社\"," + issuer);
}

// As when a spreadsheet program has the register open.
TEST_F(PrintedForms, ARegisterHeldByAnotherProgramBringsAQuestionAndNoPrintsNothing)
{
    closeAbout();
    fillIn(cheque);
    const std::string job = jobName("小切手", "￥ 35,000-");
    pressPrint(cheque, IDOK); // makes the register if there is none yet
    ASSERT_FALSE(waitForPrintedFile(job, printedWithin).empty());
    std::vector<std::string> before = registerLines();
    HANDLE held = CreateFileW(registerPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    struct Released {
        HANDLE file;
        ~Released() { CloseHandle(file); }
    } released{held};
    pressPrint(cheque, IDOK);
    HWND question = session->waitForMessageBox(10000);
    ASSERT_NE(question, nullptr) << "no question";
    SeenMessageBox seen = readMessageBox(question);
    EXPECT_EQ(seen.text, "振出記録に書き込めませんでした。\r\n記録を残さずに印刷しますか？");
    pushDialogButton(question, IDNO);
    ASSERT_TRUE(waitAnswering([&] { return !IsWindow(question); })) << "the question stayed";
    ASSERT_TRUE(waitUntilIdle(cheque.window));
    std::string later = printLaterJob(printedWithin);
    ASSERT_FALSE(later.empty()) << "the later job was not printed";
    EXPECT_FALSE(printedFileExists(job)) << "answered no, yet printed";

    pressPrint(cheque, IDOK);
    question = session->waitForMessageBox(10000);
    ASSERT_NE(question, nullptr) << "no question";
    pushDialogButton(question, IDYES);
    EXPECT_FALSE(waitForPrintedFile(job, printedWithin).empty()) << "answered yes, yet not printed";
    CloseHandle(released.file);
    released.file = nullptr;
    EXPECT_EQ(registerLines(), before);
}

} // namespace
