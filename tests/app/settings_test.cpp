// The settings each working window keeps beside the program: the template on a first start,
// everything a person set back after a restart, damaged and unwritable files met without loss
// and with one message, and files that read as the old or the new settings whenever the
// program is killed while it writes them.
#include "tests/app/tegatadriver.h"
#include "tests/support/files.h"
#include "tests/support/timescale.h"

#include <windows.h>

#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

const char* const chequeFile = "小切手設定";
const char* const noteFile = "手形設定";
const char* const notKept = "設定を保存できませんでした。次に起動したときは、前に保存した設定になります。";

// Lines as the program writes them: each ended by CR LF.
std::string linesOf(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines)
        bytes += ansiFromUtf8(line) + "\r\n";
    return bytes;
}

std::vector<std::string> splitCrLf(const std::string& bytes)
{
    std::vector<std::string> lines;
    for (size_t start = 0; start < bytes.size();) {
        size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos)
            end = bytes.size();
        lines.push_back(utf8FromAnsi(bytes.substr(start, end - start)));
        start = end + 2;
    }
    return lines;
}

// A whole settings file with this address, offsets and font; the rest as the template has it.
std::string settingsWith(const char* address, const char* font = "")
{
    return linesOf({address, "会社", "名前", "3", "4", "40", "20", "155", "156", "156", "156", font});
}

// The program's folder among the user's data.
std::string userDataFolder()
{
    char data[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, data);
    return std::string(data) + "\\" + ansiFromUtf8("手形・小切手");
}

void removeSettingsIn(const std::string& folder)
{
    for (const char* name : {chequeFile, noteFile}) {
        for (const char* suffix : {"", ".new", ".bak"}) {
            std::string path = folder + "\\" + ansiFromUtf8(name) + suffix;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
            RemoveDirectoryA(path.c_str());
        }
    }
}

class KeptSettings : public TegataProgram {
protected:
    // Each test starts the program itself, once its files are in place. The user's data folder
    // is shared by every program of this user: nothing of ours is left there.
    void SetUp() override
    {
        program = programCopyIn("tegata.exe", "settings-program");
        ASSERT_FALSE(program.empty()) << "no copy of the program";
        folder = program.substr(0, program.rfind('\\'));
        removeSettingsIn(folder);
        removeSettingsIn(userDataFolder());
    }

    void TearDown() override
    {
        if (session)
            TegataProgram::TearDown();
        removeSettingsIn(folder);
        removeSettingsIn(userDataFolder());
    }

    std::string pathOf(const char* name, const char* suffix = "") const
    {
        return folder + "\\" + ansiFromUtf8(name) + suffix;
    }

    std::string fileBytes(const std::string& path) const
    {
        std::string bytes;
        return readWholeFile(path, bytes) ? bytes : "(no file)";
    }

    void startAndCloseAbout()
    {
        start();
        if (!HasFatalFailure())
            closeAbout();
    }

    // Closes the program as its frame's close box does; the messages it showed on the way.
    std::vector<std::string> quit()
    {
        closeWindow(frame);
        std::vector<std::string> boxes;
        DWORD exitCode = 99;
        auto ended = [&] {
            if (HWND box = session->waitForMessageBox(0))
                boxes.push_back(answerBox(box));
            return session->waitForExit(0, exitCode) || boxes.size() > 3;
        };
        EXPECT_TRUE(waitUntil(ended, 20000)) << "the program did not end";
        EXPECT_TRUE(session->waitForExit(10000, exitCode)) << "the program did not end";
        session.reset();
        return boxes;
    }

    RECT placeOf(const Form& form) { return rectIn(form.window, GetParent(form.window)); }

    std::string folder;
};

