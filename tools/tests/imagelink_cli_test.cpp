// The imagelink command line: files in, files out, nothing half-written.
#include "base/bytecursor.h"
#include "imagelink/imagelink_cli.h"
#include "imagepack/imagepack_cli.h"
#include "tests/link_fixture.h"
#include "tests/pe_builder.h"
#include "tests/test_files.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

using namespace testsupport;

struct ToolRun {
    int status;
    std::string errors;
};

ToolRun imagelinkRun(const std::vector<std::string>& arguments)
{
    std::ostringstream errors;
    const int status = imagelink::runImagelink(arguments, errors);
    return {status, errors.str()};
}

ToolRun imagepackRun(const std::vector<std::string>& arguments)
{
    std::ostringstream errors;
    const int status = imagepack::runImagepack(arguments, errors);
    return {status, errors.str()};
}

// A folder with exports.def, app.o (calls RuntimeBeep, defines the entry routine) and
// classes.o (the class table).
class ImagelinkCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeText(dir.path("exports.def"), "EXPORT(RuntimeBeep)\nEXPORT(RuntimeMsgBox)\n");
        CoffBuilder app;
        const int16_t text = app.addCode({0x55, 0x89, 0xE5, 0xE8, 0, 0, 0, 0, 0x5D, 0xC3});
        app.addSymbol("_ImageEntry", 0, text, kExternal, kFunctionType);
        app.addRelocation(text, 4, app.addUndefined("_RuntimeBeep"), kRel32);
        writeBytes(dir.path("app.o"), app.build());
        CoffBuilder classes;
        classes.addSymbol("_ClassTable", 0, classes.addData({0, 0, 0, 0}));
        writeBytes(dir.path("classes.o"), classes.build());
    }

    std::vector<std::string> arguments(const std::vector<std::string>& objects)
    {
        std::vector<std::string> line{
            "--exports", dir.path("exports.def"), "--entry", "ImageEntry",         "--class-table", "ClassTable",
            "-o",        dir.path("image.bin"),   "--map",   dir.path("image.map")};
        for (const std::string& object : objects)
            line.push_back(dir.path(object));
        return line;
    }

    TempDir dir;
};

TEST_F(ImagelinkCli, WritesTheImageAndTheMap)
{
    const ToolRun run = imagelinkRun(arguments({"app.o", "classes.o"}));
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.errors, "");
    const std::optional<ImageFile> image = readImageFile(readBytes(dir.path("image.bin")));
    ASSERT_TRUE(image);
    const LinkRecordList records = decodeLinkRecords(image->links);
    ASSERT_EQ(records.imports.size(), 1u);
    EXPECT_EQ(walkChain(image->code, records.imports[0].firstSite), std::vector<uint32_t>{4});
    EXPECT_EQ(readText(dir.path("image.map")), "code 00000000 _ImageEntry\n"
                                               "data 00000008 _ClassTable\n"
                                               "call 00000004 RuntimeBeep\n");
    EXPECT_EQ(listFolder(dir.root()),
              (std::vector<std::string>{"app.o", "classes.o", "exports.def", "image.bin", "image.map"}));
}

TEST_F(ImagelinkCli, ABadLinkWritesNothingAndLeavesTheOldImage)
{
    writeText(dir.path("image.bin"), "old image");
    writeText(dir.path("exports.def"), "EXPORT(RuntimeMsgBox)\n");
    const ToolRun run = imagelinkRun(arguments({"app.o", "classes.o"}));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.errors,
              "imagelink: " + dir.path("app.o") +
                  ": .text +0x4: undefined symbol _RuntimeBeep: RuntimeBeep is not in the runtime export table\n");
    EXPECT_EQ(readText(dir.path("image.bin")), "old image");
    EXPECT_EQ(listFolder(dir.root()), (std::vector<std::string>{"app.o", "classes.o", "exports.def", "image.bin"}));
}

TEST_F(ImagelinkCli, MissingInputsAreNamed)
{
    const ToolRun run = imagelinkRun(arguments({"app.o", "nothere.o"}));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.errors, "imagelink: " + dir.path("nothere.o") + ": cannot open: No such file or directory\n");
    EXPECT_FALSE(std::filesystem::exists(dir.path("image.bin")));
}

TEST_F(ImagelinkCli, ABadCommandLineShowsTheUsage)
{
    for (const std::vector<std::string>& line : std::vector<std::vector<std::string>>{
             {},
             {"--exports", "e.def", "--entry", "E", "--class-table", "C", "x.o"},
             {"--exports", "e.def", "--entry", "E", "--class-table", "C", "-o", "out.bin"},
             {"--exports", "e.def", "--entry", "E", "--class-table", "C", "-o", "out.bin", "--frobnicate", "x.o"},
             {"x.o", "--exports"}}) {
        const ToolRun run = imagelinkRun(line);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.errors.find("usage: imagelink --exports"), std::string::npos) << run.errors;
    }
}

TEST_F(ImagelinkCli, LinkedImagePacksIntoAHostThatPointsAtIt)
{
    ASSERT_EQ(imagelinkRun(arguments({"app.o", "classes.o"})).status, 0);
    PeLayout layout;
    writeBytes(dir.path("host.exe"), buildPe(bareHostOptions(), &layout));
    const ToolRun pack = imagepackRun(
        {"exe", "--host", dir.path("host.exe"), "--image", dir.path("image.bin"), "-o", dir.path("program.exe")});
    ASSERT_EQ(pack.status, 0) << pack.errors;
    const std::vector<uint8_t> program = readBytes(dir.path("program.exe"));
    const std::vector<uint8_t> image = readBytes(dir.path("image.bin"));
    const uint32_t pickle = layout.dataOffsets.back();
    const uint32_t imageOffset = loadU32LE(program.data() + pickle);
    EXPECT_EQ(imageOffset, layout.size);
    EXPECT_EQ(loadU32LE(program.data() + pickle + 4), 0u);
    EXPECT_EQ(std::vector<uint8_t>(program.begin() + imageOffset, program.end()), image);
}

} // namespace
