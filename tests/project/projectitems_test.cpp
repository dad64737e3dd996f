// Project items of every kind, their numbers, items of an unknown kind, damaged items, and
// mouse cursors read from the resource table.
#include "classes/classregistry.h"
#include "graphics/cursorform.h"
#include "graphics/mousecursor.h"
#include "graphics/picture.h"
#include "image/projectsettings.h"
#include "image/streamencoding.h"
#include "project/projectitems.h"
#include "project/projectobjects.h"
#include "runtime/objects/builtinclassset.h"
#include "tests/support/files.h"
#include "tests/support/programrun.h"
#include "tests/support/testimage.h"
#include "tests/support/testmain.h"

#include <cstdio>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>

namespace {

std::vector<uint8_t> textBytes(std::string_view text)
{
    return {text.begin(), text.end()};
}

// Links the image, builds the classes of `classes` and the items listed after them.
bool buildItems(TestImage& image, const std::vector<uint32_t>& classes, const std::vector<uint32_t>& items,
                std::string& error)
{
    uint32_t table = image.table(classes, items);
    return buildClasses(image, table, error) && registryBuildProjectItems(tableAt(table), error);
}

ClassDescriptor* classOfItem(int32_t number)
{
    ObjectRef object(RuntimeProjectObject(number));
    return object.get() ? object.get()->cls : nullptr;
}

template <typename Layout> Layout* itemAs(int32_t number)
{
    ObjectRef object(RuntimeProjectObject(number));
    return reinterpret_cast<Layout*>(object.get()); // the items array keeps its own reference
}

TEST(ProjectItems, EveryKindBuildsItsObjectUnderItsNumber)
{
    TestImage image;
    std::vector<uint8_t> menuBar = ImageStreamWriter().number(0).bytes();
    std::vector<uint8_t> settings =
        ImageStreamWriter().byte(1).longValue(0).longValue(13).number(0).number(0).byte(1).text("Frame").bytes();
    uint32_t variable = image.words({0});
    uint32_t databaseName = image.bytes(textBytes("Accounts"));
    std::vector<uint32_t> items;
    items.push_back(image.words({1, 0}));
    image.bytes({16, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 4, 0, 0, 0, 0x1F, 0, 0, 0});
    items.push_back(image.words({2, uint32_t(menuBar.size())}));
    image.bytes(menuBar);
    items.push_back(image.words({3, 1}));
    items.push_back(image.words({4, 0, uint32_t(settings.size())}));
    image.bytes(settings);
    items.push_back(image.words({5, 1, variable}));
    uint32_t sound = image.words({6, 42});
    uint32_t soundData = image.bytes(textBytes("RIFF"));
    items.push_back(sound);
    items.push_back(image.words({7, 70}));
    items.push_back(image.words({8, 80}));
    items.push_back(image.words({9, 3}));
    items.push_back(image.words({10, 8, databaseName, 11, 12}));
    items.push_back(0);
    std::string error;
    ASSERT_TRUE(buildItems(image, {image.reference("Window"), image.definition({.name = "NumModule"})}, items, error))
        << error;

    const std::pair<int32_t, ClassDescriptor*> numbers[] = {
        {-1, nullptr},
        {0, nullptr},
        {1, builtinClass(BuiltinClassId::Picture)},
        {2, nullptr}, // the menu bar
        {3, builtinClass(BuiltinClassId::Movie)},
        {4, nullptr}, // the settings
        {5, nullptr}, // a module instance
        {6, builtinClass(BuiltinClassId::Sound)},
        {7, valueItemClass(7)},
        {8, valueItemClass(8)},
        {9, builtinClass(BuiltinClassId::MouseCursor)},
        {10, databaseClass()},
        {11, nullptr}, // an empty slot
        {12, nullptr}, // past the last item
    };
    for (auto [number, cls] : numbers)
        EXPECT_EQ(classOfItem(number), cls) << "item " << number;

    EXPECT_EQ(itemAs<MovieObject>(3)->resourceNumber, 1);
    SoundObject* soundObject = itemAs<SoundObject>(6);
    EXPECT_EQ(soundObject->value, 42u);
    EXPECT_EQ(soundObject->data, image.dataBytes(soundData));
    EXPECT_EQ(soundObject->playing, 0);
    EXPECT_EQ(itemAs<ValueObject>(7)->value, 70u);
    EXPECT_EQ(itemAs<ValueObject>(8)->value, 80u);
    EXPECT_EQ(itemAs<MouseCursorObject>(9)->resourceNumber, 3);
    DatabaseObject* database = itemAs<DatabaseObject>(10);
    EXPECT_EQ(std::string(stringText(database->name)), "Accounts");
    EXPECT_EQ(database->valueA, 11u);
    EXPECT_EQ(database->valueB, 12u);

    auto* module = reinterpret_cast<ObjectHeader*>(*reinterpret_cast<uint32_t*>(image.dataBytes(variable)));
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(module->cls, classAt(1));
    EXPECT_EQ(module->count, 1) << "held by its global variable only";
    EXPECT_EQ(projectMenuBarStream().length, menuBar.size());
    EXPECT_EQ(memcmp(projectMenuBarStream().bytes, menuBar.data(), menuBar.size()), 0);
    EXPECT_TRUE(settingsFrameMode());
    EXPECT_EQ(std::string(stringText(settingsFrameTitle())), "Frame");

    ObjectHeader* picture = RuntimePictureReference(1);
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(objectIsa(picture, pictureClass()));
    EXPECT_EQ(picture->count, 2) << "the caller's reference and the item's";
    RuntimeUnlockObject(picture);
    // A picture reference is a project-object reference under another name, for every number.
    for (int32_t number : {0, 1, 2, 3, 4, -1, 1000}) {
        ObjectHeader* object = RuntimeProjectObject(number);
        ObjectHeader* reference = RuntimePictureReference(number);
        EXPECT_EQ(reference, object) << "item " << number;
        RuntimeUnlockObject(object);
        RuntimeUnlockObject(reference);
    }
}

CHILD_SCENARIO(unknownItemKind)
{
    TestImage image;
    std::string error;
    if (!buildItems(image, {}, {image.words({11, 5}), image.words({3, 1})}, error))
        return 2;
    return classOfItem(1) == nullptr && classOfItem(2) == builtinClass(BuiltinClassId::Movie) ? 7 : 3;
}

TEST(ProjectItems, AnItemOfAnUnknownKindIsAFailedAssertionAndSkipped)
{
    ProgramRun run = runProgram(childCommandLine("unknownItemKind"), {.answer = IDOK});
    ASSERT_TRUE(run.started);
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 7u);
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0].text.substr(0, 20), "Failed Assertion: 3\n");
    EXPECT_NE(run.boxes[0].text.find(" RuntimeMain : "), std::string::npos);
}

