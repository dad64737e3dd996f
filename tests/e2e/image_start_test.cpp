// Starting images end to end: the program and the bare host run the first image, and damaged
// images stop the start with a message that names the fault, never a crash or a hang.
#include "tests/support/codepages.h"
#include "tests/support/files.h"
#include "tests/support/programrun.h"

#include <windows.h>

#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// What the first image writes, in order (UTF-8 here; the file holds code page 932).
const char* const expectedTrace = "image: entry routine running\r\n"
                                  "image: 手形・小切手\r\n"
                                  "routines: first\r\n"
                                  "routines: second\r\n"
                                  "routines: third\r\n"
                                  "strings: alpha\r\n"
                                  "strings: beta\r\n"
                                  "strings: 約束手形\r\n"
                                  "tail call: reached\r\n"
                                  "joined: left+right\r\n"
                                  "image: entry routine returns\r\n";

struct LooseImage {
    std::string code, links, data, relocations;
};

LooseImage builtImage()
{
    LooseImage image;
    EXPECT_TRUE(readWholeFile("trace-loose\\code1.dat", image.code));
    EXPECT_TRUE(readWholeFile("trace-loose\\code2.dat", image.links));
    EXPECT_TRUE(readWholeFile("trace-loose\\data1.dat", image.data));
    EXPECT_TRUE(readWholeFile("trace-loose\\data2.dat", image.relocations));
    return image;
}

void writeLoose(const std::string& folder, const LooseImage& image)
{
    writeWholeFile(folder + "\\code1.dat", image.code);
    writeWholeFile(folder + "\\code2.dat", image.links);
    writeWholeFile(folder + "\\data1.dat", image.data);
    writeWholeFile(folder + "\\data2.dat", image.relocations);
}

std::string traceIn(const std::string& folder)
{
    std::string trace;
    readWholeFile(folder + "\\trace.log", trace);
    return utf8FromAnsi(trace);
}

std::string le32(uint32_t value)
{
    return std::string{char(value), char(value >> 8), char(value >> 16), char(value >> 24)};
}

uint32_t readLe32(const std::string& bytes, size_t at)
{
    uint32_t value;
    memcpy(&value, bytes.data() + at, 4);
    return value;
}

std::string importRecord(const std::string& name, uint32_t firstSite)
{
    return std::string(1, '\1') + le32(firstSite) + char(name.size()) + name;
}

// Offset of the import record of `name` in the link records, or npos.
size_t findImport(const std::string& links, const std::string& name)
{
    for (size_t at = 0; at < links.size();) {
        if (links[at] == 2) {
            at += 5;
        } else if (links[at] == 1) {
            size_t length = uint8_t(links[at + 5]);
            if (links.compare(at + 6, length, name) == 0)
                return at;
            at += 6 + length;
        } else {
            ++at;
        }
    }
    return std::string::npos;
}

std::string relocationWords(std::initializer_list<uint16_t> words)
{
    std::string bytes;
    for (uint16_t w : words)
        bytes += std::string{char(w), char(w >> 8)};
    return bytes;
}

TEST(ImageStart, TheProgramRunsItsAppendedImage)
{
    std::string folder = freshFolder(fullPath("e2e-program"));
    ProgramRun run = runProgram("\"" + fullPath("trace.exe") + "\"", {.folder = folder});
    ASSERT_TRUE(run.started);
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_TRUE(run.boxes.empty());
    EXPECT_EQ(traceIn(folder), expectedTrace);
}

TEST(ImageStart, TheBareHostRunsLooseImageFilesFromTheCurrentFolder)
{
    std::string folder = freshFolder(fullPath("e2e-loose"));
    writeLoose(folder, builtImage());
    ProgramRun run = runProgram("\"" + fullPath("tegata-host.exe") + "\"", {.folder = folder});
    ASSERT_TRUE(run.started);
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_TRUE(run.boxes.empty());
    EXPECT_EQ(traceIn(folder), expectedTrace);
}

struct BadImage {
    const char* name;
    std::function<void(LooseImage&)> damage;
    const char* message; // a part of the box's text; nullptr: the image starts normally
};

const std::string damaged = "The application could not be loaded because its image is damaged: ";

