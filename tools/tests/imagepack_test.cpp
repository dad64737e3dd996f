// imagepack: the packed executable and loose files read back as the runtime reads them,
// and malformed hosts and images are refused with their exact messages.
#include "common/endian.h"
#include "imagepack/imagepack_cli.h"
#include "imagepack/packer.h"
#include "imagepack/pe_resources.h"
#include "tests/image_reader.h"
#include "tests/pe_builder.h"
#include "tests/test_files.h"

#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using namespace testsupport;
namespace fs = std::filesystem;

std::vector<uint8_t> bytesOf(const std::string& text)
{
    return std::vector<uint8_t>(text.begin(), text.end());
}

// Four blocks with recognisable contents.
std::vector<uint8_t> sampleImage()
{
    std::vector<uint8_t> image;
    for (const std::string& block : {std::string("CODE-BYTES"), std::string("\x02\x01\x00\x00\x00", 5),
                                     std::string("DATA-BLOCK-0123"), std::string("\x01\x40", 2)}) {
        tools::appendU32LE(image, static_cast<uint32_t>(block.size()));
        image.insert(image.end(), block.begin(), block.end());
    }
    return image;
}

struct ToolRun {
    int status;
    std::string errors;
};

ToolRun imagepackRun(const std::vector<std::string>& arguments)
{
    std::ostringstream errors;
    const int status = imagepack::runImagepack(arguments, errors);
    return {status, errors.str()};
}

// Reads item k (1-based) of the resource table at `table` in `file`, as the runtime does.
std::vector<uint8_t> itemData(const std::vector<uint8_t>& file, uint32_t table, uint32_t k, uint32_t length)
{
    const uint32_t count = loadU32BE(file.data() + table);
    EXPECT_LE(k, count);
    const uint32_t entry = loadU32BE(file.data() + table + 4 * k);
    const uint32_t start = table + 4 + 4 * count + entry;
    return std::vector<uint8_t>(file.begin() + start, file.begin() + start + length);
}

class ImagepackFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        host = buildPe(bareHostOptions(), &layout);
        writeBytes(dir.path("host.exe"), host);
        fs::permissions(dir.path("host.exe"), fs::perms(0755));
        writeBytes(dir.path("image.bin"), sampleImage());
        writeText(dir.path("cursor.bin"), "CURSOR-68-BYTES");
        writeText(dir.path("movie.mov"), "MOOV-ATOMS-AND-MDAT");
        writeText(dir.path("sound.snd"), "SND");
    }

    std::vector<std::string> withItems(std::vector<std::string> line)
    {
        for (const std::string item :
             {"--resource-blob", "movie.mov", "--resource-inline", "cursor.bin", "--resource-blob", "sound.snd"}) {
            line.push_back(item.starts_with("--") ? item : dir.path(item));
        }
        return line;
    }

    TempDir dir;
    PeLayout layout;
    std::vector<uint8_t> host;
};

