// The open and save dialogs, answered from outside as a person would: a file chosen by typing
// its path, a cancel, a path too long for the dialog, and the file types as its filter.
#include "base/hostmessage.h"
#include "files/filedialogfilter.h"
#include "files/filesexports.h"
#include "image/projectsettings.h"
#include "runtime/strings/string.h"
#include "tests/files/scratchfolder.h"
#include "tests/graphics/dialoganswerer.h"
#include "tests/support/screencapture.h"
#include "tests/support/waits.h"

#include <windows.h>

#include <dlgs.h>

#include <gtest/gtest.h>
#include <string>

namespace {

// The file name box is an edit box inside a combo box inside an extended combo box, all
// with the same number.
HWND fileNameCombo(HWND dialog)
{
    return GetDlgItem(GetDlgItem(dialog, cmb13), cmb13);
}

void typeFileName(HWND dialog, const std::string& name)
{
    dialogTypeInto(fileNameCombo(dialog), cmb13, name.c_str());
}

std::string fileNameShown(HWND dialog)
{
    char name[256] = {};
    GetDlgItemTextA(fileNameCombo(dialog), cmb13, name, sizeof name);
    return name;
}

// A dialog that did not close on the person's answer is cancelled, so that the test fails
// rather than waits.
void cancelIfStillOpen(HWND dialog)
{
    if (!waitUntil([dialog] { return !IsWindow(dialog); }, 3000))
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

std::string firstFileType(HWND dialog)
{
    char text[256] = {};
    SendDlgItemMessageA(dialog, cmb1, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
    return text;
}

std::string pathOf(ObjectHeader* item)
{
    return item ? textOf(fileAbsolutePathGetter(item, 0)) : "(nil)";
}

// A window of the test's own that the dialogs belong to while it is there.
class OwnerWindow {
public:
    OwnerWindow()
        : window(CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                 nullptr, nullptr, nullptr)),
          saved(messageSteps().owner)
    {
        current = window;
        messageSteps().owner = [] { return current; };
    }
    ~OwnerWindow()
    {
        messageSteps().owner = saved;
        DestroyWindow(window);
    }
    HWND get() const { return window; }

private:
    static inline HWND current = nullptr;
    HWND window;
    HWND (*saved)();
};

void useFileTypes()
{
    SettingsStream settings;
    settings.fileTypes = {{"special/none", "NONE", "NONE", ""},
                          {"application/text", "SpKs", "TEXT", ""},
                          {"text/notes", "Note", "NOTE", "txt;.nts;*.n?"}};
    settingsApply(settings);
}

TEST(FileDialogs, TheFilterIsMadeOfTheNamedFileTypes)
{
    useFileTypes();
    using namespace std::string_literals;
    struct Case {
        const char* fileTypes;
        std::string filter;
    } cases[] = {
        {"application/text", "application/text\0*.*\0\0"s},
        {"text/notes", "text/notes\0*.txt;*.nts;*.n?\0\0"s},
        {"TEXT/NOTES;application/text", "TEXT/NOTES\0*.txt;*.nts;*.n?\0application/text\0*.*\0\0"s},
        {"unknown/type", "*.*\0*.*\0\0"s},
        {"", "*.*\0*.*\0\0"s},
        {";;", "*.*\0*.*\0\0"s},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fileDialogFilter(c.fileTypes), c.filter) << c.fileTypes;
    settingsApply(SettingsStream());
}

TEST(FileDialogs, TheOpenDialogGivesTheChosenFile)
{
    ScratchFolder scratch;
    std::string chosen = scratch.make("chosen.txt", "x");
    useFileTypes();
    OwnerWindow owner;
    HWND seenOwner = nullptr;
    std::string seenType;
    DialogAnswerer person(cmb1, [&](HWND dialog) {
        seenOwner = GetWindow(dialog, GW_OWNER);
        seenType = firstFileType(dialog);
        typeFileName(dialog, chosen);
        CreateDirectoryA("screenshots", nullptr);
        writeBmp("screenshots/files-open-dialog.bmp", captureWindow(dialog));
        dialogClick(dialog, IDOK);
        cancelIfStillOpen(dialog);
    });
    StringRef filter(stringFromText("text/notes;application/text"));
    ObjectRef item(RuntimeGetOpenFolderItem(filter.get()));
    ASSERT_TRUE(person.answered());
    EXPECT_EQ(pathOf(item.get()), chosen);
    EXPECT_EQ(seenOwner, owner.get());
    EXPECT_EQ(seenType, "text/notes");
    settingsApply(SettingsStream());
}

TEST(FileDialogs, TheSaveDialogOffersTheDefaultName)
{
    ScratchFolder scratch;
    std::string seenName;
    DialogAnswerer person(cmb1, [&](HWND dialog) {
        seenName = fileNameShown(dialog);
        typeFileName(dialog, scratch.pathOf("saved.txt"));
        dialogClick(dialog, IDOK);
        cancelIfStillOpen(dialog);
    });
    StringRef defaultName(stringFromText("\x95\x5c.txt"));
    ObjectRef item(RuntimeGetSaveFolderItem(nullptr, defaultName.get()));
    ASSERT_TRUE(person.answered());
    EXPECT_EQ(seenName, "\x95\x5c.txt");
    EXPECT_EQ(pathOf(item.get()), scratch.pathOf("saved.txt"));
    EXPECT_FALSE(pathExists(scratch.pathOf("saved.txt"))) << "the dialog only names the file";
}

TEST(FileDialogs, CancellingOrTooLongAPathGivesNil)
{
    ScratchFolder scratch;
    std::string deep = scratch.path();
    while (deep.size() < 230)
        CreateDirectoryA((deep += "\\folder").c_str(), nullptr);
    std::string name = std::string(257 - deep.size() - 4, 'x') + ".txt";
    std::string tooLong = scratch.make(deep.substr(scratch.path().size() + 1) + "\\" + name, "x");
    ASSERT_EQ(tooLong.size(), 258u);
    ASSERT_TRUE(pathExists(tooLong));
    struct Case {
        const char* name;
        bool save;
        std::string typed; // empty: cancel
    } cases[] = {
        {"cancel opening", false, ""},
        {"cancel saving", true, ""},
        {"open too long a path", false, tooLong},
    };
    for (const Case& c : cases) {
        DialogAnswerer person(cmb1, [&](HWND dialog) {
            if (!c.typed.empty())
                typeFileName(dialog, c.typed);
            dialogClick(dialog, c.typed.empty() ? IDCANCEL : IDOK);
            cancelIfStillOpen(dialog);
        });
        ObjectRef item(c.save ? RuntimeGetSaveFolderItem(nullptr, nullptr) : RuntimeGetOpenFolderItem(nullptr));
        EXPECT_TRUE(person.answered()) << c.name;
        EXPECT_EQ(item.get(), nullptr) << c.name << ": " << pathOf(item.get());
    }
}

} // namespace
