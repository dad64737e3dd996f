// A print run of a filled cheque in the running program, from the print dialog's OK to the
// program ready again with the job spooled, against the same GDI calls made directly to the
// same printer (the device context made, the eight texts drawn, the job ended), taking turns.
#include "bench/benchharness.h"
#include "tests/app/tegatadriver.h"
#include "tests/support/printedpages.h"
#include "tests/support/timescale.h"
#include "tests/support/waits.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr double goalWithin = 1.2;
constexpr const char* printerName = "PDF";
constexpr const char* face = "IPAゴシック";
constexpr DWORD printedWithin = 60000;
// The program names a cheque's job by its form, figure line and company line.
const std::string programJobName = "小切手 ￥ 35,000- 株式会社サンプル商事";

// The cheque's printed texts as the program draws them: size, place (the field's) and text.
struct DirectText {
    int size;
    Place at;
    const char* text;
};

const DirectText chequeTexts[] = {
    {16, chequeLayout.kingaku, "金 参萬五千圓 也"},
    {9, chequeLayout.addressLine, "東京都千代田区丸の内1-1"},
    {9, chequeLayout.companyLine, "株式会社サンプル商事"},
    {9, chequeLayout.nameLine, "代表取締役 山田太郎"},
    {9, chequeLayout.numberField, "￥ 35,000-"},
    {12, chequeLayout.yearStamp, "8"},
    {12, chequeLayout.monthStamp, "12"},
    {12, chequeLayout.dayStamp, "10"},
};

std::string codePage(const char* utf8)
{
    wchar_t wide[256];
    int length = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide, 256);
    char bytes[512];
    WideCharToMultiByte(CP_ACP, 0, wide, length, bytes, sizeof bytes, nullptr, nullptr);
    return bytes;
}

// Units of 1/72 inch from the paper's corner, as the program's printer Graphics has them.
void setPrinterMapping(HDC dc)
{
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 72, 72, nullptr);
    SetViewportExtEx(dc, GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY), nullptr);
    SetViewportOrgEx(dc, -GetDeviceCaps(dc, PHYSICALOFFSETX), -GetDeviceCaps(dc, PHYSICALOFFSETY), nullptr);
}

void drawDirectTexts(HDC dc)
{
    const std::string faceName = codePage(face);
    SetTextAlign(dc, TA_BASELINE | TA_LEFT);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    for (const DirectText& text : chequeTexts) {
        HFONT font =
            CreateFontA(-text.size, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, faceName.c_str());
        HGDIOBJ previous = SelectObject(dc, font);
        std::string bytes = codePage(text.text);
        TextOutA(dc, text.at.left, text.at.top, bytes.c_str(), int(bytes.size()));
        SelectObject(dc, previous);
        DeleteObject(font);
    }
}

bool printDirectly(const std::string& documentName)
{
    HDC dc = CreateDCA("WINSPOOL", printerName, nullptr, nullptr);
    DOCINFOA document = {sizeof document, documentName.c_str(), nullptr, nullptr, 0};
    bool started = dc && StartDocA(dc, &document) > 0 && StartPage(dc) > 0;
    if (started) {
        setPrinterMapping(dc);
        drawDirectTexts(dc);
        EndPage(dc);
        EndDoc(dc);
    }
    if (dc)
        DeleteDC(dc);
    return started;
}

std::string folderOf(const std::string& path)
{
    return path.substr(0, path.find_last_of('\\'));
}

// The program's cheque, filled in as the printed texts above.
struct RunningCheque : FramedProgram {
    Form cheque = {};

    bool start()
    {
        // A copy of its own keeps the settings it writes on closing out of the build folder.
        std::string program = programCopyIn("tegata.exe", "bench-print");
        if (program.empty() || !startFramedProgramIn(program, folderOf(program), *this))
            return false;
        cheque = {FramedProgram::cheque, &chequeLayout};
        clickInWindow(about, 150, 300);
        if (!waitAnswering([&] { return !IsWindow(about); }))
            return false;
        for (const std::string& caption : pressesOf("AC 3 万 5 千 円"))
            cheque.press(caption);
        type(chequeLayout.addressIn, "東京都千代田区丸の内1-1");
        type(chequeLayout.companyIn, "株式会社サンプル商事");
        type(chequeLayout.nameIn, "代表取締役 山田太郎");
        type(chequeLayout.fontField, face);
        cheque.press("入力");
        cheque.press("今日の日付");
        cheque.press("日付押印");
        return cheque.printEnabled();
    }
    void type(Place at, const char* utf8)
    {
        RECT area = rectIn(cheque.field(at), cheque.window);
        cheque.clickAt({area.left + 5, (area.top + area.bottom) / 2});
        typeTextIntoWindow(cheque.window, utf8);
    }
    // From OK in the print dialog to the program taking messages again; negative on failure.
    double timedPrint()
    {
        cheque.press("印刷");
        HWND dialog = session->waitForMessageBox(10000);
        if (!dialog)
            return -1;
        uint64_t start = benchTicks();
        pushDialogButton(dialog, IDOK);
        if (!pollUntil([&] { return !IsWindow(dialog); }, 10000, 0))
            return -1;
        DWORD_PTR answer;
        if (!SendMessageTimeoutA(cheque.window, WM_NULL, 0, 0, SMTO_NORMAL, stretched(10000), &answer))
            return -1;
        return benchTicksToNanoseconds(benchTicks() - start);
    }
};

} // namespace

int main(int argc, char** argv)
{
    bool smoke = false;
    if (!benchReadArguments(argc, argv, smoke))
        return 2;
    RunningCheque program;
    BenchOutcome outcome;
    bool started = program.start();
    outcome.check(started, "the program did not start with a cheque ready to print");
    if (!started)
        return 1;
    const int rounds = smoke ? 1 : 8;
    double bestProgram = 0, bestDirect = 0;
    for (int round = 0; round < rounds; ++round) {
        double programNs = program.timedPrint();
        bool programPrinted = programNs > 0 && !waitForPrintedFile(programJobName, printedWithin).empty();
        std::string directName = uniqueDocumentName("bench-print-direct");
        uint64_t start = benchTicks();
        bool directPrinted = printDirectly(directName);
        double directNs = benchTicksToNanoseconds(benchTicks() - start);
        directPrinted = directPrinted && !waitForPrintedFile(directName, printedWithin).empty();
        outcome.check(programPrinted && directPrinted, "a print run made no file on the PDF printer");
        if (!programPrinted || !directPrinted)
            break;
        bestProgram = round == 0 || programNs < bestProgram ? programNs : bestProgram;
        bestDirect = round == 0 || directNs < bestDirect ? directNs : bestDirect;
    }
    DWORD exitCode = 0;
    closeFramedProgram(program, exitCode);
    if (!smoke && outcome.correct) {
        benchPrintHeader("a filled cheque printed, best of 8 turns", "the same GDI calls made directly");
        benchPrintRow("direct GDI", 1, bestDirect, bestDirect);
        outcome.report("the program's print run", 1, bestProgram, bestDirect, goalWithin);
        printf("goal: within %.1f times: %s%s\n", goalWithin, outcome.missedGoals.empty() ? "met" : "NOT met by ",
               outcome.missedGoals.c_str());
    }
    printf("%s\n", outcome.correct ? "results correct" : "results WRONG");
    return outcome.correct ? 0 : 1;
}
