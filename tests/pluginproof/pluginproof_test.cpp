// A program whose image carries a plug-in, started as a person would start it, with an
// impostor of the plug-in's file name in the program's folder and in the folder it runs in:
// its window opens with the plug-in's control, which only the embedded library registers.
#include "tests/support/programdriver.h"
#include "tests/support/programsession.h"

#include <windows.h>

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<char> bytesOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeBytes(const std::string& path, const std::vector<char>& bytes)
{
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A copy of the impostor that is removed when the test ends; a file it took the place of (the
// control library built beside the program, which other tests load) is put back.
struct PlantedFile {
    std::string path;
    std::vector<char> replaced;
    explicit PlantedFile(const std::string& folder) : path(folder + "\\kolactl1.dll"), replaced(bytesOf(path))
    {
        writeBytes(path, bytesOf(std::string("tests\\plugins\\") + TEST_PLUGIN_PLANTED));
    }
    ~PlantedFile()
    {
        if (replaced.empty())
            DeleteFileA(path.c_str());
        else
            writeBytes(path, replaced);
    }
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
