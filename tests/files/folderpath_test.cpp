// Paths split into volume, folder part and name, and joined, with double-byte names whose
// second byte is a backslash ("表" is 95 5C, "ソ" is 83 5C in the Japanese code page).
#include "files/folderpath.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

#define HYOU "\x95\x5c"
#define SO "\x83\x5c"

TEST(Paths, TheCodePageIsTheJapaneseOne)
{
    ASSERT_EQ(GetACP(), 932u) << "the double-byte cases below need the Japanese code page";
}

TEST(Paths, SplitIntoVolumeFolderAndName)
{
    struct Case {
        const char* path;
        const char* volume;
        const char* folder;
        const char* name;
        const char* parent;
    } cases[] = {
        {"C:\\Notes\\a.txt", "C:", "\\Notes\\", "a.txt", "C:\\Notes"},
        {"C:\\a.txt", "C:", "\\", "a.txt", "C:"},
        {"C:a.txt", "C:", "", "a.txt", "C:"},
        {"a.txt", "", "", "a.txt", ""},
        {"C:\\dir\\", "C:", "\\dir\\", "", "C:\\dir"},
        {"\\\\server\\share\\a.txt", "\\\\server", "\\share\\", "a.txt", "\\\\server\\share"},
        {"\\\\server\\share", "\\\\server", "\\", "share", "\\\\server"},
        {"C:\\" HYOU, "C:", "\\", HYOU, "C:"},
        {"C:\\" SO "\\x.txt", "C:", "\\" SO "\\", "x.txt", "C:\\" SO},
        {"C:\\a" SO, "C:", "\\", "a" SO, "C:"},
        {"C:\\x\\y:z", "C:", "\\x\\", "y:z", "C:\\x"},
    };
    for (const Case& c : cases) {
        PathParts parts = pathSplit(c.path);
        EXPECT_EQ(parts.volume, c.volume) << c.path;
        EXPECT_EQ(parts.folder, c.folder) << c.path;
        EXPECT_EQ(parts.name, c.name) << c.path;
        EXPECT_EQ(pathParent(c.path), c.parent) << c.path;
    }
}

TEST(Paths, ATrailingSeparatorIsDroppedButNeverASecondByte)
{
    struct Case {
        const char* path;
        const char* dropped;
    } cases[] = {
        {"C:\\Notes\\", "C:\\Notes"}, {"C:\\Notes\\\\", "C:\\Notes"},  {"C:\\", "C:"}, {"\\", "\\"},
        {"C:\\" SO, "C:\\" SO},       {"C:\\" HYOU "\\", "C:\\" HYOU}, {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pathWithoutTrailingSeparator(c.path), c.dropped) << c.path;
}

TEST(Paths, JoinedToTheProgramsFolder)
{
    struct Case {
        const char* base;
        const char* path;
        const char* joined;
    } cases[] = {
        {"C:\\app", "D:\\x.txt", "D:\\x.txt"},
        {"C:\\app", "\\x.txt", "C:\\x.txt"},
        {"C:\\app", "x.txt", "C:\\app\\x.txt"},
        {"C:\\app", "", "C:\\app\\"},
        {"C:\\app\\", "x.txt", "C:\\app\\x.txt"},
        {"C:\\" SO, "x.txt", "C:\\" SO "\\x.txt"},
        {"\\\\server\\share\\app", "\\x.txt", "\\\\server\\x.txt"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pathJoin(c.base, c.path), c.joined) << c.base << " + " << c.path;
}

TEST(Paths, ANameThatReachesIntoAnotherFolder)
{
    struct Case {
        const char* name;
        bool leaves;
    } cases[] = {
        {"a.txt", false}, {HYOU SO, false}, {"..\\a.txt", true}, {"a/b", true}, {"C:a", true}, {"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pathNameLeavesFolder(c.name), c.leaves) << c.name;
}

} // namespace