TEST_F(ImagepackFiles, ExecutableCarriesImageBlobsAndTableWherePickleSays)
{
    const ToolRun run = imagepackRun(withItems(
        {"exe", "--host", dir.path("host.exe"), "--image", dir.path("image.bin"), "-o", dir.path("program.exe")}));
    ASSERT_EQ(run.status, 0) << run.errors;
    const std::vector<uint8_t> program = readBytes(dir.path("program.exe"));
    const uint32_t pickle = layout.dataOffsets.back();

    // The host is unchanged but for the 8 PICKLE bytes.
    std::vector<uint8_t> hostPart(program.begin(), program.begin() + host.size());
    std::memcpy(hostPart.data() + pickle, "PICK\0\0\0\0", 8);
    EXPECT_EQ(hostPart, host);

    const uint32_t imageOffset = loadU32LE(program.data() + pickle);
    const uint32_t tableOffset = loadU32LE(program.data() + pickle + 4);
    EXPECT_EQ(imageOffset, host.size());
    const std::optional<ImageFile> image =
        readImageFile(std::span<const uint8_t>(program).subspan(imageOffset, sampleImage().size()));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->data, bytesOf("DATA-BLOCK-0123"));

    EXPECT_EQ(loadU32BE(program.data() + tableOffset), 3u);
    const uint32_t movieAt = loadU32BE(itemData(program, tableOffset, 1, 4).data());
    EXPECT_EQ(std::vector<uint8_t>(program.begin() + movieAt, program.begin() + movieAt + 19),
              bytesOf("MOOV-ATOMS-AND-MDAT"));
    EXPECT_EQ(itemData(program, tableOffset, 2, 15), bytesOf("CURSOR-68-BYTES"));
    const uint32_t soundAt = loadU32BE(itemData(program, tableOffset, 3, 4).data());
    EXPECT_EQ(std::vector<uint8_t>(program.begin() + soundAt, program.begin() + soundAt + 3), bytesOf("SND"));
    // The table is the end of the file; the blobs lie between the image and the table.
    EXPECT_EQ(program.size(), tableOffset + 4 + 3 * 4 + 4 + 15 + 4);
    EXPECT_GE(movieAt, imageOffset + sampleImage().size());
    EXPECT_LT(soundAt, tableOffset);
    EXPECT_EQ(fs::status(dir.path("program.exe")).permissions() & fs::perms::owner_exec, fs::perms::owner_exec);
}

TEST_F(ImagepackFiles, WithoutResourceItemsThereIsNoTable)
{
    const ToolRun run = imagepackRun(
        {"exe", "--host", dir.path("host.exe"), "--image", dir.path("image.bin"), "-o", dir.path("program.exe")});
    ASSERT_EQ(run.status, 0) << run.errors;
    const std::vector<uint8_t> program = readBytes(dir.path("program.exe"));
    const uint32_t pickle = layout.dataOffsets.back();
    EXPECT_EQ(loadU32LE(program.data() + pickle + 4), 0u);
    EXPECT_EQ(program.size(), host.size() + sampleImage().size());
}

TEST_F(ImagepackFiles, AnAlreadyPackedProgramIsRefusedAndNothingIsWritten)
{
    const std::vector<std::string> line{
        "exe", "--host", dir.path("host.exe"), "--image", dir.path("image.bin"), "-o", dir.path("program.exe")};
    ASSERT_EQ(imagepackRun(line).status, 0);
    const ToolRun again = imagepackRun(
        {"exe", "--host", dir.path("program.exe"), "--image", dir.path("image.bin"), "-o", dir.path("twice.exe")});
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(again.errors,
              "imagepack: " + dir.path("program.exe") +
                  ": the PICKLE resource does not begin with \"PICK\": an image was already appended to this host\n");
    EXPECT_FALSE(fs::exists(dir.path("twice.exe")));
    EXPECT_EQ(listFolder(dir.root()), (std::vector<std::string>{"cursor.bin", "host.exe", "image.bin", "movie.mov",
                                                                "program.exe", "sound.snd"}));
}

TEST_F(ImagepackFiles, LooseFilesHoldEachBlockAndATableWithBlobsWithinIt)
{
    fs::create_directories(dir.path("run"));
    writeText(dir.path("run/data3.dat"), "stale");
    const ToolRun run = imagepackRun(withItems({"loose", "--image", dir.path("image.bin"), "--dir", dir.path("run")}));
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(readBytes(dir.path("run/code1.dat")), bytesOf("CODE-BYTES"));
    EXPECT_EQ(readBytes(dir.path("run/code2.dat")), bytesOf(std::string("\x02\x01\x00\x00\x00", 5)));
    EXPECT_EQ(readBytes(dir.path("run/data1.dat")), bytesOf("DATA-BLOCK-0123"));
    EXPECT_EQ(readBytes(dir.path("run/data2.dat")), bytesOf(std::string("\x01\x40", 2)));
    const std::vector<uint8_t> data3 = readBytes(dir.path("run/data3.dat"));
    const uint32_t movieAt = loadU32BE(itemData(data3, 0, 1, 4).data());
    EXPECT_EQ(std::vector<uint8_t>(data3.begin() + movieAt, data3.begin() + movieAt + 19),
              bytesOf("MOOV-ATOMS-AND-MDAT"));
    EXPECT_EQ(itemData(data3, 0, 2, 15), bytesOf("CURSOR-68-BYTES"));
    const uint32_t soundAt = loadU32BE(itemData(data3, 0, 3, 4).data());
    EXPECT_EQ(std::vector<uint8_t>(data3.begin() + soundAt, data3.end()), bytesOf("SND"));
}