std::vector<BadImage> looseCases()
{
    return {
        {"fixup past the code block",
         [](LooseImage& i) { i.links = std::string(1, '\2') + le32(uint32_t(i.code.size())) + i.links; },
         "link record at 0x0: fixup at 0x"},
        {"call site past the code block", [](LooseImage& i) { i.links += importRecord("lineTrace", 0x00FFFFFF); },
         "call site of lineTrace at 0xFFFFFF leaves the code block"},
        {"call-site chain that loops",
         [](LooseImage& i) {
             size_t at = findImport(i.links, "lineTrace");
             uint32_t first = readLe32(i.links, at + 1), site = first;
             while (readLe32(i.code, site) != 0)
                 site = readLe32(i.code, site);
             i.code.replace(site, 4, le32(first));
         },
         "call-site chain of lineTrace loops or overlaps"},
        {"import cut short",
         [](LooseImage& i) {
             i.links += std::string("\1\0\0\0\0\x14"
                                    "ab",
                                    8);
         },
         "the import is cut short"},
        {"unknown routine",
         [](LooseImage& i) { i.links.replace(findImport(i.links, "lineTrace") + 6, 9, "lineTrack"); },
         "calls the routine lineTrack, which this runtime does not provide"},
        {"missing shared library", [](LooseImage& i) { i.links += importRecord("!Xnosuchlibrary.dll!Open", 0); },
         "The application could not be loaded because a necessary shared library nosuchlibrary.dll could not be "
         "found."},
        {"routine missing from a shared library",
         [](LooseImage& i) { i.links += importRecord("!Xkernel32.dll!NoSuchExport", 0); },
         "The application could not be loaded because the routine NoSuchExport could not be found in the shared "
         "library kernel32.dll."},
        {"junk kind bytes before the records", [](LooseImage& i) { i.links = std::string("\0\7\xFF", 3) + i.links; },
         nullptr},
        {"relocation run past the data block",
         [](LooseImage& i) {
             i.relocations += relocationWords({0x8FFF, 0x8FFF, 0x8FFF, 0x8FFF, 0x8FFF, 0x8FFF, 0x8FFF, 0x8FFF, 0x41FF});
         },
         "a run of 512 words leaves the data block"},
        {"junk relocation words",
         [](LooseImage& i) {
             i.relocations = relocationWords({0x0000, 0x6000}) + i.relocations;
         },
         nullptr},
        {"entry routine outside the code block", [](LooseImage& i) { i.data.replace(0, 4, le32(0x7FFFFFF0)); },
         "the entry routine 0x"},
        {"data block too short for its header",
         [](LooseImage& i) {
             i.data = "abcd";
             i.relocations.clear();
         },
         "the data block (4 bytes) is too short to hold its header"},
        {"empty code block", [](LooseImage& i) { i.code.clear(); }, "leaves the code block (0x0 bytes)"},
        {"empty link records with an image that needs none",
         [](LooseImage& i) {
             i.code = "\x31\xC0\xC3"; // xor eax, eax; ret
             i.links.clear();
             i.data = le32(0) + le32(8) + le32(0);
             i.relocations = relocationWords({0x4000, 0x4200});
         },
         nullptr},
        {"missing data file", [](LooseImage&) {}, "the image file data1.dat could not be opened"},
        {"no image files at all", [](LooseImage&) {}, "the image file code1.dat could not be opened"},
    };
}

void expectStart(const BadImage& bad, const std::string& commandLine, const std::string& folder)
{
    ProgramRun run = runProgram(commandLine, {.folder = folder, .timeoutMs = 20000});
    ASSERT_TRUE(run.started) << bad.name;
    EXPECT_FALSE(run.timedOut) << bad.name;
    EXPECT_EQ(run.exitCode, 0u) << bad.name;
    if (!bad.message) {
        EXPECT_TRUE(run.boxes.empty()) << bad.name;
        return;
    }
    ASSERT_EQ(run.boxes.size(), 1u) << bad.name;
    EXPECT_EQ(run.boxes[0].caption, "Message") << bad.name;
    EXPECT_NE(run.boxes[0].text.find(bad.message), std::string::npos)
        << bad.name << ": the box said: " << run.boxes[0].text;
    EXPECT_EQ(traceIn(folder), "") << bad.name << ": the image must not have run";
}

TEST(ImageStart, DamagedLooseImagesStopWithAMessageOrStartWhenHarmless)
{
    std::string host = "\"" + fullPath("tegata-host.exe") + "\"";
    int index = 0;
    for (const BadImage& bad : looseCases()) {
        std::string folder = freshFolder(fullPath("e2e-bad-" + std::to_string(index++)));
        LooseImage image = builtImage();
        bad.damage(image);
        writeLoose(folder, image);
        if (std::string(bad.name) == "missing data file")
            DeleteFileA((folder + "\\data1.dat").c_str());
        if (std::string(bad.name) == "no image files at all")
            freshFolder(folder);
        expectStart(bad, host, folder);
        if (!bad.message && std::string(bad.name).find("junk") != std::string::npos)
            EXPECT_EQ(traceIn(folder), expectedTrace) << bad.name;
    }
}

TEST(ImageStart, DamagedProgramFilesStopWithAMessage)
{
    std::string program, host;
    ASSERT_TRUE(readWholeFile("trace.exe", program));
    ASSERT_TRUE(readWholeFile("tegata-host.exe", host));
    const size_t imageOffset = host.size(); // the image is appended to the bare host
    ASSERT_GT(program.size(), imageOffset + 4) << "trace.exe is older than tegata-host.exe: rebuild";
    const uint32_t codeLength = readLe32(program, imageOffset);
    const BadImage cases[] = {
        {"image offset past the end", [&](LooseImage&) { program.resize(imageOffset - 16); }, "the image offset 0x"},
        {"file ends before a block length", [&](LooseImage&) { program.resize(imageOffset + 4 + codeLength + 2); },
         "the program file ends before the length of the link-record block"},
        {"truncated inside the code block", [&](LooseImage&) { program.resize(imageOffset + 100); },
         "the code block is"},
        {"a length past the end of the file", [&](LooseImage&) { program.replace(imageOffset, 4, le32(0x7FFFFFFF)); },
         "the code block is 2147483647 bytes long, but only"},
    };
    int index = 0;
    for (const BadImage& bad : cases) {
        std::string folder = freshFolder(fullPath("e2e-badexe-" + std::to_string(index++)));
        ASSERT_TRUE(readWholeFile("trace.exe", program));
        LooseImage unused;
        bad.damage(unused);
        writeWholeFile(folder + "\\trace.exe", program);
        expectStart(bad, "\"" + folder + "\\trace.exe\"", folder);
    }
}

} // namespace
