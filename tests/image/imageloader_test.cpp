// Data relocation, the data header check and the resource table reader.
#include "image/datarelocation.h"
#include "image/imageloader.h"
#include "image/resourcetable.h"
#include "startup/runtimeexports.h"
#include "tests/support/files.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr uint32_t codeBase = 0x10000000, dataBase = 0x20000000;

std::vector<uint8_t> instructions(std::initializer_list<uint16_t> words)
{
    std::vector<uint8_t> bytes;
    for (uint16_t w : words) {
        bytes.push_back(uint8_t(w));
        bytes.push_back(uint8_t(w >> 8));
    }
    return bytes;
}

uint32_t wordAt(const std::vector<uint8_t>& data, uint32_t offset)
{
    uint32_t value;
    memcpy(&value, &data[offset], 4);
    return value;
}

struct RelocationCase {
    const char* what;
    std::vector<uint8_t> program;
    uint32_t offset;   // a word to look at afterwards
    uint32_t expected; // its value (every word starts as its own offset)
};

TEST(DataRelocation, InstructionsMoveTheCursorAndAddTheBases)
{
    const RelocationCase cases[] = {
        {"0x0000 and 0x6000 change nothing", instructions({0x0000, 0x6000, 0x4000}), 0, codeBase + 0},
        {"an advance moves the cursor", instructions({0x8003, 0x4200}), 4, dataBase + 4},
        {"0x8FFF advances 4096 bytes", instructions({0x8FFF, 0x4200}), 4096, dataBase + 4096},
        {"0x41FF patches 512 words", instructions({0x41FF}), 511 * 4, codeBase + 511 * 4},
        {"a run stops after its words", instructions({0x4001}), 8, 8},
        {"0x4600 adds the code base", instructions({0x8007, 0x4600}), 8, codeBase + 8},
        {"an odd last byte is ignored", {0x00, 0x42, 0x01}, 0, dataBase},
    };
    for (const RelocationCase& c : cases) {
        std::vector<uint8_t> data(8192);
        for (uint32_t offset = 0; offset < data.size(); offset += 4)
            memcpy(&data[offset], &offset, 4);
        std::string error;
        EXPECT_TRUE(relocateData(data.data(), uint32_t(data.size()), c.program.data(), uint32_t(c.program.size()),
                                 codeBase, dataBase, error))
            << c.what << ": " << error;
        EXPECT_EQ(wordAt(data, c.offset), c.expected) << c.what;
    }
}

TEST(DataRelocation, ARunThatLeavesTheBlockIsRefusedBeforeItWrites)
{
    std::vector<uint8_t> data(16, 0);
    std::vector<uint8_t> fits = instructions({0x8007, 0x4001}); // the last two words exactly
    std::string error;
    EXPECT_TRUE(relocateData(data.data(), 16, fits.data(), uint32_t(fits.size()), codeBase, dataBase, error));
    std::vector<uint8_t> before(16, 0);
    data = before;
    std::vector<uint8_t> past = instructions({0x8007, 0x4202});
    EXPECT_FALSE(relocateData(data.data(), 16, past.data(), uint32_t(past.size()), codeBase, dataBase, error));
    EXPECT_EQ(error, "The application could not be loaded because its image is damaged: data relocation 1 (0x4202) "
                     "at data offset 0x8: a run of 3 words leaves the data block (0x10 bytes)");
    EXPECT_EQ(data, before);
    std::vector<uint8_t> farAway = instructions({0x8FFF, 0x8FFF, 0x4000});
    EXPECT_FALSE(relocateData(data.data(), 16, farAway.data(), uint32_t(farAway.size()), codeBase, dataBase, error));
}

// A minimal image: "xor eax, eax; ret", a header pointing at it and at a class table.
ImageBlocks tinyImage(std::vector<uint8_t> relocations)
{
    ImageBlocks blocks{};
    auto own = [](std::vector<uint8_t> bytes) {
        ImageBlock block{static_cast<uint8_t*>(HeapAlloc(GetProcessHeap(), 0, bytes.size() + 1)),
                         uint32_t(bytes.size())};
        memcpy(block.bytes, bytes.data(), bytes.size());
        return block;
    };
    std::vector<uint8_t> code = {0x31, 0xC0, 0xC3};
    blocks.code.size = uint32_t(code.size());
    blocks.code.bytes = static_cast<uint8_t*>(VirtualAlloc(nullptr, 4096, MEM_COMMIT, PAGE_EXECUTE_READWRITE));
    memcpy(blocks.code.bytes, code.data(), code.size());
    blocks.data = own({0, 0, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0});
    blocks.relocations = own(relocations);
    return blocks;
}