TEST_F(ImagepackFiles, LooseFilesWithoutItemsRemoveAStaleTable)
{
    const ToolRun first =
        imagepackRun(withItems({"loose", "--image", dir.path("image.bin"), "--dir", dir.path("run")}));
    ASSERT_EQ(first.status, 0) << first.errors;
    const ToolRun second = imagepackRun({"loose", "--image", dir.path("image.bin"), "--dir", dir.path("run")});
    ASSERT_EQ(second.status, 0) << second.errors;
    EXPECT_EQ(listFolder(dir.path("run")),
              (std::vector<std::string>{"code1.dat", "code2.dat", "data1.dat", "data2.dat"}));
}

TEST_F(ImagepackFiles, ABadCommandLineShowsTheUsage)
{
    for (const std::vector<std::string>& line :
         std::vector<std::vector<std::string>>{{},
                                               {"pack"},
                                               {"exe", "--image", "i.bin", "-o", "p.exe"},
                                               {"exe", "--host", "h.exe", "--image", "i.bin", "--dir", "d"},
                                               {"loose", "--image", "i.bin"},
                                               {"loose", "--image", "i.bin", "--dir"}}) {
        const ToolRun run = imagepackRun(line);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.errors.find("usage: imagepack exe"), std::string::npos) << run.errors;
    }
}

