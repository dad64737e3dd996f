// imagelink on objects that the application's cross compiler and assembler really produce.
#include "common/endian.h"
#include "imagelink/image_linker.h"
#include "tests/image_reader.h"
#include "tests/test_files.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

using namespace testsupport;

constexpr const char* kApplicationFlags =
    " -std=c++20 -O2 -ffreestanding -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables -fno-jump-tables"
    " -fno-threadsafe-statics -fno-omit-frame-pointer -mno-stack-arg-probe -fexec-charset=CP932 -c ";
constexpr uint32_t kCodeBase = 0x00510000;
constexpr uint32_t kDataBase = 0x02200000;
constexpr uint32_t kBeep = 0x7700'0010;
constexpr uint32_t kMsgBox = 0x7700'0020;

class MingwObjects : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string compile = std::string(TOOLS_MINGW_CXX) + kApplicationFlags + TOOLS_FIXTURES "/probe.cpp -o " +
                                    dir.path("probe.o") + " 2>" + dir.path("cc.log");
        ASSERT_EQ(std::system(compile.c_str()), 0) << readText(dir.path("cc.log"));
        const std::string assemble = std::string(TOOLS_MINGW_AS) + " --32 " TOOLS_FIXTURES "/call_sites.s -o " +
                                     dir.path("call_sites.o") + " 2>" + dir.path("as.log");
        ASSERT_EQ(std::system(assemble.c_str()), 0) << readText(dir.path("as.log"));

        imagelink::ExportNames exports;
        exports.add("RuntimeBeep");
        exports.add("RuntimeMsgBox");
        const std::vector<imagelink::InputObject> objects{{"probe.o", readBytes(dir.path("probe.o"))},
                                                          {"call_sites.o", readBytes(dir.path("call_sites.o"))}};
        tools::Diagnostics diagnostics("imagelink");
        linked = imagelink::linkImage(objects, exports, {"ImageEntry", "ClassTable"}, diagnostics);
        ASSERT_TRUE(linked) << diagnostics.messages().front();
        file = *readImageFile(imagelink::serializeImage(*linked));
        loaded = loadImage(file, kCodeBase, kDataBase, [](const std::string& name) {
            return name == "RuntimeBeep" ? kBeep : name == "RuntimeMsgBox" ? kMsgBox : 0u;
        });
    }

    uint32_t offsetOf(const std::string& kind, const std::string& name) const
    {
        for (const imagelink::MapEntry& entry : linked->map) {
            if (entry.kind == kind && entry.name == name)
                return entry.offset;
        }
        ADD_FAILURE() << "no map entry " << kind << " " << name;
        return 0;
    }

    std::vector<uint32_t> sitesOf(const std::string& name) const
    {
        for (const ImportRecord& import : decodeLinkRecords(file.links).imports) {
            if (import.name == name)
                return walkChain(file.code, import.firstSite);
        }
        return {};
    }

    TempDir dir;
    std::optional<imagelink::LinkedImage> linked;
    ImageFile file;
    LoadedImage loaded;
};

TEST_F(MingwObjects, EveryRuntimeCallSiteIsChainedAndLinksToItsRoutine)
{
    const std::vector<uint32_t> beep = sitesOf("RuntimeBeep");
    const std::vector<uint32_t> box = sitesOf("RuntimeMsgBox");
    EXPECT_GE(beep.size(), 3u); // beepTwice, ProbeTail and the assembly routine
    ASSERT_FALSE(box.empty());
    bool tailCall = false;
    for (const auto& [sites, target] : {std::pair{beep, kBeep}, std::pair{box, kMsgBox}}) {
        for (uint32_t site : sites) {
            const uint8_t opcode = file.code.at(site - 1);
            const bool conditional = site >= 2 && file.code.at(site - 2) == 0x0F && (opcode & 0xF0) == 0x80;
            EXPECT_TRUE(opcode == 0xE8 || opcode == 0xE9 || conditional) << "site " << site;
            tailCall = tailCall || opcode == 0xE9;
            EXPECT_EQ(kCodeBase + site + 4 + wordAt(loaded.code, site), target) << "site " << site;
        }
    }
    EXPECT_TRUE(tailCall);
}

TEST_F(MingwObjects, AssemblyCallSiteKeepsItsMarkerAndDataPointsBackAtTheRoutine)
{
    const uint32_t routine = offsetOf("code", "_AsmRoutine");
    EXPECT_EQ(file.code.at(routine + 3), 0xE8);
    const std::vector<uint32_t> beep = sitesOf("RuntimeBeep");
    EXPECT_NE(std::find(beep.begin(), beep.end(), routine + 4), beep.end());
    EXPECT_EQ(std::vector<uint8_t>(file.code.begin() + routine + 8, file.code.begin() + routine + 13),
              (std::vector<uint8_t>{0xEB, 0x03, 0x90, 0xEB, 0x00}));
    EXPECT_EQ(wordAt(loaded.data, offsetOf("data", "_asm_word")), kCodeBase + routine);
    // movl $_asm_word, %eax: a fixup adds the data base.
    EXPECT_EQ(wordAt(loaded.code, routine + 14), kDataBase + offsetOf("data", "_asm_word"));
}

TEST_F(MingwObjects, GlobalsPointAtCodeAndShiftJisStrings)
{
    EXPECT_EQ(wordAt(loaded.data, offsetOf("data", "_g_handler")), kCodeBase + offsetOf("code", "_ProbeHandler"));
    const uint32_t title = wordAt(loaded.data, offsetOf("data", "_g_title")) - kDataBase;
    EXPECT_EQ(std::vector<uint8_t>(loaded.data.begin() + title, loaded.data.begin() + title + 5),
              (std::vector<uint8_t>{0x8E, 0xE8, 0x8C, 0x60, 0x00}));
    const uint32_t table = offsetOf("data", "_ClassTable");
    const uint32_t name = wordAt(loaded.data, table) - kDataBase;
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(loaded.data.data() + name)), "Probe");
    EXPECT_EQ(wordAt(loaded.data, table + 4), kCodeBase + offsetOf("code", "_ProbeHandler"));
    EXPECT_EQ(wordAt(loaded.data, 0), kCodeBase + offsetOf("code", "_ImageEntry"));
    EXPECT_EQ(wordAt(loaded.data, 4), kDataBase + table);
    const uint32_t counters = offsetOf("data", "_g_counters");
    EXPECT_GE(file.data.size(), counters + 256);
}

} // namespace