struct DamagedItem {
    const char* what;
    // Appends the items (after the one class of the table) and says what the start reports.
    std::function<std::vector<uint32_t>(TestImage& image, std::string& message)> build;
};

std::string at(TestImage& image, uint32_t item, int number = 1)
{
    char text[64];
    snprintf(text, sizeof text, "project item %d at data offset 0x%X: ", number, image.offset(item));
    return text;
}

const DamagedItem damagedItems[] = {
    {"item outside the data block",
     [](TestImage&, std::string& message) {
         message = "project item 1: its address 0x10 lies outside the data block";
         return std::vector<uint32_t>{0x10};
     }},
    {"menu bar longer than the block",
     [](TestImage& image, std::string& message) {
         uint32_t item = image.words({2, 0x1000});
         message = at(image, item) + "its 4096 bytes run past the end of the data block";
         return std::vector<uint32_t>{item};
     }},
    {"module of a class the table does not hold",
     [](TestImage& image, std::string& message) {
         uint32_t item = image.words({5, 9, image.words({0})});
         message = at(image, item) + "the class index 9 is not a class of the table, which holds 1";
         return std::vector<uint32_t>{item};
     }},
    {"module variable outside the block",
     [](TestImage& image, std::string& message) {
         uint32_t item = image.words({5, 0, 0x10});
         message = at(image, item) + "its 4 bytes at 0x10 lie outside the data block";
         return std::vector<uint32_t>{item};
     }},
    {"database name outside the block",
     [](TestImage& image, std::string& message) {
         uint32_t item = image.words({10, 8, 0x10, 1, 2});
         message = at(image, item) + "its 8 bytes at 0x10 lie outside the data block";
         return std::vector<uint32_t>{item};
     }},
    {"settings that end too soon, after good settings",
     [](TestImage& image, std::string& message) {
         std::vector<uint8_t> good =
             ImageStreamWriter().byte(1).longValue(0).longValue(13).number(0).number(0).byte(1).text("F").bytes();
         uint32_t first = image.words({4, 0, uint32_t(good.size())});
         image.bytes(good);
         uint32_t second = image.words({4, 0, 3, 0x01000000});
         message = at(image, second, 2) + "settings stream, header at byte 1: the stream ends inside the record";
         return std::vector<uint32_t>{first, second};
     }},
};

