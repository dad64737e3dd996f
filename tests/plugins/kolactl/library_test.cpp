// The built control library, loaded as the runtime loads it and driven through its behaviour
// slots, with a small stand-in for the runtime services it resolves by name. Drawing goes to a
// real GDI bitmap, read back pixel by pixel.
#include "plugins/kolactl/pluginabi.h"

#include <windows.h>

#include <cstring>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace kola;

// The runtime's string record layout, as the library reads it.
struct TestString {
    int32_t count;
    uint8_t* buffer;
    int32_t bufferSize;
    int32_t length;
    uint8_t bytes[64];
};

struct StandIn {
    int announcedVersion = 0;
    std::vector<ControlDescriptor*> registered;
    PaneRect bounds{};
    bool enabled = true;
    std::map<uint32_t, int> raised; // event cookie -> times its handler ran
    uint32_t askedCookie = 0;
    int invalidated = 0, locks = 0, unlocks = 0, graphicsTaken = 0, graphicsReleased = 0;
    HDC dc = nullptr;
    std::vector<TestString*> strings;
} runtime;

int graphicsToken;

TestString* makeString(const char* text, int32_t length)
{
    auto* made = new TestString{1, nullptr, length + 2, length, {}};
    made->bytes[0] = static_cast<uint8_t>(length);
    std::memcpy(made->bytes + 1, text, static_cast<size_t>(length));
    made->buffer = made->bytes;
    runtime.strings.push_back(made);
    return made;
}

void registerPluginVersion(int32_t version)
{
    runtime.announcedVersion = version;
}
void registerControl(ControlDescriptor* descriptor)
{
    descriptor->dataOffset = 96;
    for (uint32_t event = 0; event < descriptor->members.eventCount; ++event)
        descriptor->members.events[event].key = static_cast<uint32_t>(runtime.registered.size() * 16 + event + 1);
    runtime.registered.push_back(descriptor);
}
void getControlBounds(void*, PaneRect* bounds)
{
    *bounds = runtime.bounds;
}
int32_t controlEnabledGetter(void*, int32_t)
{
    return runtime.enabled ? 1 : 0;
}
void countEvent(void*)
{
    ++runtime.raised[runtime.askedCookie];
}
void* getEventInstance(void*, uint32_t cookie)
{
    runtime.askedCookie = cookie;
    return reinterpret_cast<void*>(countEvent);
}
void invalidateControl(void*)
{
    ++runtime.invalidated;
}
void* buildString(const char* text, int32_t length)
{
    return makeString(text, length);
}
void lockString(void* text)
{
    runtime.locks += text != nullptr;
}
void unlockString(void* text)
{
    runtime.unlocks += text != nullptr;
}
void* getControlGraphics(void*)
{
    ++runtime.graphicsTaken;
    return &graphicsToken;
}
void unlockObject(void* object)
{
    runtime.graphicsReleased += object == &graphicsToken;
}
HDC graphicsDC(void* graphics)
{
    return graphics == &graphicsToken ? runtime.dc : nullptr;
}
void* defaultCaption()
{
    return makeString("Untitled", 8);
}
void* defaultFont()
{
    return nullptr;
}
int32_t defaultFontSize()
{
    return 0;
}

void* resolve(const char* name)
{
    static const std::map<std::string, void*> services = {
        {"RegisterPluginVersion", reinterpret_cast<void*>(registerPluginVersion)},
        {"PluginRegisterControl", reinterpret_cast<void*>(registerControl)},
        {"GetControlBounds", reinterpret_cast<void*>(getControlBounds)},
        {"controlEnabledGetter", reinterpret_cast<void*>(controlEnabledGetter)},
        {"GetEventInstance", reinterpret_cast<void*>(getEventInstance)},
        {"KOLAInvalidateControl", reinterpret_cast<void*>(invalidateControl)},
        {"KOLABuildString", reinterpret_cast<void*>(buildString)},
        {"KOLALockString", reinterpret_cast<void*>(lockString)},
        {"KOLAUnlockString", reinterpret_cast<void*>(unlockString)},
        {"KOLAGetControlGraphics", reinterpret_cast<void*>(getControlGraphics)},
        {"KOLAUnlockObject", reinterpret_cast<void*>(unlockObject)},
        {"KOLAGraphicsDC", reinterpret_cast<void*>(graphicsDC)},
        {"PluginDefaultControlCaption", reinterpret_cast<void*>(defaultCaption)},
        {"PluginDefaultControlFont", reinterpret_cast<void*>(defaultFont)},
        {"PluginDefaultControlFontSize", reinterpret_cast<void*>(defaultFontSize)},
    };
    auto found = services.find(name);
    return found == services.end() ? nullptr : found->second;
}