TEST(ImagePrepare, TheHeaderMustPointIntoTheCodeAndDataBlocks)
{
    struct Case {
        const char* what;
        std::vector<uint8_t> relocations;
        const char* error; // nullptr: prepares and runs
    } cases[] = {
        {"both header words relocated", instructions({0x4000, 0x4200}), nullptr},
        {"entry left unrelocated", instructions({0x8003, 0x4200}), "the entry routine 0x0 lies outside the code block"},
        {"class table relocated by the code base", instructions({0x4001}), "the class table 0x"},
    };
    for (const Case& c : cases) {
        ImageBlocks blocks = tinyImage(c.relocations);
        ImageEntry entry = nullptr;
        std::string error;
        bool prepared = imagePrepare(blocks, runtimeExports(), entry, error);
        EXPECT_EQ(prepared, c.error == nullptr) << c.what << ": " << error;
        if (prepared) {
            EXPECT_EQ(entry(), 0) << c.what;
        } else {
            EXPECT_NE(error.find(c.error), std::string::npos) << c.what << ": " << error;
        }
        imageFreeBlocks(blocks);
    }
}

void appendBigEndian(std::string& bytes, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.push_back(char(value >> shift));
}

TEST(ResourceTable, ItemsAreFoundByNumberAndOutOfRangeYieldsNothing)
{
    // Loose-file mode: the table is data3.dat in the current folder.
    std::string folder = freshFolder("resourcetable-test");
    std::string table;
    appendBigEndian(table, 3);   // N
    appendBigEndian(table, 0);   // item 1 at the start of the item data
    appendBigEndian(table, 4);   // item 2 four bytes later
    appendBigEndian(table, 900); // item 3 past the end of the file
    table += "ABCDEFGH";
    ASSERT_TRUE(writeWholeFile(folder + "\\data3.dat", table));
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(folder.c_str());
    resourceSetTableOffset(0);
    struct Case {
        int32_t item;
        bool found;
        uint32_t position;
    } cases[] = {{0, false, 0}, {-1, false, 0}, {1, true, 16}, {2, true, 20}, {3, false, 0}, {4, false, 0}};
    for (const Case& c : cases) {
        HANDLE file = nullptr;
        uint32_t position = 0;
        EXPECT_EQ(resourceItemData(c.item, file, position), c.found) << "item " << c.item;
        EXPECT_EQ(position, c.position) << "item " << c.item;
    }
    resourceSetTableOffset(0); // lets go of the file
    SetCurrentDirectoryA(previous);
}

// A resource table carried inside this test program, as a packed program carries its table
// behind the image: all offsets in it count from where the table starts in the file.
const char tableInProgram[] = "\0\0\0\x03"       // N
                              "\0\0\0\0"         // item 1 at the start of the item data
                              "\0\0\0\x0C"       // item 2 twelve bytes later
                              "\x7F\xFF\xFF\xF0" // item 3 far past the end of the file
                              "resource one!"    // item 1
                              "resource two!";   // item 2 starts at the "!" before it
// The table without the literal's closing 0.
constexpr size_t tableInProgramBytes = sizeof tableInProgram - 1;

// Where the table lies in the program file: found by its bytes, which occur there once.
uint32_t tableOffsetInProgram(const std::string& program)
{
    std::string table(tableInProgram, tableInProgramBytes);
    size_t at = program.find(table);
    EXPECT_NE(at, std::string::npos) << "the table is not in the program file";
    EXPECT_EQ(program.find(table, at + 1), std::string::npos) << "the table is in the program file twice";
    return static_cast<uint32_t>(at);
}

TEST(ResourceTable, AProgramsTableIsReadFromTheProgramFileAtItsOffset)
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string program;
    ASSERT_TRUE(readWholeFile(path, program));
    uint32_t offset = tableOffsetInProgram(program);
    ASSERT_NE(offset, 0u);
    resourceSetTableOffset(offset);
    struct Case {
        int32_t item;
        bool found;
        const char* starts; // the item's first bytes
    } cases[] = {
        {1, true, "resource one"}, {2, true, "!resource two!"}, {3, false, ""}, {4, false, ""}, {0, false, ""}};
    for (const Case& c : cases) {
        HANDLE file = nullptr;
        uint32_t position = 0;
        ASSERT_EQ(resourceItemData(c.item, file, position), c.found) << "item " << c.item;
        if (!c.found)
            continue;
        EXPECT_EQ(position, offset + 16 + (c.item == 1 ? 0 : 12)) << "item " << c.item;
        std::string bytes(strlen(c.starts), '\0');
        ASSERT_TRUE(resourceReadAt(file, position, bytes.data(), static_cast<uint32_t>(bytes.size())));
        EXPECT_EQ(bytes, c.starts) << "item " << c.item;
    }
    resourceSetTableOffset(0);
}

} // namespace