TEST(ProjectItems, ADamagedItemStopsTheStartAndNothingIsBuilt)
{
    TestImage good;
    std::vector<uint8_t> windowed =
        ImageStreamWriter().byte(1).longValue(0).longValue(13).number(0).number(0).byte(0).text("").bytes();
    uint32_t settings = good.words({4, 0, uint32_t(windowed.size())});
    good.bytes(windowed);
    std::string error;
    ASSERT_TRUE(buildItems(good, {}, {good.words({3, 1}), settings}, error)) << error;
    const std::string damaged = "The application could not be loaded because its image is damaged: ";
    for (const DamagedItem& c : damagedItems) {
        TestImage image;
        std::string message;
        std::vector<uint32_t> classes = {image.definition({.name = "Holder"})};
        std::vector<uint32_t> items = c.build(image, message);
        EXPECT_FALSE(buildItems(image, classes, items, error)) << c.what;
        EXPECT_EQ(error, damaged + message) << c.what;
        EXPECT_EQ(classOfItem(1), builtinClass(BuiltinClassId::Movie)) << c.what << ": the items built before stay";
        EXPECT_FALSE(settingsFrameMode()) << c.what;
    }
    TestImage image;
    uint32_t table = image.words({0, 0x10000000});
    ASSERT_TRUE(image.link(error));
    EXPECT_FALSE(registryBuildProjectItems(tableAt(table), error));
    EXPECT_EQ(error, damaged + "the class table lists 268435456 project items, more than fit in the data block");
}

TEST(MouseCursors, TheFormBecomesTheTopLeftCornerOfA32PixelCursor)
{
    uint8_t form[cursorFormBytes] = {};
    form[0] = 0xF0, form[1] = 0x0F;   // picture, row 0
    form[32] = 0xFF, form[33] = 0x00; // mask, row 0
    form[64] = 0xFF, form[65] = 0xFF; // vertical hot spot -1
    form[66] = 0x00, form[67] = 40;   // horizontal hot spot 40
    CursorPlanes planes = cursorPlanesFromForm(form);
    const uint8_t andRow0[4] = {0x00, 0xFF, 0xFF, 0xFF}, xorRow0[4] = {0x0F, 0x0F, 0x00, 0x00};
    EXPECT_EQ(memcmp(planes.andPlane, andRow0, 4), 0) << "NOT mask, all ones beside it";
    EXPECT_EQ(memcmp(planes.xorPlane, xorRow0, 4), 0) << "mask XOR picture";
    for (int row = 16; row < 32; ++row) {
        EXPECT_EQ(planes.andPlane[row * 4], 0xFF) << "row " << row;
        EXPECT_EQ(planes.xorPlane[row * 4], 0x00) << "row " << row;
    }
    EXPECT_EQ(planes.hotY, 0) << "held inside the cursor";
    EXPECT_EQ(planes.hotX, 31);
}

CHILD_SCENARIO(cursorFromResource)
{
    ObjectRef cursor(mouseCursorFromResource(1));
    ObjectRef missing(mouseCursorFromResource(2));
    HCURSOR handle = reinterpret_cast<MouseCursorObject*>(cursor.get())->cursor;
    ICONINFO info = {};
    if (!handle || !GetIconInfo(handle, &info))
        return 2;
    DeleteObject(info.hbmMask);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    bool hotSpot = info.xHotspot == 5 && info.yHotspot == 9;
    return hotSpot && reinterpret_cast<MouseCursorObject*>(missing.get())->cursor == nullptr ? 7 : 3;
}

TEST(MouseCursors, ACursorItemIsBuiltFromItsResource)
{
    std::string folder = freshFolder("registry-cursor");
    std::string table = {0, 0, 0, 1, 0, 0, 0, 0}; // one entry, its data right after the list
    std::string form(cursorFormBytes, '\0');
    form[0] = char(0x80), form[32] = char(0xC0);
    form[65] = 9, form[67] = 5; // vertical first
    ASSERT_TRUE(writeWholeFile(folder + "/data3.dat", table + form));
    ProgramRun run = runProgram(childCommandLine("cursorFromResource"), {.folder = folder});
    ASSERT_TRUE(run.started);
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 7u);
    EXPECT_TRUE(run.boxes.empty());
}

} // namespace
