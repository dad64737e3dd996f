// The system's special folders, a new temporary file each time, and the volumes in the order
// C: onwards, then A: and B:.
#include "files/filesexports.h"
#include "files/folderpath.h"
#include "runtime/objects/builtinclassset.h"
#include "tests/files/scratchfolder.h"

#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>
#include <string>

namespace {

std::string pathOf(ObjectHeader* item)
{
    return textOf(fileAbsolutePathGetter(item, 0));
}

std::string reported(UINT(WINAPI* query)(char*, UINT))
{
    char path[1024];
    return std::string(pathWithoutTrailingSeparator(std::string_view(path, query(path, sizeof path))));
}

std::string shellPath(int folderNumber)
{
    char path[MAX_PATH] = {};
    return SHGetSpecialFolderPathA(nullptr, path, folderNumber, FALSE) ? path : "";
}

std::string temporaryFolder()
{
    char path[MAX_PATH];
    return std::string(pathWithoutTrailingSeparator(std::string_view(path, GetTempPathA(MAX_PATH, path))));
}

TEST(SpecialFolders, EachIsTheSystemsFolderOrNil)
{
    builtinClassesEnsure();
    struct Case {
        const char* name;
        ObjectHeader* (*folder)();
        std::string expected; // empty: Nil
    } cases[] = {
        {"preferences", getPreferencesFolder, reported(GetWindowsDirectoryA)},
        {"application support", getApplicationSupportFolder, reported(GetWindowsDirectoryA)},
        {"system", getSystemFolder, reported(GetSystemDirectoryA)},
        {"extensions", getExtensionsFolder, reported(GetSystemDirectoryA)},
        {"temporary items", getTemporaryItemsFolder, temporaryFolder()},
        {"fonts", getFontsFolder, shellPath(CSIDL_FONTS)},
        {"desktop", getDesktopFolder, shellPath(CSIDL_DESKTOPDIRECTORY)},
        {"programs menu", getAppleMenuFolder, shellPath(CSIDL_PROGRAMS)},
        {"start-up items", getStartupItemsFolder, shellPath(CSIDL_STARTUP)},
        {"control panels", getControlPanelsFolder, ""},
        {"trash", getTrashFolder, ""},
        {"shutdown items", getShutdownItemsFolder, ""},
    };
    for (const Case& c : cases) {
        ObjectRef folder(c.folder());
        if (c.expected.empty()) {
            EXPECT_EQ(folder.get(), nullptr) << c.name;
            continue;
        }
        EXPECT_EQ(pathOf(folder.get()), c.expected) << c.name;
        EXPECT_TRUE(fileDirectoryGetter(folder.get(), 0)) << c.name;
    }
}

TEST(SpecialFolders, TheFontsFolderListsTheFonts)
{
    builtinClassesEnsure();
    ObjectRef fonts(getFontsFolder());
    int32_t count = fileCountGetter(fonts.get(), 0);
    EXPECT_GT(count, 0);
    for (int32_t i = 1; i <= count; ++i) {
        ObjectRef font(FolderItemItem(fonts.get(), i));
        ASSERT_NE(font.get(), nullptr) << i;
        EXPECT_FALSE(textOf(fileNameGetter(font.get(), 0)).empty()) << i;
    }
}

TEST(SpecialFolders, ATemporaryItemIsANewFileEachTime)
{
    builtinClassesEnsure();
    ObjectRef first(getTemporaryFolderItem());
    ObjectRef second(getTemporaryFolderItem());
    ASSERT_NE(first.get(), nullptr);
    ASSERT_NE(second.get(), nullptr);
    for (ObjectHeader* item : {first.get(), second.get()}) {
        std::string path = pathOf(item);
        EXPECT_TRUE(fileExistsGetter(item, 0)) << path;
        EXPECT_FALSE(fileDirectoryGetter(item, 0)) << path;
        EXPECT_EQ(path.substr(0, path.rfind('\\')), temporaryFolder());
        EXPECT_EQ(textOf(fileNameGetter(item, 0)).substr(0, 3), "vxt");
    }
    EXPECT_NE(pathOf(first.get()), pathOf(second.get()));
    FolderItemDelete(first.get());
    FolderItemDelete(second.get());
}

TEST(SpecialFolders, VolumesAreThePresentDrivesFromC)
{
    builtinClassesEnsure();
    DWORD drives = GetLogicalDrives();
    std::string expected;
    for (int k = 0; k < 26; ++k) {
        int bit = (k + 2) % 26;
        if (drives >> bit & 1)
            expected += std::string(1, static_cast<char>('A' + bit)) + ": ";
    }
    int32_t count = getVolumeCount();
    EXPECT_EQ(count, __builtin_popcount(drives));
    std::string volumes;
    for (int32_t i = 0; i < count; ++i) {
        ObjectRef volume(getVolume(i));
        volumes += pathOf(volume.get()) + " ";
        EXPECT_TRUE(fileExistsGetter(volume.get(), 0)) << i;
        EXPECT_TRUE(fileDirectoryGetter(volume.get(), 0)) << i;
    }
    EXPECT_EQ(volumes, expected);
    for (int32_t outside : {-1, count, 99}) {
        ObjectRef none(getVolume(outside));
        EXPECT_EQ(none.get(), nullptr) << outside;
    }
}

} // namespace
