// The settings each working window keeps beside the program: the template on a first start,
// everything a person set back after a restart, damaged and unwritable files met without loss
// and with one message, and files that read as the old or the new settings whenever the
// program is killed while it writes them.
#include "tests/app/tegatadriver.h"

#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

const char* const chequeFile = "小切手設定";
const char* const noteFile = "手形設定";
const char* const notKept = "設定を保存できませんでした。次に起動したときは、前に保存した設定になります。";

constexpr Place chequeFontField = {521, 253};

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
        removeSettingsIn(userDataFolder());
    }

    void TearDown() override
    {
        if (session)
            TegataProgram::TearDown();
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
        while (!session->waitForExit(300, exitCode)) {
            HWND box = session->waitForMessageBox(200);
            if (box)
                boxes.push_back(answerBoxShown(box));
            if (boxes.size() > 3)
                break;
        }
        EXPECT_TRUE(session->waitForExit(10000, exitCode)) << "the program did not end";
        session.reset();
        return boxes;
    }

    std::string answerBoxShown(HWND box)
    {
        std::string text = readMessageBox(box).text;
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
        waitAnswering([&] { return !IsWindow(box); });
        return text;
    }

    void replaceText(const Form& form, Place at, const std::string& utf8)
    {
        typeInto(form, at, "");
        pressInWindow(form.window, 'A', {VK_CONTROL});
        typeIntoWindow(form.window, {VK_DELETE});
        typeTextIntoWindow(form.window, utf8);
        waitUntilIdle(form.window);
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
              (std::vector<std::string>{"155", "156", "156", "156", ""}));
    EXPECT_EQ(fileBytes(pathOf(noteFile)), "(no file)")
        << "the note window, never opened, was not made for the address";
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
    EXPECT_TRUE(waitAnswering([&] { return !cheque.text(chequeFontField).empty(); }));
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
                    cheque.text(chequeLayout.offsetRight), cheque.text(chequeFontField),
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
    Form note = switchToNote();
    EXPECT_EQ(note.text(noteLayout.addressIn), before.address) << "the cheque's issuer is the note's";
    EXPECT_EQ(note.text(noteLayout.offsetRight), "-1.5");
}

} // namespace
