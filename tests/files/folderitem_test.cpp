// Folder items over real files and folders: paths resolved against the program's folder,
// children, names, existence, attributes, dates and what items do to the file system.
#include "files/filesexports.h"
#include "files/folderitem.h"
#include "runtime/numbers/date.h"
#include "runtime/objects/builtinclassset.h"
#include "runtime/strings/string.h"
#include "tests/files/scratchfolder.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <string>

namespace {

#define HYOU "\x95\x5c"
#define SO "\x83\x5c"

std::string programFolder()
{
    char path[MAX_PATH];
    std::string program(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return program.substr(0, program.rfind('\\'));
}

std::string pathOf(ObjectHeader* item)
{
    return textOf(fileAbsolutePathGetter(item, 0));
}

ObjectHeader* folderItemNamed(const std::string& path)
{
    StringRef text(stringFromView(path));
    return RuntimeGetFolderItem(text.get());
}

// A drive letter that no drive has.
std::string missingDrive()
{
    DWORD drives = GetLogicalDrives();
    for (int bit = 25; bit >= 2; --bit) {
        if (!(drives >> bit & 1))
            return std::string(1, static_cast<char>('A' + bit)) + ":";
    }
    return {};
}

TEST(FolderItems, TheAbsolutePathIsThePathWithoutATrailingSeparator)
{
    builtinClassesEnsure();
    struct Case {
        const char* path;
        std::string reported;
    } cases[] = {
        {"C:\\Notes\\settings.txt", "C:\\Notes\\settings.txt"},
        {"C:\\Notes\\", "C:\\Notes"},
        {"C:\\", "C:"},
        {"first document", "first document"},
        {"\\\\server\\share\\", "\\\\server\\share"},
        {"C:\\" SO, "C:\\" SO},
    };
    for (const Case& c : cases) {
        ObjectRef item(itemFor(c.path));
        EXPECT_EQ(pathOf(item.get()), c.reported) << c.path;
    }
    EXPECT_EQ(fileAbsolutePathGetter(nullptr, 0), nullptr);
}

TEST(FolderItems, AnItemWithoutAPathStandsForTheProgramsFolder)
{
    builtinClassesEnsure();
    ObjectRef item(objectInstantiate(builtinClass(BuiltinClassId::FolderItem)));
    EXPECT_EQ(pathOf(item.get()), programFolder());
    EXPECT_EQ(textOf(RuntimeLockString(folderItemPath(item.get()))), programFolder()) << "worked out once and kept";
}

TEST(FolderItems, APathIsAnItemWhenItsFolderExists)
{
    ScratchFolder scratch;
    scratch.make("sub\\");
    std::string longName(2000, 'x');
    struct Case {
        std::string path;
        std::string resolved; // empty: Nil
    } cases[] = {
        {"", programFolder()},
        {"settings.txt", programFolder() + "\\settings.txt"},
        {"nosuchdir\\x.txt", ""},
        {scratch.pathOf("new.txt"), scratch.pathOf("new.txt")},
        {scratch.pathOf("sub\\new.txt"), scratch.pathOf("sub\\new.txt")},
        {scratch.pathOf("sub"), scratch.pathOf("sub")},
        {scratch.pathOf("missing\\new.txt"), ""},
        {missingDrive() + "\\x.txt", ""},
        {scratch.pathOf(longName), scratch.pathOf(longName)},
        {scratch.pathOf(longName + "\\x.txt"), ""},
        {"\\" + programFolder().substr(3) + "\\x.txt", programFolder() + "\\x.txt"},
    };
    for (const Case& c : cases) {
        ObjectRef item(folderItemNamed(c.path));
        if (c.resolved.empty())
            EXPECT_EQ(item.get(), nullptr) << c.path.substr(0, 80);
        else
            EXPECT_EQ(pathOf(item.get()), c.resolved) << c.path.substr(0, 80);
    }
}

TEST(FolderItems, ChildrenAndNames)
{
    builtinClassesEnsure();
    struct Case {
        const char* folder;
        const char* child;
        const char* path;
        const char* name;
    } cases[] = {
        {"C:\\Notes", "a.txt", "C:\\Notes\\a.txt", "a.txt"},
        {"C:\\Notes\\", "a.txt", "C:\\Notes\\a.txt", "a.txt"},
        {"C:\\" SO, "a.txt", "C:\\" SO "\\a.txt", "a.txt"},
        {"C:\\Notes", HYOU, "C:\\Notes\\" HYOU, HYOU},
        {"C:\\Notes", "", "C:\\Notes", "Notes"},
        {"C:", "a.txt", "C:\\a.txt", "a.txt"},
    };
    for (const Case& c : cases) {
        ObjectRef folder(itemFor(c.folder));
        StringRef name(stringFromText(c.child));
        ObjectRef child(FolderChild(folder.get(), name.get()));
        ObjectRef trueChild(FolderTrueChild(folder.get(), name.get()));
        EXPECT_EQ(pathOf(child.get()), c.path) << c.folder << " + " << c.child;
        EXPECT_EQ(pathOf(trueChild.get()), c.path) << c.folder << " + " << c.child;
        EXPECT_EQ(textOf(fileNameGetter(child.get(), 0)), c.name) << c.folder << " + " << c.child;
    }
    ObjectRef ofNil(FolderChild(nullptr, nullptr));
    EXPECT_NE(ofNil.get(), nullptr) << "a child is never Nil";
}

TEST(FolderItems, WhatAPathNamesOnDisk)
{
    ScratchFolder scratch;
    scratch.make("five.txt", "12345");
    scratch.make("sub\\");
    scratch.make(HYOU SO ".txt", "abc");
    struct Case {
        std::string path;
        bool exists;
        bool directory;
        int32_t size;
    } cases[] = {
        {scratch.pathOf("five.txt"), true, false, 5},
        {scratch.pathOf("sub"), true, true, 0},
        {scratch.pathOf("sub\\"), true, true, 0},
        {scratch.pathOf(HYOU SO ".txt"), true, false, 3},
        {scratch.pathOf("none.txt"), false, false, 0},
        {scratch.pathOf("*.txt"), false, false, 0},
        {scratch.pathOf("none\\five.txt"), false, false, 0},
        {"C:", true, true, 0},
        {missingDrive(), false, false, 0},
        {missingDrive() + "\\x", false, false, 0},
        {scratch.pathOf(std::string(3000, 'y')), false, false, 0},
    };
    for (const Case& c : cases) {
        ObjectRef item(itemFor(c.path));
        EXPECT_EQ(fileExistsGetter(item.get(), 0), c.exists) << c.path.substr(0, 80);
        EXPECT_EQ(fileDirectoryGetter(item.get(), 0), c.directory) << c.path.substr(0, 80);
        EXPECT_EQ(fileSizeGetter(item.get(), 0), c.size) << c.path.substr(0, 80);
    }
    EXPECT_EQ(fileExistsGetter(nullptr, 0), 0);
    EXPECT_EQ(fileSizeGetter(nullptr, 0), 0);
}

TEST(FolderItems, VisibleAndLockedAreTheHiddenAndReadOnlyAttributes)
{
    ScratchFolder scratch;
    ObjectRef file(itemFor(scratch.make("a.txt", "a")));
    ObjectRef missing(itemFor(scratch.pathOf("none.txt")));
    struct Attribute {
        const char* name;
        int32_t (*getter)(ObjectHeader*, int32_t);
        void (*setter)(ObjectHeader*, int32_t, int32_t);
        DWORD attribute;
        bool setMeansAttribute;
    } attributes[] = {
        {"Visible", fileVisibleGetter, fileVisibleSetter, FILE_ATTRIBUTE_HIDDEN, false},
        {"Locked", fileLockedGetter, fileLockedSetter, FILE_ATTRIBUTE_READONLY, true},
    };
    for (const Attribute& a : attributes) {
        EXPECT_EQ(a.getter(file.get(), 0), !a.setMeansAttribute) << a.name;
        a.setter(file.get(), 0, a.setMeansAttribute);
        EXPECT_TRUE(GetFileAttributesA(scratch.pathOf("a.txt").c_str()) & a.attribute) << a.name;
        EXPECT_EQ(a.getter(file.get(), 0), a.setMeansAttribute) << a.name;
        a.setter(file.get(), 0, !a.setMeansAttribute);
        EXPECT_FALSE(GetFileAttributesA(scratch.pathOf("a.txt").c_str()) & a.attribute) << a.name;

        EXPECT_EQ(a.getter(missing.get(), 0), !a.setMeansAttribute) << a.name << " of a missing file";
        a.setter(missing.get(), 0, a.setMeansAttribute);
        EXPECT_FALSE(pathExists(scratch.pathOf("none.txt"))) << a.name << " made a missing file";
        a.setter(nullptr, 0, 1);
    }
}

TEST(FolderItems, DatesAreTheFileTimesInLocalTime)
{
    ScratchFolder scratch;
    ObjectRef file(itemFor(scratch.make("a.txt", "a")));
    SYSTEMTIME now;
    GetLocalTime(&now);
    for (auto getter : {fileCreationDateGetter, fileModificationDateGetter}) {
        ObjectRef date(getter(file.get(), 0));
        ASSERT_NE(date.get(), nullptr);
        EXPECT_EQ(dateFieldGetter(date.get(), dateYear), now.wYear);
        EXPECT_EQ(dateFieldGetter(date.get(), dateDay), now.wDay);
        EXPECT_EQ(dateFieldGetter(date.get(), dateHour), now.wHour);
    }
    ObjectRef missing(itemFor(scratch.pathOf("none.txt")));
    EXPECT_EQ(fileCreationDateGetter(missing.get(), 0), nullptr);
    EXPECT_EQ(fileModificationDateGetter(missing.get(), 0), nullptr);
}

TEST(FolderItems, AttributesKeptForOtherSystemsAnswerConstants)
{
    ScratchFolder scratch;
    ObjectRef file(itemFor(scratch.make("a.txt", "abc")));
    StringRef text(stringFromText("TEXT"));
    fileMacTypeSetter(file.get(), 0, text.get());
    fileMacCreatorSetter(file.get(), 0, text.get());
    EXPECT_EQ(fileResourceForkLengthGetter(file.get(), 0), 0);
    EXPECT_EQ(fileAliasGetter(file.get(), 0), 0);
    EXPECT_EQ(fileMacTypeGetter(file.get(), 0), nullptr);
    EXPECT_EQ(fileMacCreatorGetter(file.get(), 0), nullptr);
    EXPECT_EQ(fileBytes(scratch.pathOf("a.txt")), "abc");
}

TEST(FolderItems, RenamingStaysInTheFolder)
{
    ScratchFolder scratch;
    scratch.make("taken.txt", "taken");
    struct Case {
        const char* newName;
        bool renamed;
    } cases[] = {
        {"b.txt", true}, {HYOU SO ".txt", true}, {"..\\out.txt", false}, {"taken.txt", false},
        {"", false},     {"c:d.txt", false},
    };
    for (const Case& c : cases) {
        std::string original = scratch.make("a.txt", "a");
        ObjectRef item(itemFor(original));
        StringRef name(stringFromText(c.newName));
        fileNameSetter(item.get(), 0, name.get());
        std::string expected = c.renamed ? scratch.pathOf(c.newName) : original;
        EXPECT_EQ(pathOf(item.get()), expected) << c.newName;
        EXPECT_EQ(fileBytes(expected), "a") << c.newName;
        EXPECT_EQ(pathExists(original), !c.renamed) << c.newName;
        if (c.renamed)
            DeleteFileA(expected.c_str());
    }
    EXPECT_EQ(fileBytes(scratch.pathOf("taken.txt")), "taken");
    EXPECT_FALSE(pathExists(scratch.pathOf("..\\out.txt")));
}

TEST(FolderItems, DeleteAndCreateFolder)
{
    ScratchFolder scratch;
    scratch.make("full\\");
    scratch.make("full\\inner.txt", "x");
    struct Case {
        const char* step;
        const char* name;
        int32_t (*operation)(ObjectHeader*);
        bool done;
        bool existsAfter;
    } cases[] = {
        {"delete a file", "a.txt", FolderItemDelete, true, false},
        {"delete an empty folder", "empty", FolderItemDelete, true, false},
        {"delete a folder with files", "full", FolderItemDelete, false, true},
        {"delete what is not there", "none", FolderItemDelete, false, false},
        {"make a folder", "new", FolderItemCreateAsFolder, true, true},
        {"make it again", "new", FolderItemCreateAsFolder, false, true},
        {"make one in a missing folder", "none\\new", FolderItemCreateAsFolder, false, false},
        {"make one with a double-byte name", SO HYOU, FolderItemCreateAsFolder, true, true},
    };
    scratch.make("a.txt", "a");
    scratch.make("empty\\");
    for (const Case& c : cases) {
        ObjectRef item(itemFor(scratch.pathOf(c.name)));
        EXPECT_EQ(c.operation(item.get()), c.done) << c.step;
        EXPECT_EQ(pathExists(scratch.pathOf(c.name)), c.existsAfter) << c.step;
    }
    EXPECT_TRUE(GetFileAttributesA(scratch.pathOf(SO HYOU).c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(FolderItemDelete(nullptr), 0);
    EXPECT_EQ(FolderItemCreateAsFolder(nullptr), 0);
}

TEST(FolderItems, CopyAndMoveNeverReplaceAFile)
{
    ScratchFolder scratch;
    scratch.make("into\\");
    struct Case {
        const char* step;
        int32_t (*operation)(ObjectHeader*, ObjectHeader*);
        const char* source;
        const char* destination;
        bool done;
        const char* landed; // where the bytes are afterwards
        bool sourceKept;
    } cases[] = {
        {"copy to a new name", FolderItemCopyFileTo, "a.txt", "b.txt", true, "b.txt", true},
        {"copy into a folder", FolderItemCopyFileTo, "a.txt", "into", true, "into\\a.txt", true},
        {"copy onto a file", FolderItemCopyFileTo, "a.txt", "taken.txt", false, "a.txt", true},
        {"copy what is not there", FolderItemCopyFileTo, "none.txt", "c.txt", false, "a.txt", false},
        {"copy into a missing folder", FolderItemCopyFileTo, "a.txt", "none\\c.txt", false, "a.txt", true},
        {"move to a new name", FolderItemMoveFileTo, "a.txt", SO ".txt", true, SO ".txt", false},
        {"move onto a file", FolderItemMoveFileTo, "a.txt", "taken.txt", false, "a.txt", true},
    };
    for (const Case& c : cases) {
        scratch.make("a.txt", "a");
        scratch.make("taken.txt", "taken");
        ObjectRef source(itemFor(scratch.pathOf(c.source)));
        ObjectRef destination(itemFor(scratch.pathOf(c.destination)));
        EXPECT_EQ(c.operation(source.get(), destination.get()), c.done) << c.step;
        if (std::string(c.source) == "a.txt") {
            EXPECT_EQ(fileBytes(scratch.pathOf(c.landed)), "a") << c.step;
            EXPECT_EQ(pathExists(scratch.pathOf(c.source)), c.sourceKept) << c.step;
        }
        EXPECT_EQ(fileBytes(scratch.pathOf("taken.txt")), "taken") << c.step;
        EXPECT_FALSE(pathExists(scratch.pathOf("c.txt"))) << c.step;
        EXPECT_FALSE(pathExists(scratch.pathOf("none"))) << c.step;
    }
    ObjectRef moved(itemFor(scratch.pathOf("b.txt")));
    ObjectRef into(itemFor(scratch.pathOf("into\\")));
    ASSERT_TRUE(FolderItemMoveFileTo(moved.get(), into.get()));
    EXPECT_EQ(pathOf(moved.get()), scratch.pathOf("into\\b.txt")) << "a moved item names the file where it went";
    EXPECT_EQ(FolderItemCopyFileTo(nullptr, into.get()), 0);
    EXPECT_EQ(FolderItemMoveFileTo(moved.get(), nullptr), 0);
}

TEST(FolderItems, AReplacementTakesThePlaceOfTheFileAndKeepsThePreviousOne)
{
    const struct Case {
        const char* step;
        bool targetThere, replacementThere, backupWanted, targetReadOnly;
        int32_t done;
        const char* targetAfter; // "" when there is no file
        const char* backupAfter;
    } cases[] = {
        {"replace, keeping the old file", true, true, true, false, 1, "new", "old"},
        {"replace, keeping nothing", true, true, false, false, 1, "new", ""},
        {"a first file: an older backup stays", false, true, true, false, 1, "new", "older"},
        {"no replacement", true, false, true, false, 0, "old", "older"},
        {"a read-only file stays", true, true, true, true, 0, "old", "older"},
    };
    for (const Case& c : cases) {
        ScratchFolder scratch;
        if (c.targetThere)
            scratch.make("settings", "old");
        if (c.replacementThere)
            scratch.make("settings.new", "new");
        scratch.make("settings.bak", "older");
        if (!c.backupWanted)
            DeleteFileA(scratch.pathOf("settings.bak").c_str());
        if (c.targetReadOnly)
            SetFileAttributesA(scratch.pathOf("settings").c_str(), FILE_ATTRIBUTE_READONLY);
        ObjectRef target(itemFor(scratch.pathOf("settings")));
        ObjectRef replacement(itemFor(scratch.pathOf("settings.new")));
        ObjectRef backup(c.backupWanted ? itemFor(scratch.pathOf("settings.bak")) : nullptr);
        EXPECT_EQ(FolderItemReplaceWith(target.get(), replacement.get(), backup.get()), c.done) << c.step;
        EXPECT_EQ(fileBytes(scratch.pathOf("settings")), c.targetAfter) << c.step;
        EXPECT_EQ(fileBytes(scratch.pathOf("settings.bak")), c.backupAfter) << c.step;
        EXPECT_EQ(pathExists(scratch.pathOf("settings.new")), !c.done && c.replacementThere) << c.step;
    }
}

} // namespace