TEST_F(ImagepackFiles, MissingInputsAreAllNamed)
{
    const ToolRun run = imagepackRun({"loose", "--image", dir.path("none.bin"), "--resource-inline",
                                      dir.path("none.cur"), "--dir", dir.path("run")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.errors, "imagepack: " + dir.path("none.bin") + ": cannot open: No such file or directory\n" +
                              "imagepack: " + dir.path("none.cur") + ": cannot open: No such file or directory\n");
    EXPECT_FALSE(fs::exists(dir.path("run")));
}

struct ImageCase {
    const char* what;
    std::function<void(std::vector<uint8_t>&)> damage;
    std::string expected;
};

TEST(ImagepackImage, ImagesThatAreNotExactlyFourBlocksAreRefused)
{
    const std::vector<ImageCase> cases{
        {"empty", [](auto& b) { b.clear(); }, "block 1 (code): length field at 0x0 is cut off"},
        {"length cut off", [](auto& b) { b.resize(2); }, "block 1 (code): length field at 0x0 is cut off"},
        {"code longer than the file", [](auto& b) { storeU32LE(b.data(), 0xFFFFFFFF); },
         "block 1 (code): 0xffffffff bytes at 0x4 run past the end of the file (0x30 bytes)"},
        {"last block cut short", [](auto& b) { b.pop_back(); },
         "block 4 (data relocations): 0x2 bytes at 0x2e run past the end of the file (0x2f bytes)"},
        {"three blocks only", [](auto& b) { b.resize(b.size() - 6); },
         "block 4 (data relocations): length field at 0x2a is cut off"},
        {"bytes left over",
         [](auto& b) {
             b.push_back(0);
             b.push_back(0);
         },
         "0x2 bytes left over after the four blocks"},
    };
    for (const ImageCase& test : cases) {
        SCOPED_TRACE(test.what);
        std::vector<uint8_t> image = sampleImage();
        test.damage(image);
        tools::Diagnostics diagnostics("imagepack");
        EXPECT_FALSE(imagepack::packLoose(imagepack::PackInput{"image.bin", image, {}}, diagnostics));
        EXPECT_EQ(diagnostics.messages(), std::vector<std::string>{"imagepack: image.bin: " + test.expected});
    }
}

struct HostCase {
    const char* what;
    std::function<void(std::vector<uint8_t>&, const PeLayout&)> damage;
    std::string expected;
};

void put32(std::vector<uint8_t>& b, uint32_t at, uint32_t v)
{
    storeU32LE(b.data() + at, v);
}
void put16(std::vector<uint8_t>& b, uint32_t at, uint16_t v)
{
    b.at(at) = static_cast<uint8_t>(v);
    b.at(at + 1) = static_cast<uint8_t>(v >> 8);
}

// Offsets inside the .rsrc section that bareHostOptions() produces: the root directory at 0,
// its entries at 16 (PICKLEX, PICKLE, icon type).
constexpr uint32_t kRootEntries = 16;

const std::vector<HostCase>& hostCases()
{
    static const std::vector<HostCase> cases{
        {"empty", [](auto& b, auto&) { b.clear(); }, "not a PE file (no MZ header)"},
        {"not MZ", [](auto& b, auto&) { b[0] = 'Z'; }, "not a PE file (no MZ header)"},
        {"DOS header only", [](auto& b, auto&) { b.resize(64); },
         "PE header offset 0x80 lies past the end of the file"},
        {"PE header offset past the end", [](auto& b, auto&) { put32(b, 0x3C, 0xFFFFFFF0); },
         "PE header offset 0xfffffff0 lies past the end of the file"},
        {"no PE signature", [](auto& b, const PeLayout& l) { b[l.peHeader + 1] = 'X'; }, "no PE signature at 0x80"},
        {"optional header cut off", [](auto& b, const PeLayout& l) { b.resize(l.optionalHeader + 100); },
         "optional header (0xe0 bytes at 0x98) does not fit the file"},
        {"unknown optional header", [](auto& b, const PeLayout& l) { put16(b, l.optionalHeader, 0x107); },
         "unknown optional header magic 0x107"},
        {"too few data directories", [](auto& b, const PeLayout& l) { put32(b, l.optionalHeader + 92, 2); },
         "the host has no resource directory"},
        {"optional header too small for the resource entry",
         [](auto& b, const PeLayout& l) { put16(b, l.peHeader + 20, 100); }, "the host has no resource directory"},
        {"no resource directory", [](auto& b, const PeLayout& l) { put32(b, l.resourceDirectoryEntry, 0); },
         "the host has no resource directory"},
        {"section table past the end", [](auto& b, const PeLayout& l) { put16(b, l.peHeader + 6, 0xFFFF); },
         "section table (65535 sections at 0x178) runs past the end of the file"},
        {"resources outside every section",
         [](auto& b, const PeLayout& l) { put32(b, l.resourceDirectoryEntry, 0x9000); },
         "root resource directory at RVA 0x9000 lies outside the file"},
        {"resource section raw data past the end", [](auto& b, const PeLayout& l) { b.resize(l.resourceSection + 8); },
         "root resource directory at RVA 0x2000 lies outside the file"},
        {"entry count past the section", [](auto& b, const PeLayout& l) { put16(b, l.resourceSection + 14, 0xFFFF); },
         "root resource directory at RVA 0x2000: its 65537 entries run outside the file"},
        {"type name outside the file",
         [](auto& b, const PeLayout& l) { put32(b, l.resourceSection + kRootEntries, 0x8FFFFFF0); },
         "resource name at RVA 0x10001ff0 lies outside the file"},
        {"PICKLE counted among the numbered types",
         [](auto& b, const PeLayout& l) { put16(b, l.resourceSection + 12, 1); }, "the host has no PICKLE resource"},
        {"PICKLE type that is not a directory",
         [](auto& b, const PeLayout& l) { b[l.resourceSection + kRootEntries + 8 + 7] &= 0x7F; },
         "the host has no PICKLE resource"},
        {"PICKLE without id 101", [](auto& b, const PeLayout& l) { put16(b, l.typeDirectories.back() + 14, 1); },
         "the host has no PICKLE resource with id 101"},
        {"PICKLE 101 without a language",
         [](auto& b, const PeLayout& l) { put16(b, l.languageDirectories.back() + 14, 0); },
         "PICKLE resource 101 has no language entry with data"},
        {"PICKLE of the wrong size", [](auto& b, const PeLayout& l) { put32(b, l.dataEntries.back() + 4, 12); },
         "PICKLE resource is 12 bytes, not 8"},
        {"PICKLE data outside the file", [](auto& b, const PeLayout& l) { put32(b, l.dataEntries.back(), 0x7FFFFFF0); },
         "PICKLE resource data at RVA 0x7ffffff0 lies outside the file"},
        {"already patched", [](auto& b, const PeLayout& l) { put32(b, l.dataOffsets.back(), 0x1000); },
         "the PICKLE resource does not begin with \"PICK\": an image was already appended to this host"},
    };
    return cases;
}

TEST(ImagepackHost, MalformedHostsAreRefusedWithTheirExactMessage)
{
    for (const HostCase& test : hostCases()) {
        SCOPED_TRACE(test.what);
        PeLayout layout;
        std::vector<uint8_t> host = buildPe(bareHostOptions(), &layout);
        test.damage(host, layout);
        tools::Diagnostics diagnostics("imagepack");
        const std::vector<uint8_t> image = sampleImage();
        EXPECT_FALSE(
            imagepack::packExecutable("host.exe", host, imagepack::PackInput{"image.bin", image, {}}, diagnostics));
        EXPECT_EQ(diagnostics.messages(), std::vector<std::string>{"imagepack: host.exe: " + test.expected});
    }
}

TEST(ImagepackHost, FindsPickleInPe32PlusAndWithLowerCaseTypeName)
{
    PeOptions options = bareHostOptions();
    options.pe32Plus = true;
    options.resources.back().typeName = u"Pickle";
    options.resources[2].typeName = u"Pickle";
    PeLayout layout;
    const std::vector<uint8_t> host = buildPe(options, &layout);
    uint32_t offset = 0;
    std::string error;
    ASSERT_TRUE(imagepack::findPickleResource(host, offset, error)) << error;
    EXPECT_EQ(offset, layout.dataOffsets.back());
}

TEST(ImagepackHost, DamagedHostsNeverCrashThePacker)
{
    PeLayout layout;
    const std::vector<uint8_t> whole = buildPe(bareHostOptions(), &layout);
    const auto tryHost = [](const std::vector<uint8_t>& host) {
        uint32_t offset = 0;
        std::string error;
        if (imagepack::findPickleResource(host, offset, error)) {
            EXPECT_LE(uint64_t{offset} + 8, host.size());
        } else {
            EXPECT_FALSE(error.empty());
        }
    };
    for (size_t size = 0; size < whole.size(); size += 3)
        tryHost(std::vector<uint8_t>(whole.begin(), whole.begin() + size));
    // Headers, section table and the resource tree up to the PICKLE data.
    const uint32_t end = layout.dataOffsets.back() + 8;
    for (uint32_t at = 0; at < end; ++at) {
        if (at >= 0x200 && at < layout.resourceSection)
            continue; // the code section is never read
        for (uint8_t value : {uint8_t{0x00}, uint8_t{0xFF}, uint8_t{0x80}, static_cast<uint8_t>(whole[at] ^ 0x10)}) {
            std::vector<uint8_t> host = whole;
            host[at] = value;
            tryHost(host);
        }
    }
}

} // namespace
