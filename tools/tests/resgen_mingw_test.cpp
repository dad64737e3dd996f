// The example descriptions generated, compiled with the application's cross compiler and
// flags, and linked into an image: the generated data needs no library and no start-up code,
// and the class table, project items and template read back field by field at their offsets.
#include "imagelink/image_linker.h"
#include "resgen/resgen_cli.h"
#include "tests/image_reader.h"
#include "tests/pe_builder.h"
#include "tests/stream_decoder.h"
#include "tests/test_files.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>
#include <tuple>

namespace {

using namespace testsupport;

constexpr const char* kApplicationFlags =
    " -std=c++20 -O2 -ffreestanding -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables -fno-jump-tables"
    " -fno-threadsafe-statics -fno-omit-frame-pointer -mno-stack-arg-probe -finput-charset=UTF-8"
    " -fexec-charset=CP932 -Wall -Wextra -Werror -c ";
constexpr const char* kExamples = TOOLS_SOURCE_DIR "/resgen/examples";
constexpr uint32_t kCodeBase = 0x00510000;
constexpr uint32_t kDataBase = 0x02200000;

class GeneratedExample : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(generate());
        ASSERT_NO_FATAL_FAILURE(compile(dir.path("appdata.cpp"), "appdata.o"));
        ASSERT_NO_FATAL_FAILURE(compile(std::string(kExamples) + "/example_app.cpp", "example_app.o"));
        imagelink::ExportNames exports;
        for (const char* name : {"RuntimeCreateWindow", "RuntimeRun", "RuntimeBeep"})
            exports.add(name);
        const std::vector<imagelink::InputObject> objects{{"appdata.o", readBytes(dir.path("appdata.o"))},
                                                          {"example_app.o", readBytes(dir.path("example_app.o"))}};
        tools::Diagnostics diagnostics("imagelink");
        linked = imagelink::linkImage(objects, exports, {"ImageEntry", "ImageClassTable"}, diagnostics);
        ASSERT_TRUE(linked) << diagnostics.messages().front();
        const ImageFile file = *readImageFile(imagelink::serializeImage(*linked));
        loaded = loadImage(file, kCodeBase, kDataBase, [](const std::string&) { return 0x77000000u; });
    }

    void generate()
    {
        std::vector<std::string> arguments{"--builtin-classes",
                                           TOOLS_SOURCE_DIR "/../runtime/objects/builtinclasses.def", "--out-dir",
                                           dir.root().string()};
        for (const char* file : {"classes", "example.window", "menubar", "settings", "project"}) {
            arguments.push_back(std::string(kExamples) + "/" + file);
        }
        PeOptions dll;
        dll.dll = true;
        library = buildPe(dll);
        writeBytes(dir.path("tiny-build.dll"), library);
        arguments.push_back("--plugin");
        arguments.push_back("tiny.dll=" + dir.path("tiny-build.dll"));
        std::ostringstream errors;
        ASSERT_EQ(resgen::runResgen(arguments, errors), 0) << errors.str();
    }

    void compile(const std::string& source, const std::string& object)
    {
        const std::string command = std::string(TOOLS_MINGW_CXX) + kApplicationFlags + "-I" + dir.root().string() +
                                    " -I" + kExamples + " " + source + " -o " + dir.path(object) + " 2>" +
                                    dir.path("cc.log");
        ASSERT_EQ(std::system(command.c_str()), 0) << readText(dir.path("cc.log"));
    }

    uint32_t symbol(const std::string& kind, const std::string& name) const
    {
        for (const imagelink::MapEntry& entry : linked->map) {
            if (entry.kind == kind && entry.name == name)
                return entry.offset;
        }
        ADD_FAILURE() << "no map entry " << kind << " " << name;
        return 0;
    }

    uint32_t word(uint32_t offset) const { return wordAt(loaded.data, offset); }
    uint32_t code(const std::string& routine) const { return kCodeBase + symbol("code", "_" + routine); }
    uint32_t data(const std::string& variable) const { return kDataBase + symbol("data", "_" + variable); }

    // The text of the string constant at `address`, checked to be a constant's record.
    std::string constant(uint32_t address) const
    {
        const uint32_t record = address - kDataBase;
        const uint32_t text = word(record + 4) - kDataBase, length = word(record + 12);
        EXPECT_EQ(word(record), 1u);
        EXPECT_EQ(word(record + 8), length);
        EXPECT_EQ(loaded.data.at(text), length);
        EXPECT_EQ(loaded.data.at(text + 1 + length), 0);
        return std::string(loaded.data.begin() + text + 1, loaded.data.begin() + text + 1 + length);
    }

    uint32_t table() const { return symbol("data", "_ImageClassTable"); }
    uint32_t entry(uint32_t index) const { return word(table() + 4 + 4 * index) - kDataBase; }
    // Items by position: item(0) is project item 1.
    uint32_t item(uint32_t position) const { return word(table() + 4 + 4 * 14 + 4 + 4 * position) - kDataBase; }

    TempDir dir;
    std::vector<uint8_t> library;
    std::optional<imagelink::LinkedImage> linked;
    LoadedImage loaded;
};

