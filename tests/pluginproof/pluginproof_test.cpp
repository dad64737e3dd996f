// A program whose image carries a plug-in, started as a person would start it, with an
// impostor of the plug-in's file name in the program's folder and in the folder it runs in:
// its window opens with the plug-in's control, which only the embedded library registers.
#include "tests/support/files.h"
#include "tests/support/programsession.h"

#include <windows.h>

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace {

// A copy of the impostor that is removed when the test ends.
struct PlantedFile {
    std::string path;
    explicit PlantedFile(const std::string& folder) : path(folder + "\\kolactl1.dll")
    {
        std::ifstream in(std::string("tests\\plugins\\") + TEST_PLUGIN_PLANTED, std::ios::binary);
        std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
        std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    ~PlantedFile() { DeleteFileA(path.c_str()); }
};

TEST(PluginProgram, StartsWithItsEmbeddedPluginAndNeverAPlantedOne)
{
    std::string folder = freshFolder(fullPath("pluginproof-run"));
    PlantedFile inProgramFolder(fullPath("."));
    PlantedFile inRunFolder(folder);
    ProgramSession session("\"" + fullPath("plugin_proof.exe") + "\"", folder);
    HWND window = session.waitForWindow("Plug-in window");
    ASSERT_NE(window, nullptr) << "the window naming the plug-in's class did not open";
    PostMessageA(window, WM_CLOSE, 0, 0);
    DWORD exitCode = 1;
    EXPECT_TRUE(session.waitForExit(5000, exitCode));
}

} // namespace
