// Folder listings: entries counted and fetched by number, the listing shared by all items and
// kept between the count and the items, and listed again after a lookup past its end.
#include "files/filesexports.h"
#include "runtime/strings/string.h"
#include "tests/files/scratchfolder.h"

#include <windows.h>

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

#define SO "\x83\x5c"

std::vector<std::string> namesOfItems(ObjectHeader* folder, int32_t first, int32_t last)
{
    std::vector<std::string> names;
    for (int32_t i = first; i <= last; ++i) {
        ObjectRef item(FolderItemItem(folder, i));
        names.push_back(item.get() ? textOf(fileNameGetter(item.get(), 0)) : "(nil)");
    }
    return names;
}

std::vector<std::string> sorted(std::vector<std::string> names)
{
    std::sort(names.begin(), names.end());
    return names;
}

TEST(FolderListing, EntriesAreCountedAndFetchedByNumber)
{
    ScratchFolder scratch;
    scratch.make("a.txt", "a");
    scratch.make("b.txt");
    scratch.make("sub\\");
    scratch.make(SO ".txt");
    ObjectRef folder(itemFor(scratch.path()));
    ASSERT_EQ(fileCountGetter(folder.get(), 0), 4) << "\".\" and \"..\" are not entries";
    EXPECT_EQ(sorted(namesOfItems(folder.get(), 1, 4)), (std::vector<std::string>{"a.txt", "b.txt", "sub", SO ".txt"}));
    ObjectRef first(FolderItemItem(folder.get(), 1));
    EXPECT_EQ(textOf(fileAbsolutePathGetter(first.get(), 0)), scratch.pathOf(textOf(fileNameGetter(first.get(), 0))));
    ObjectRef trueFirst(FolderItemTrueItem(folder.get(), 1));
    EXPECT_EQ(textOf(fileAbsolutePathGetter(trueFirst.get(), 0)), textOf(fileAbsolutePathGetter(first.get(), 0)));
    for (int32_t outside : {0, -1, 5, INT32_MAX, INT32_MIN}) {
        ObjectRef none(FolderItemItem(folder.get(), outside));
        EXPECT_EQ(none.get(), nullptr) << outside;
    }
}

TEST(FolderListing, EmptyAndMissingFoldersHaveNoEntries)
{
    ScratchFolder scratch;
    for (const std::string& path : {scratch.make("empty\\"), scratch.pathOf("none"), scratch.make("a.txt", "a")}) {
        ObjectRef folder(itemFor(path));
        EXPECT_EQ(fileCountGetter(folder.get(), 0), 0) << path;
        ObjectRef none(FolderItemItem(folder.get(), 1));
        EXPECT_EQ(none.get(), nullptr) << path;
    }
    ObjectRef withoutPath(itemFor(""));
    for (ObjectHeader* noFolder : {static_cast<ObjectHeader*>(nullptr), withoutPath.get()}) {
        EXPECT_EQ(fileCountGetter(noFolder, 0), 0);
        EXPECT_EQ(FolderItemItem(noFolder, 1), nullptr);
    }
}

// The count lists the folder; the items that follow come from that listing, so a file made
// in between is not among them until a lookup past the end has the folder listed again.
TEST(FolderListing, AFolderChangedBetweenLookups)
{
    ScratchFolder scratch;
    scratch.make("a.txt");
    scratch.make("b.txt");
    ObjectRef folder(itemFor(scratch.path()));
    ASSERT_EQ(fileCountGetter(folder.get(), 0), 2);
    scratch.make("c.txt");
    DeleteFileA(scratch.pathOf("a.txt").c_str());
    EXPECT_EQ(sorted(namesOfItems(folder.get(), 1, 2)), (std::vector<std::string>{"a.txt", "b.txt"}));
    EXPECT_EQ(namesOfItems(folder.get(), 3, 3), (std::vector<std::string>{"(nil)"}));
    EXPECT_EQ(sorted(namesOfItems(folder.get(), 1, 2)), (std::vector<std::string>{"b.txt", "c.txt"}));
    EXPECT_EQ(fileCountGetter(folder.get(), 0), 2);
}

TEST(FolderListing, ItemsOfTwoFoldersTakenInTurn)
{
    ScratchFolder scratch;
    scratch.make("one\\");
    scratch.make("one\\1.txt");
    scratch.make("two\\");
    scratch.make("two\\2.txt");
    ObjectRef one(itemFor(scratch.pathOf("one")));
    ObjectRef two(itemFor(scratch.pathOf("two\\")));
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(namesOfItems(one.get(), 1, 1), (std::vector<std::string>{"1.txt"}));
        EXPECT_EQ(namesOfItems(two.get(), 1, 1), (std::vector<std::string>{"2.txt"}));
    }
    ObjectRef item(FolderItemItem(two.get(), 1));
    EXPECT_EQ(textOf(fileAbsolutePathGetter(item.get(), 0)), scratch.pathOf("two\\2.txt"));
}

} // namespace