// The library loaded once, its controls registered.
const std::vector<ControlDescriptor*>& loadedControls()
{
    static bool loaded = [] {
        // The tests run in the build folder; the library is built in its plugins folder.
        HMODULE library = LoadLibraryA(".\\plugins\\kolactl1.dll");
        auto main = library ? reinterpret_cast<void (*)(Resolver)>(
                                  reinterpret_cast<void*>(GetProcAddress(library, "KOLAPluginMain")))
                            : nullptr;
        if (main)
            main(resolve);
        return main != nullptr;
    }();
    EXPECT_TRUE(loaded) << "kolactl1.dll or its KOLAPluginMain is missing";
    return runtime.registered;
}

ControlDescriptor& control(const char* name)
{
    for (ControlDescriptor* descriptor : loadedControls())
        if (std::strcmp(descriptor->name, name) == 0)
            return *descriptor;
    ADD_FAILURE() << name << " was not registered";
    static ControlDescriptor none{};
    return none;
}

// A control instance as the runtime makes it: 96 bytes of its own, then the control's, zeroed.
struct Instance {
    explicit Instance(const ControlDescriptor& of) : descriptor(of), bytes(96 + of.dataSize, 0) {}
    template <typename Routine> Routine slot(BehaviourSlot which) const
    {
        return reinterpret_cast<Routine>(descriptor.behaviour->slots[which]);
    }
    void redraw() { slot<void (*)(void*, void*)>(slotRedraw)(self(), &graphicsToken); }
    bool down(int x, int y) { return slot<int32_t (*)(void*, int32_t, int32_t)>(slotMouseDown)(self(), x, y) & 0xff; }
    void drag(int x, int y) { slot<void (*)(void*, int32_t, int32_t)>(slotMouseDrag)(self(), x, y); }
    void up(int x, int y) { slot<void (*)(void*, int32_t, int32_t)>(slotMouseUp)(self(), x, y); }
    void* self() { return bytes.data(); }
    int32_t field(uint32_t offset)
    {
        int32_t value;
        std::memcpy(&value, bytes.data() + 96 + offset, 4);
        return value;
    }
    const ControlDescriptor& descriptor;
    std::vector<uint8_t> bytes;
};

// A 200 x 100 bitmap filled with white, where the controls draw.
class ControlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        loadedControls();
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), 200, -100, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        runtime.dc = CreateCompatibleDC(nullptr);
        previous = SelectObject(runtime.dc, bitmap);
        RECT all{0, 0, 200, 100};
        FillRect(runtime.dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        runtime.enabled = true;
        runtime.raised.clear();
    }
    void TearDown() override
    {
        SelectObject(runtime.dc, previous);
        DeleteDC(runtime.dc);
        DeleteObject(bitmap);
        runtime.dc = nullptr;
    }
    static COLORREF pixel(int x, int y) { return GetPixel(runtime.dc, x, y); }
    static int raisedCount(const ControlDescriptor& of, int event)
    {
        return runtime.raised[of.members.events[event].key];
    }

    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
};