TEST_F(KeptSettings, AFirstStartShowsTheTemplateAndClosingKeepsTwelveShiftJisLines)
{
    startAndCloseAbout();
    EXPECT_EQ(cheque.text(chequeLayout.addressIn), "");
    EXPECT_EQ(cheque.text(chequeLayout.offsetDown), "0");
    EXPECT_EQ(cheque.text(chequeLayout.offsetRight), "0");
    EXPECT_EQ(cheque.top(chequeLayout.yearStamp), chequeLayout.defaultFiguresTop);
    replaceText(cheque, chequeLayout.addressIn, "東京都千代田区");
    EXPECT_EQ(quit(), std::vector<std::string>{}) << "nothing to tell";

    std::string bytes = fileBytes(pathOf(chequeFile));
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    std::vector<std::string> lines = splitCrLf(bytes);
    ASSERT_EQ(lines.size(), 12u) << bytes;
    EXPECT_EQ(lines[0], "東京都千代田区") << "Shift-JIS, as the program's code page";
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.begin() + 5),
              (std::vector<std::string>{"", "", "0", "0"}));
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 7, lines.end()),
              (std::vector<std::string>{"155", "156", "156", "156", defaultPrintFace()}))
        << "no face saved: the default face";
    std::vector<std::string> noteLines = splitCrLf(fileBytes(pathOf(noteFile)));
    ASSERT_EQ(noteLines.size(), 12u) << "the note window, made to take the address, keeps its own";
    EXPECT_EQ(noteLines[0], "東京都千代田区");
    EXPECT_EQ(fileBytes(pathOf(chequeFile, ".new")), "(no file)");
}

TEST_F(KeptSettings, EverySettingComesBackAfterARestart)
{
    startAndCloseAbout();
    replaceText(cheque, chequeLayout.addressIn, "東京都千代田区丸の内1-1");
    replaceText(cheque, chequeLayout.companyIn, "株式会社見本");
    replaceText(cheque, chequeLayout.nameIn, "代表取締役 見本太郎");
    replaceText(cheque, chequeLayout.offsetDown, "2");
    replaceText(cheque, chequeLayout.offsetRight, "-1.5");
    RECT arrows = chequeLayout.arrows;
    for (int press = 0; press < 3; ++press)
        cheque.clickAt({(arrows.left + arrows.right) / 2, arrows.bottom - 3});
    HWND menu = childrenOfClass(cheque.window, "ComboBox").front();
    cheque.clickAt(middleOf(rectIn(menu, cheque.window)));
    typeIntoWindow(cheque.window, {VK_END, VK_RETURN});
    EXPECT_TRUE(waitAnswering([&] { return !cheque.text(chequeLayout.fontField).empty(); }));
    Form note = switchToNote();
    RECT noteArrows = noteLayout.arrows;
    for (int press = 0; press < 2; ++press)
        note.clickAt({(noteArrows.left + noteArrows.right) / 2, noteArrows.bottom - 3});
    EXPECT_EQ(note.top(noteLayout.yearStamp), noteLayout.defaultFiguresTop + 2);
    switchToCheque(note);
    RECT title = screenRect(cheque.window);
    dragOnScreen({title.left + 60, title.top + 8}, {title.left + 90, title.top + 28});
    struct Seen {
        std::string address, company, name, down, right, font;
        int stampTop;
        RECT place;
    };
    auto seen = [&] {
        return Seen{cheque.text(chequeLayout.addressIn),   cheque.text(chequeLayout.companyIn),
                    cheque.text(chequeLayout.nameIn),      cheque.text(chequeLayout.offsetDown),
                    cheque.text(chequeLayout.offsetRight), cheque.text(chequeLayout.fontField),
                    cheque.top(chequeLayout.yearStamp),    placeOf(cheque)};
    };
    Seen before = seen();
    EXPECT_EQ(before.stampTop, chequeLayout.defaultFiguresTop + 3);
    EXPECT_NE(before.place.left, 0) << "the window was moved";
    screenshot("settings-before-restart.bmp");
    EXPECT_EQ(quit(), std::vector<std::string>{});

    startAndCloseAbout();
    Seen after = seen();
    screenshot("settings-after-restart.bmp");
    EXPECT_EQ(after.address, before.address);
    EXPECT_EQ(after.company, before.company);
    EXPECT_EQ(after.name, before.name);
    EXPECT_EQ(after.down, "2");
    EXPECT_EQ(after.right, "-1.5");
    EXPECT_EQ(after.font, before.font);
    EXPECT_EQ(after.stampTop, before.stampTop);
    EXPECT_EQ(after.place.left, before.place.left);
    EXPECT_EQ(after.place.top, before.place.top);
    note = switchToNote();
    EXPECT_EQ(note.text(noteLayout.addressIn), before.address) << "the cheque's issuer is the note's";
    EXPECT_EQ(note.top(noteLayout.yearStamp), noteLayout.defaultFiguresTop + 2) << "the note keeps its own stamp";
    EXPECT_EQ(note.text(noteLayout.offsetRight), "-1.5");
}