TEST_F(GeneratedExample, ClassTableStartsWithReferencesInTheRuntimesOrder)
{
    ASSERT_EQ(word(table()), 14u);
    const char* const references[] = {"Application", "Dialog",   "StaticText",   "PushButton",
                                      "EditField",   "MenuItem", "QuitMenuItem", "Date"};
    for (uint32_t i = 0; i < 8; ++i) {
        EXPECT_EQ(word(entry(i)), 1u) << i;
        EXPECT_EQ(constant(word(entry(i) + 4)), references[i]) << i;
    }
    EXPECT_EQ(word(table() + 4 + 4 * 14), 5u); // the item count after the last entry pointer
}

struct Field {
    uint32_t offset;
    uint32_t value;
};

TEST_F(GeneratedExample, WindowClassEntryHasEveryFieldAtItsOffset)
{
    const uint32_t start = entry(11);
    EXPECT_EQ(constant(word(start + 8)), "ExampleWindow");
    EXPECT_EQ(constant(word(start + 44)), "Open");
    EXPECT_EQ(constant(word(start + 56)), "EnableMenuItems");
    EXPECT_EQ(constant(word(start + 72)), "FilePrint");
    const std::vector<Field> fields{
        {0, 0},                               // kind: a definition
        {4, 164},                             // instance size: sizeof(ExampleWindowFields)
        {12, 1},                              // superclass: Dialog
        {16, 1},                              // has initialisers
        {20, code("exampleWindowConstruct")}, //
        {24, code("exampleWindowDestruct")},  //
        {28, 0},                              // not an interface
        {32, 0},                              // interface count
        {36, 0},                              // method count
        {40, 2},                              // event handler count
        {48, code("exampleWindowOpen")},      //
        {52, 0},                              // its key
        {60, code("exampleWindowEnableMenuItems")},
        {64, 0},
        {68, 1}, // menu handler count
        {76, code("exampleWindowFilePrint")},
        {80, 1}, // virtual table size
        {84, 0}, // its one empty slot
    };
    for (const Field& field : fields)
        EXPECT_EQ(word(start + field.offset), field.value) << "at +" << field.offset;
}

TEST_F(GeneratedExample, InterfaceModuleAndSubclassEntriesFollowTheLayout)
{
    const uint32_t source = entry(8), module = entry(10), field = entry(12), button = entry(13);
    // AmountSource: an interface, its one method by name only.
    EXPECT_EQ(constant(word(source + 8)), "AmountSource");
    EXPECT_EQ(word(source + 12), static_cast<uint32_t>(-1));
    EXPECT_EQ(word(source + 16), 0u); // no initialisers: the interface flag follows at once
    EXPECT_EQ(word(source + 20), 1u);
    EXPECT_EQ(word(source + 28), 1u); // method count, after an empty interface list
    EXPECT_EQ(constant(word(source + 32)), "Amount");
    EXPECT_EQ(word(source + 36), 0u); // handlers
    // NumModule: no superclass, implements AmountSource (index 8), two methods with code.
    EXPECT_EQ(word(module + 4), 28u);
    EXPECT_EQ(word(module + 24), 1u);
    EXPECT_EQ(word(module + 28), 8u);
    EXPECT_EQ(word(module + 32), 2u);
    EXPECT_EQ(constant(word(module + 36)), "Amount");
    EXPECT_EQ(word(module + 40), code("numModuleAmount"));
    EXPECT_EQ(word(module + 48), code("numModuleNumChange"));
    // The unnamed subclasses of the field and the button: null name, the built-in sizes.
    for (const auto& [start, size, superclass, event, handler] :
         {std::tuple{field, 140u, 4u, "TextChange", "amountFieldTextChange"},
          std::tuple{button, 120u, 3u, "Action", "enterButtonAction"}}) {
        EXPECT_EQ(word(start + 4), size);
        EXPECT_EQ(word(start + 8), 0u);
        EXPECT_EQ(word(start + 12), superclass);
        EXPECT_EQ(word(start + 32), 1u); // one handler, after no interfaces and no methods
        EXPECT_EQ(constant(word(start + 36)), event);
        EXPECT_EQ(word(start + 40), code(handler));
    }
}