TEST(ControlLibrary, RegistersItsEightControlsAfterAnnouncingVersionFive)
{
    ASSERT_EQ(loadedControls().size(), 8u);
    EXPECT_EQ(runtime.announcedVersion, 5);
    struct Case {
        const char* name;
        uint32_t dataSize, flags, width, height, properties, methods, events;
    } cases[] = {
        {"BevelButton", 112, 24, 60, 22, 18, 8, 1}, {"LittleArrows", 16, 16, 13, 23, 0, 0, 2},
        {"Separator", 4, 0, 64, 4, 0, 0, 0},        {"DisclosureTriangle", 8, 0, 13, 13, 1, 0, 1},
        {"ChasingArrows", 4, 0, 16, 16, 0, 0, 0},   {"ImageWell", 4, 0, 48, 48, 0, 0, 0},
        {"PopupArrow", 4, 0, 12, 8, 0, 0, 0},       {"Placard", 4, 0, 60, 16, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const ControlDescriptor& d = control(c.name);
        EXPECT_EQ(d.version, 5u) << c.name;
        EXPECT_EQ(d.dataSize, c.dataSize) << c.name;
        EXPECT_EQ(d.flags, c.flags) << c.name;
        EXPECT_EQ(d.defaultWidth, c.width) << c.name;
        EXPECT_EQ(d.defaultHeight, c.height) << c.name;
        EXPECT_EQ(d.members.propertyCount, c.properties) << c.name;
        EXPECT_EQ(d.members.methodCount, c.methods) << c.name;
        EXPECT_EQ(d.members.eventCount, c.events) << c.name;
        EXPECT_NE(d.behaviour->slots[slotIdle], nullptr) << c.name;
    }
    EXPECT_STREQ(control("BevelButton").interfaceName, "ActionSource");
    EXPECT_STREQ(control("LittleArrows").members.events[0].declaration, "Up");
    EXPECT_STREQ(control("LittleArrows").members.events[1].declaration, "Down");
}

TEST(ControlLibrary, EachControlFillsExactlyItsBehaviourSlots)
{
    struct Case {
        const char* name;
        std::vector<int> filled;
    } cases[] = {
        {"BevelButton", {0, 1, 2, 3, 4, 5, 10, 12, 14, 15}},
        {"LittleArrows", {2, 3, 4, 5, 10, 12}},
        {"Separator", {2, 10, 12}},
    };
    for (const Case& c : cases) {
        const ControlBehaviour& behaviour = *control(c.name).behaviour;
        std::vector<int> filled;
        for (int slot = 0; slot < int(behaviourSlotCount); ++slot)
            if (behaviour.slots[slot])
                filled.push_back(slot);
        EXPECT_EQ(filled, c.filled) << c.name;
    }
    EXPECT_EQ(control("BevelButton").behaviour->slots[slotIdle], control("Separator").behaviour->slots[slotIdle])
        << "one idle routine for every control";
}

TEST(ControlLibrary, BevelButtonPropertiesLieInsideItsStorageOneFieldEach)
{
    const ControlDescriptor& button = control("BevelButton");
    std::map<uint32_t, std::string> fields;
    for (uint32_t index = 0; index < button.members.propertyCount; ++index) {
        const ControlPropertyRecord& property = button.members.properties[index];
        EXPECT_LE(property.parameter + 4, button.dataSize) << property.name;
        EXPECT_TRUE(fields.emplace(property.parameter, property.name).second)
            << property.name << " shares its field with " << fields[property.parameter];
    }
    const char* methods[] = {"AddRow(text As String)",
                             "AddSeparator",
                             "InsertRow(row As Integer, text As String)",
                             "RemoveRow(row As Integer)",
                             "DeleteAllRows",
                             "List(row As Integer) As String",
                             "ListCount As Integer",
                             "RowIsSeparator(row As Integer) As Boolean"};
    for (uint32_t index = 0; index < button.members.methodCount; ++index)
        EXPECT_STREQ(button.members.methods[index].declaration, methods[index]);
}

TEST_F(ControlTest, LittleArrowsRowElevenFiresUpAndRowTwelveFiresDown)
{
    const ControlDescriptor& arrows = control("LittleArrows");
    runtime.bounds = PaneRect{20, 30, 43, 43};
    struct Case {
        const char* what;
        int x, y;
        bool tracked;
        int ups, downs;
    } cases[] = {
        {"row eleven", 35, 31, true, 1, 0},
        {"row twelve", 35, 32, true, 0, 1},
        {"beside the arrows", 43, 25, false, 0, 0},
    };
    for (const Case& c : cases) {
        Instance instance(arrows);
        runtime.raised.clear();
        EXPECT_EQ(instance.down(c.x, c.y), c.tracked) << c.what;
        instance.up(c.x, c.y);
        EXPECT_EQ(raisedCount(arrows, 0), c.ups) << c.what;
        EXPECT_EQ(raisedCount(arrows, 1), c.downs) << c.what;
    }
}

TEST_F(ControlTest, LittleArrowsDrawsThePressedArrowSunkAndUndoesItWhenDraggedOff)
{
    const ControlDescriptor& arrows = control("LittleArrows");
    runtime.bounds = PaneRect{20, 30, 43, 43};
    Instance instance(arrows);
    const COLORREF light = GetSysColor(COLOR_3DHILIGHT), shadow = GetSysColor(COLOR_BTNSHADOW);
    instance.redraw();
    EXPECT_EQ(pixel(31, 21), light) << "the raised upper face's top-left edge";
    EXPECT_EQ(pixel(0 + 30, 0 + 20), RGB(0, 0, 0)) << "the black frame";
    ASSERT_TRUE(instance.down(35, 25));
    EXPECT_EQ(pixel(31, 21), shadow) << "pressed";
    EXPECT_EQ(instance.field(4), 1) << "pressed part";
    instance.drag(35, 40);
    EXPECT_EQ(pixel(31, 21), light) << "dragged onto the other arrow";
    EXPECT_EQ(instance.field(8), 0) << "drawn part";
    instance.drag(35, 25);
    EXPECT_EQ(pixel(31, 21), shadow) << "dragged back";
    EXPECT_EQ(raisedCount(arrows, 0), 1) << "dragging back is not a new press";
    instance.up(35, 25);
    EXPECT_EQ(pixel(31, 21), light) << "released";
    EXPECT_EQ(instance.field(4), 0);
}

TEST_F(ControlTest, DisabledLittleArrowsIgnoreClicksAndDrawGreyArrowsOnFlatFaces)
{
    const ControlDescriptor& arrows = control("LittleArrows");
    runtime.bounds = PaneRect{20, 30, 43, 43};
    runtime.enabled = false;
    Instance instance(arrows);
    EXPECT_FALSE(instance.down(35, 25));
    EXPECT_EQ(raisedCount(arrows, 0), 0);
    instance.redraw();
    EXPECT_EQ(pixel(31, 21), GetSysColor(COLOR_BTNFACE)) << "flat face";
    EXPECT_EQ(pixel(36, 26), RGB(192, 192, 192)) << "grey arrow";
    EXPECT_EQ(pixel(30, 20), RGB(64, 64, 64)) << "dark grey frame";
}

TEST_F(ControlTest, SeparatorOneRowHighDrawsShadowOnItsRowAndHighlightBelow)
{
    Instance separator(control("Separator"));
    runtime.bounds = PaneRect{40, 10, 41, 166};
    separator.redraw();
    for (int x : {10, 90, 165}) {
        EXPECT_EQ(pixel(x, 40), GetSysColor(COLOR_BTNSHADOW)) << x;
        EXPECT_EQ(pixel(x, 41), GetSysColor(COLOR_3DHILIGHT)) << x;
        EXPECT_EQ(pixel(x, 39), RGB(255, 255, 255)) << x;
    }
    EXPECT_EQ(pixel(166, 40), RGB(255, 255, 255)) << "the line ends before the right edge";
}

struct BevelCase {
    const char* what;
    int32_t buttonType;
    std::vector<POINT> path; // drags between the press at the first point and the release at the last
    int actions;
    int32_t valueAfter;
};

TEST_F(ControlTest, BevelButtonRaisesActionOnlyWhenReleasedOverIt)
{
    const ControlDescriptor& button = control("BevelButton");
    runtime.bounds = PaneRect{10, 10, 32, 70};
    const uint32_t valueField = button.members.properties[10].parameter;
    BevelCase cases[] = {
        {"click", 0, {{30, 20}, {30, 20}}, 1, 0},
        {"drag off and release outside", 0, {{30, 20}, {90, 20}, {90, 20}}, 0, 0},
        {"drag off and back", 0, {{30, 20}, {90, 20}, {40, 15}, {40, 15}}, 1, 0},
        {"toggle", 1, {{30, 20}, {30, 20}}, 1, 1},
        {"sticky", 2, {{30, 20}, {30, 20}}, 1, 1},
    };
    for (const BevelCase& c : cases) {
        Instance instance(button);
        instance.slot<void (*)(void*)>(slotConstructor)(instance.self());
        std::memcpy(instance.bytes.data() + 96 + button.members.properties[12].parameter, &c.buttonType, 4);
        runtime.raised.clear();
        EXPECT_TRUE(instance.down(c.path.front().x, c.path.front().y)) << c.what;
        for (size_t step = 1; step + 1 < c.path.size(); ++step)
            instance.drag(c.path[step].x, c.path[step].y);
        instance.up(c.path.back().x, c.path.back().y);
        EXPECT_EQ(raisedCount(button, 0), c.actions) << c.what;
        EXPECT_EQ(instance.field(valueField) & 0xff, c.valueAfter) << c.what;
        instance.slot<void (*)(void*)>(slotDestructor)(instance.self());
    }
}

TEST_F(ControlTest, BevelButtonToggleInvertsValueOnEveryClickAndStickyStaysOn)
{
    const ControlDescriptor& button = control("BevelButton");
    runtime.bounds = PaneRect{10, 10, 32, 70};
    struct Case {
        int32_t type;
        int32_t values[3];
    } cases[] = {{1, {1, 0, 1}}, {2, {1, 1, 1}}};
    for (const Case& c : cases) {
        Instance instance(button);
        std::memcpy(instance.bytes.data() + 96 + button.members.properties[12].parameter, &c.type, 4);
        for (int32_t expected : c.values) {
            instance.down(20, 20);
            instance.up(20, 20);
            EXPECT_EQ(instance.field(button.members.properties[10].parameter) & 0xff, expected) << "type " << c.type;
        }
    }
}

TEST_F(ControlTest, BevelButtonDrawsSunkWhilePressedAndEngravesADisabledCaption)
{
    const ControlDescriptor& button = control("BevelButton");
    runtime.bounds = PaneRect{10, 10, 32, 70};
    Instance instance(button);
    instance.slot<void (*)(void*)>(slotConstructor)(instance.self());
    instance.redraw();
    EXPECT_EQ(pixel(10, 10), RGB(0, 0, 0)) << "black frame";
    EXPECT_EQ(pixel(14, 14), GetSysColor(COLOR_BTNFACE)) << "raised face";
    instance.down(20, 20);
    EXPECT_EQ(pixel(14, 14), GetSysColor(COLOR_BTNSHADOW)) << "pressed face";
    instance.drag(100, 20);
    EXPECT_EQ(pixel(14, 14), GetSysColor(COLOR_BTNFACE)) << "dragged off";
    instance.drag(20, 20);
    EXPECT_EQ(pixel(14, 14), GetSysColor(COLOR_BTNSHADOW)) << "dragged back";
    instance.up(20, 20);
    runtime.enabled = false;
    instance.redraw();
    EXPECT_EQ(pixel(10, 10), RGB(64, 64, 64)) << "dark grey frame";
    int highlight = 0, shadow = 0;
    for (int y = 13; y < 29; ++y)
        for (int x = 13; x < 67; ++x) {
            highlight += pixel(x, y) == GetSysColor(COLOR_3DHILIGHT);
            shadow += pixel(x, y) == GetSysColor(COLOR_BTNSHADOW);
        }
    EXPECT_GT(highlight, 10) << "the caption's engraved highlight";
    EXPECT_GT(shadow, 10) << "the caption in the shadow colour";
    instance.slot<void (*)(void*)>(slotDestructor)(instance.self());
}

TEST_F(ControlTest, BevelButtonCaptionAndRowsGoThroughTheirAccessors)
{
    const ControlDescriptor& button = control("BevelButton");
    Instance instance(button);
    instance.slot<void (*)(void*)>(slotConstructor)(instance.self());
    const ControlPropertyRecord& caption = button.members.properties[0];
    auto getCaption = reinterpret_cast<TestString* (*)(void*, int32_t)>(caption.getter);
    auto setCaption = reinterpret_cast<void (*)(void*, int32_t, TestString*)>(caption.setter);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(getCaption(instance.self(), 0)->bytes + 1), 8), "Untitled");
    int invalidated = runtime.invalidated;
    setCaption(instance.self(), 0, makeString("Cheques", 7));
    EXPECT_EQ(runtime.invalidated, invalidated + 1) << "setting the caption repaints";
    EXPECT_EQ(std::string(reinterpret_cast<char*>(getCaption(instance.self(), 0)->bytes + 1), 7), "Cheques");

    auto method = [&](int index) { return button.members.methods[index].routine; };
    reinterpret_cast<void (*)(void*, TestString*)>(method(0))(instance.self(), makeString("First", 5));
    reinterpret_cast<void (*)(void*)>(method(1))(instance.self());
    reinterpret_cast<void (*)(void*, int32_t, TestString*)>(method(2))(instance.self(), 0, makeString("Zero", 4));
    EXPECT_EQ(reinterpret_cast<int32_t (*)(void*)>(method(6))(instance.self()), 3);
    auto list = reinterpret_cast<TestString* (*)(void*, int32_t)>(method(5));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(list(instance.self(), 1)->bytes + 1), 5), "First");
    EXPECT_EQ(list(instance.self(), 7), nullptr) << "no such row";
    EXPECT_EQ(reinterpret_cast<int32_t (*)(void*, int32_t)>(method(7))(instance.self(), 2) & 0xff, 1);
    reinterpret_cast<void (*)(void*, int32_t)>(method(3))(instance.self(), 0);
    EXPECT_EQ(reinterpret_cast<int32_t (*)(void*)>(method(6))(instance.self()), 2);
    reinterpret_cast<void (*)(void*)>(method(4))(instance.self());
    EXPECT_EQ(reinterpret_cast<int32_t (*)(void*)>(method(6))(instance.self()), 0);

    auto setMenuValue = reinterpret_cast<void (*)(void*, int32_t, int32_t)>(button.members.properties[11].setter);
    auto getMenuValue = reinterpret_cast<int32_t (*)(void*, int32_t)>(button.members.properties[11].getter);
    setMenuValue(instance.self(), 0, 0x12345);
    EXPECT_EQ(getMenuValue(instance.self(), 0), 0x2345) << "MenuValue keeps 16 bits";
    instance.slot<void (*)(void*)>(slotDestructor)(instance.self());
}

} // namespace