// A text pasted with its line breaks must not shift the lines after it.
TEST_F(KeptSettings, APastedLineBreakIsKeptAsASpace)
{
    startAndCloseAbout();
    std::wstring pasted = L"一行目\r\n二行目";
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, (pasted.size() + 1) * sizeof(wchar_t));
    memcpy(GlobalLock(text), pasted.c_str(), (pasted.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(text);
    SetClipboardData(CF_UNICODETEXT, text);
    CloseClipboard();
    typeInto(cheque, chequeLayout.addressIn, "");
    pressInWindow(cheque.window, 'V', {VK_CONTROL});
    std::string shown = cheque.text(chequeLayout.addressIn);
    EXPECT_EQ(quit(), std::vector<std::string>{});
    std::vector<std::string> lines = splitCrLf(fileBytes(pathOf(chequeFile)));
    ASSERT_EQ(lines.size(), 12u) << shown;
    EXPECT_NE(lines[0].find("一行目"), std::string::npos) << shown;
    EXPECT_EQ(lines[3], "0") << "the offset stays on its own line";
}

struct DamageCase {
    const char* name;
    std::string file, keptFile; // empty: no such file
    bool readOnly;
    const char* addressShown;
    const char* offsetRightShown;
    size_t messages;
    const char* addressKept; // line 1 of the file after the close
};

const std::string binaryJunk = std::string("\0\x01\xFF\xFE\x7F\x02\r\n", 8) + std::string(200, '\0') + "\x90\x03";
const std::string cutShort = linesOf({"短い住所", "会社", "名前", "3"});

const DamageCase damageCases[] = {
    {"cut short: read as far as it goes", cutShort, "", false, "短い住所", "", 0, "短い住所"},
    {"binary junk: the template", binaryJunk, "", false, "", "0", 0, ""},
    {"junk with a kept version", binaryJunk, settingsWith("控えの住所"), false, "控えの住所", "4", 0, "控えの住所"},
    {"cut short with a whole kept version", cutShort, settingsWith("控えの住所"), false, "控えの住所", "4", 0,
     "控えの住所"},
    {"read-only: read, and kept as it was", settingsWith("読み取り専用"), "", true, "読み取り専用", "4", 1,
     "読み取り専用"},
};

TEST_F(KeptSettings, DamagedAndReadOnlyFilesAreMetWithoutLossAndWithOneMessage)
{
    for (const DamageCase& damage : damageCases) {
        removeSettingsIn(folder);
        if (!damage.file.empty())
            ASSERT_TRUE(writeWholeFile(pathOf(chequeFile), damage.file));
        if (!damage.keptFile.empty())
            ASSERT_TRUE(writeWholeFile(pathOf(chequeFile, ".bak"), damage.keptFile));
        if (damage.readOnly)
            SetFileAttributesA(pathOf(chequeFile).c_str(), FILE_ATTRIBUTE_READONLY);
        startAndCloseAbout();
        ASSERT_FALSE(HasFatalFailure()) << damage.name;
        EXPECT_EQ(cheque.text(chequeLayout.addressIn), damage.addressShown) << damage.name;
        EXPECT_EQ(cheque.text(chequeLayout.offsetRight), damage.offsetRightShown) << damage.name;
        std::vector<std::string> told = quit();
        EXPECT_EQ(told.size(), damage.messages) << damage.name;
        if (!told.empty())
            EXPECT_EQ(told.front(), notKept) << damage.name;
        std::vector<std::string> lines = splitCrLf(fileBytes(pathOf(chequeFile)));
        EXPECT_EQ(lines.size(), 12u) << damage.name;
        EXPECT_EQ(lines.empty() ? "" : lines.front(), damage.addressKept) << damage.name;
    }
}

TEST_F(KeptSettings, ASavedFaceNoLongerInstalledGivesWayToAMinchoFace)
{
    ASSERT_TRUE(writeWholeFile(pathOf(chequeFile), settingsWith("住所", "Gone Typeface Pro")));
    startAndCloseAbout();
    std::string face = cheque.text(chequeLayout.fontField);
    EXPECT_TRUE(face.find("明朝") != std::string::npos || face.find("Mincho") != std::string::npos) << face;
    HWND menu = childrenOfClass(cheque.window, "ComboBox").front();
    EXPECT_EQ(textOf(menu), face) << "the menu shows the face in use";
    EXPECT_EQ(quit(), std::vector<std::string>{});
    std::vector<std::string> lines = splitCrLf(fileBytes(pathOf(chequeFile)));
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[11], face) << "the face really used is kept";
}