TEST_F(GeneratedExample, ProjectItemsHoldTheirKindsAndData)
{
    EXPECT_EQ(word(item(0)), 5u); // the module: class index and its variable
    EXPECT_EQ(word(item(0) + 4), 10u);
    EXPECT_EQ(word(item(0) + 8), data("NumModuleVars"));
    EXPECT_EQ(word(item(1)), 2u); // the menu bar stream
    bool whole = false;
    const std::span<const uint8_t> menuBar(loaded.data.data() + item(1) + 8, word(item(1) + 4));
    const std::vector<DecodedMenu> titles = decodeMenuBar(menuBar, whole);
    EXPECT_TRUE(whole);
    ASSERT_EQ(titles.size(), 2u);
    EXPECT_EQ(titles[0].items.size(), 4u);
    EXPECT_EQ(titles[0].items[3].classIndex, 6); // QuitMenuItem
    EXPECT_EQ(titles[1].items[4].items.at(0).shortcut, "Shift-D");
    EXPECT_EQ(word(item(2)), 1u); // the stamp: transparent, 3 x 2 at 16 bits
    EXPECT_EQ(word(item(2) + 4), 1u);
    EXPECT_EQ((std::vector<uint32_t>{word(item(2) + 8), word(item(2) + 12), word(item(2) + 16), word(item(2) + 20)}),
              (std::vector<uint32_t>{16, 3, 2, 16}));
    EXPECT_EQ((std::vector<uint32_t>{word(item(3)), word(item(3) + 4)}), (std::vector<uint32_t>{3, 1}));
    EXPECT_EQ(word(item(4)), 4u); // the settings: an empty list, then the stream
    EXPECT_EQ(word(item(4) + 4), 0u);
    const DecodedSettings settings = decodeSettings({loaded.data.data() + item(4) + 12, word(item(4) + 8)});
    EXPECT_TRUE(settings.wholeStream);
    EXPECT_EQ(settings.frameMode, 1);
    EXPECT_EQ(settings.frameTitle, "\x8E\xE8\x8C\x60\x81\x45\x8F\xAC\x90\xD8\x8E\xE8");
    EXPECT_EQ(settings.messages.size(), 5u);
}

TEST_F(GeneratedExample, PluginListCarriesTheLibraryUnderItsName)
{
    const uint32_t record = word(symbol("data", "_ImagePluginList"));
    ASSERT_NE(record, 0u);
    EXPECT_EQ(record % 4, 0u);
    const uint32_t offset = record - kDataBase;
    EXPECT_EQ(word(offset), 0u); // the last record
    EXPECT_EQ(word(offset + 4), 5 + 8 + library.size());
    EXPECT_EQ(word(offset + 8), 0u);
    ASSERT_LE(offset + 21 + library.size(), loaded.data.size());
    const uint8_t* bytes = loaded.data.data() + offset + 12;
    EXPECT_EQ(std::string(bytes + 1, bytes + 1 + bytes[0]), "tiny.dll");
    EXPECT_TRUE(std::equal(library.begin(), library.end(), bytes + 9));
}

TEST_F(GeneratedExample, WindowTemplateNamesTheClassesOfTheTable)
{
    const uint32_t start = symbol("data", "_ExampleWindowTemplate");
    EXPECT_EQ(start % 4, 0u);
    const DecodedTemplate window = decodeWindowTemplate({loaded.data.data() + start, loaded.data.size() - start});
    EXPECT_TRUE(window.wholeStream);
    EXPECT_EQ(window.windowClass, 11);
    ASSERT_EQ(window.controls.size(), 3u);
    EXPECT_EQ(window.controls[0].classIndex, 2);  // the label: StaticText itself
    EXPECT_EQ(window.controls[1].classIndex, 12); // the field's unnamed subclass
    EXPECT_EQ(window.controls[2].classIndex, 13);
    EXPECT_EQ(window.controls[2].keys[1], (std::pair<std::string, std::string>{"Index", "-2147483648"}));
    EXPECT_EQ(window.controls[2].keys.size(), 25u);
}

} // namespace
