// A folder item launched with the program the system opens its kind of file with. That program
// shows a window of its own (a script's console), so this runs as a test that takes its turn
// on the desktop: a window that comes to the front takes it from the program another test is
// clicking.
#include "files/filesexports.h"
#include "runtime/objects/object.h"
#include "tests/files/scratchfolder.h"
#include "tests/support/waits.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <string>

namespace {

// Whether the file can be opened with no sharing: nobody else holds it open.
bool openedAlone(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

TEST(FolderItems, LaunchingOpensTheFileWithItsProgram)
{
    ScratchFolder scratch;
    std::string marker = scratch.pathOf("launched.txt");
    ObjectRef script(itemFor(scratch.make("run.bat", "@echo launched> \"" + marker + "\"\r\n")));
    ASSERT_TRUE(FolderItemLaunch(script.get()));
    // The script has written its file once nobody else holds it open.
    EXPECT_TRUE(waitUntil([&] { return pathExists(marker) && openedAlone(marker); }, 20000));

    ObjectRef missing(itemFor(scratch.pathOf("none.bat")));
    EXPECT_EQ(FolderItemLaunch(missing.get()), 0);
    EXPECT_EQ(FolderItemLaunch(nullptr), 0);
}

} // namespace