// Closing one window closes the other, and both keep their settings: a failure is told once.
TEST_F(KeptSettings, BothWindowsFailingToKeepTheirSettingsAreToldOnce)
{
    for (const char* name : {chequeFile, noteFile}) {
        ASSERT_TRUE(writeWholeFile(pathOf(name), settingsWith("読み取り専用")));
        SetFileAttributesA(pathOf(name).c_str(), FILE_ATTRIBUTE_READONLY);
    }
    startAndCloseAbout();
    Form note = switchToNote();
    EXPECT_EQ(note.text(noteLayout.addressIn), "読み取り専用");
    EXPECT_EQ(quit(), std::vector<std::string>{notKept});
}

// The test runs as a user whom no folder refuses (under Wine, as the machine's administrator):
// a folder in the way of the settings' new file stands for a folder the program cannot write in.
TEST_F(KeptSettings, AFolderThatTakesNoNewFilesSendsTheSettingsToTheUserDataFolder)
{
    std::string earlier = settingsWith("以前の住所");
    ASSERT_TRUE(writeWholeFile(pathOf(chequeFile), earlier));
    for (const char* name : {chequeFile, noteFile})
        ASSERT_TRUE(CreateDirectoryA(pathOf(name, ".new").c_str(), nullptr));
    startAndCloseAbout();
    EXPECT_EQ(cheque.text(chequeLayout.addressIn), "以前の住所") << "an earlier run's file is read";
    replaceText(cheque, chequeLayout.addressIn, "新しい住所");
    EXPECT_EQ(quit(), std::vector<std::string>{}) << "the settings were kept";
    EXPECT_EQ(fileBytes(pathOf(chequeFile)), earlier);
    std::vector<std::string> lines = splitCrLf(fileBytes(userDataFolder() + "\\" + ansiFromUtf8(chequeFile)));
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0], "新しい住所");

    startAndCloseAbout();
    EXPECT_EQ(cheque.text(chequeLayout.addressIn), "新しい住所");
    EXPECT_EQ(quit(), std::vector<std::string>{});
}

// How many times at most the program is killed while it writes its settings; TEGATA_SETTINGS_KILLS
// lowers (or raises) it. Fewer are made where they would not fit in the time the test has.
int killRounds()
{
    char text[16] = {};
    GetEnvironmentVariableA("TEGATA_SETTINGS_KILLS", text, sizeof text);
    return text[0] ? atoi(text) : 200;
}

// The kills take at most the time that 200 of them take on our usual machines, and are not
// stretched: the other tests wait for the desktop meanwhile. A slower machine makes fewer kills in
// it (under the CPU emulator about 35), each as telling as on a fast one.
constexpr DWORD killBudgetMs = 150000;

double secondsSince(LARGE_INTEGER start)
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return double(now.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

bool exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A version the program did not write: thirteen lines, read as far as twelve go. What the
// program writes back is the first twelve, so the old and the new version differ.
std::string oldVersion(int round)
{
    return linesOf({"住所" + std::to_string(round), "会社", "名前", "3", "4", "40", "20", "118", "120", "120", "120",
                    defaultPrintFace(), "旧"});
}

std::string newVersion(int round)
{
    std::string old = oldVersion(round);
    return old.substr(0, old.size() - ansiFromUtf8("旧").size() - 2);
}

// One copy of the program, started, closed and killed round after round in a thread of its
// own: the program spends most of a round waiting (its About window's sound stops in real
// time), so several copies share the machine well.
struct KillLane {
    std::string program, folder;
    int rounds = 0, firstRound = 0;
    DWORD deadline = 0;  // no round starts after this tick
    std::mt19937 random; // seeded for each lane: the lanes kill at moments of their own
    int killed = 0;
    double writeSpan = 0; // seconds from the first new version seen to the last file replaced
    int seen[2] = {};     // files found holding the old and the new version
    int killedInside = 0; // kills that came while a new version was there, not yet in place
    std::string failure;

    std::string pathOf(const char* name, const char* suffix = "") const
    {
        return folder + "\\" + ansiFromUtf8(name) + suffix;
    }

    // The About window shows once the cheque window has read its settings. It closes when
    // another copy's window takes the focus, so a program that shows its cheque window and
    // answers a while after its start has shown it too.
    static bool openedItsWindows(HWND frame, DWORD startedAt)
    {
        DWORD processId = 0;
        GetWindowThreadProcessId(frame, &processId);
        if (visibleWindowOf(processId, aboutTitle))
            return true;
        return GetTickCount() - startedAt > stretched(3000) && visibleWindowOf(processId, chequeTitle) &&
               waitUntilIdle(frame);
    }

    // Starts the program on the round's old versions and asks it to close once it shows its
    // windows; null when it did not.
    std::unique_ptr<ProgramSession> startAndClose(int round)
    {
        for (const char* name : {chequeFile, noteFile}) {
            writeWholeFile(pathOf(name), oldVersion(round));
            DeleteFileA(pathOf(name, ".new").c_str());
        }
        DWORD startedAt = GetTickCount();
        auto session = std::make_unique<ProgramSession>("\"" + program + "\"", folder);
        HWND frame = session->waitForWindow(frameTitle, 20000);
        if (!frame || !waitUntil([&] { return openedItsWindows(frame, startedAt); }, 20000)) {
            failure = "round " + std::to_string(round) + ": the program did not show its windows";
            return nullptr;
        }
        PostMessageW(frame, WM_SYSCOMMAND, SC_CLOSE, 0);
        return session;
    }

    // A new version made, or a file replaced: sizes only, as a file held open here would make
    // the program's replacement fail.
    bool writeStarted(int round) const
    {
        for (const char* name : {chequeFile, noteFile}) {
            WIN32_FILE_ATTRIBUTE_DATA file{};
            if (exists(pathOf(name, ".new")) ||
                (GetFileAttributesExA(pathOf(name).c_str(), GetFileExInfoStandard, &file) &&
                 file.nFileSizeLow != oldVersion(round).size()))
                return true;
        }
        return false;
    }

    bool writeFinished(int round) const
    {
        for (const char* name : {chequeFile, noteFile}) {
            WIN32_FILE_ATTRIBUTE_DATA file{};
            if (!GetFileAttributesExA(pathOf(name).c_str(), GetFileExInfoStandard, &file) ||
                file.nFileSizeLow != newVersion(round).size())
                return false;
        }
        return true;
    }

    // Polls closely (the write takes milliseconds) for at most ten seconds, stretched; the moment
    // it held.
    template <class Condition> bool waitClosely(Condition holds, LARGE_INTEGER& when) const
    {
        LARGE_INTEGER start;
        QueryPerformanceCounter(&start);
        while (!holds() && secondsSince(start) < stretched(10000) / 1000.0)
            Sleep(1);
        QueryPerformanceCounter(&when);
        return holds();
    }

    // 0 the old version, 1 the new, -1 anything else (missing, empty, partial).
    int versionOf(const char* name, int round) const
    {
        std::string bytes;
        if (!readWholeFile(pathOf(name), bytes))
            return -1;
        return bytes == oldVersion(round) ? 0 : bytes == newVersion(round) ? 1 : -1;
    }

    // A round the program finishes: how long its write takes, measured under the same load.
    void measureWrite()
    {
        std::unique_ptr<ProgramSession> session = startAndClose(firstRound);
        LARGE_INTEGER started, finished;
        if (!session || !waitClosely([&] { return writeStarted(firstRound); }, started) ||
            !waitClosely([&] { return writeFinished(firstRound); }, finished))
            return void(failure = failure.empty() ? "the program wrote no settings" : failure);
        writeSpan = secondsSince(started) - secondsSince(finished);
        DWORD exitCode;
        session->waitForExit(10000, exitCode);
        if (versionOf(chequeFile, firstRound) != 1 || versionOf(noteFile, firstRound) != 1)
            failure = "a closed program left settings other than the new ones";
    }

    void killRound(int round)
    {
        std::unique_ptr<ProgramSession> session = startAndClose(round);
        LARGE_INTEGER started;
        if (!session || !waitClosely([&] { return writeStarted(round); }, started))
            return void(failure = failure.empty() ? "the program wrote no settings" : failure);
        double killAt = std::uniform_real_distribution<double>(0, writeSpan * 1.2)(random);
        while (secondsSince(started) < killAt)
            Sleep(0);
        session.reset(); // ends the program where it is
        ++killed;
        killedInside += !writeFinished(round);
        for (const char* name : {chequeFile, noteFile}) {
            int version = versionOf(name, round);
            if (version < 0)
                return void(failure = std::string(name) + " holds neither version after a kill " +
                                      std::to_string(killAt * 1000) + " ms into the write");
            ++seen[version];
        }
    }

    void run()
    {
        measureWrite();
        for (int round = firstRound + 1; round <= firstRound + rounds && failure.empty(); ++round) {
            if (int(GetTickCount() - deadline) > 0)
                break;
            killRound(round);
        }
    }
};

DWORD WINAPI runLane(void* lane)
{
    static_cast<KillLane*>(lane)->run();
    return 0;
}

// Each kill is aimed at a moment within 1.2 times a write's span after the write began, so five
// in six are aimed inside a write. A kill takes effect a little after it is given (the system
// ends the program for us), which moves some past the end; at least a quarter must still find
// the write unfinished, or the kills test little more than a program that was done or had not
// begun.
TEST(KilledWhileWriting, EverySettingsFileHoldsTheOldOrTheNewVersion)
{
    constexpr int laneCount = 8;
    KillLane lanes[laneCount];
    HANDLE threads[laneCount];
    int rounds = killRounds();
    DWORD budget = killBudgetMs, deadline = GetTickCount() + budget;
    for (int i = 0; i < laneCount; ++i) {
        lanes[i].program = programCopyIn("tegata.exe", "settings-kill-" + std::to_string(i));
        ASSERT_FALSE(lanes[i].program.empty());
        lanes[i].folder = lanes[i].program.substr(0, lanes[i].program.rfind('\\'));
        lanes[i].rounds = rounds / laneCount + (i < rounds % laneCount);
        lanes[i].firstRound = i * 100000;
        lanes[i].deadline = deadline;
        unsigned seed = GetTickCount() ^ GetCurrentProcessId() << 8 ^ unsigned(i) << 24;
        lanes[i].random.seed(seed);
        printf("lane %d kills with the seed %u\n", i, seed);
    }
    for (int i = 0; i < laneCount; ++i)
        threads[i] = CreateThread(nullptr, 0, runLane, &lanes[i], 0, nullptr);
    // Every wait of a lane is bounded and no round starts after the deadline; this bound only
    // catches a lane that never ends.
    if (WaitForMultipleObjects(laneCount, threads, TRUE, budget + stretched(120000)) == WAIT_TIMEOUT) {
        ADD_FAILURE() << "a lane did not end";
        fflush(stdout);
        ExitProcess(1); // the lanes still use this frame
    }
    int seen[2] = {}, inside = 0, killed = 0;
    for (KillLane& lane : lanes) {
        CloseHandle(threads[&lane - lanes]);
        EXPECT_EQ(lane.failure, "");
        seen[0] += lane.seen[0], seen[1] += lane.seen[1], inside += lane.killedInside, killed += lane.killed;
        printf("a write took %.1f ms\n", lane.writeSpan * 1000);
    }
    printf("%d kills of %d asked for in %.0f s: %d files held the old version, %d the new; %d kills came while a "
           "new version was being written or put in place\n",
           killed, rounds, budget / 1000.0, seen[0], seen[1], inside);
    EXPECT_GE(killed, std::min(rounds, 2 * laneCount)) << "fewer than two kills a copy fitted in the time";
    EXPECT_GE(inside * 4, killed) << "too few kills came inside a write";
    EXPECT_GT(seen[0], 0) << "no kill came before a file was replaced";
    EXPECT_GT(seen[1], 0) << "no kill came after a file was replaced";
}

} // namespace
