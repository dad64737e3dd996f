// Windows built from template streams: malformed streams, value conversions, frame and
// placement, the control keys with "$", enclosing canvases and the order of creation.
#include "base/bytecursor.h"
#include "base/hostmessage.h"
#include "classes/interfacetables.h"
#include "graphics/picture.h"
#include "image/exporttable.h"
#include "image/linker.h"
#include "tests/ui/windows/windowtesting.h"
#include "ui/templates/templateproperties.h"
#include "ui/templates/windowtemplate.h"
#include "ui/windows/controlobject.h"
#include "ui/windows/controlproperties.h"
#include "ui/windows/nativewindow.h"
#include "ui/windows/windowproperties.h"
#include "ui/windows/windowvisibility.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <utility>

extern "C" int32_t RuntimeDebugObjectCount(ObjectHeader* excluded);
extern "C" StringRecord* staticCaptionGetter(ObjectHeader* text, int32_t);
extern "C" ObjectHeader* canvasBackdropGetter(ObjectHeader* canvas, int32_t);

namespace {

class Templates : public testing::Test {
protected:
    void SetUp() override
    {
        windowTestSetUp();
        if (windowClass < 0) {
            windowClass = testClass(BuiltinClassId::Window, windowRecorders());
            textClass = testClass(BuiltinClassId::StaticText, controlRecorders());
            canvasClass = testClass(BuiltinClassId::Canvas, canvasRecorders());
        }
    }
    void TearDown() override
    {
        windowsCloseAll();
        templateSetProjectObjectSource(nullptr);
    }

    static inline int32_t windowClass = -1;
    static inline int32_t textClass = -1;
    static inline int32_t canvasClass = -1;
};

StringRef text(const char* value)
{
    return StringRef(stringFromText(value));
}

ObjectHeader* control(ObjectHeader* window, const char* key)
{
    return RuntimeControlFetch(window, text(key).get());
}

// The messages the runtime shows, recorded instead of shown while a test runs.
class ShownMessages {
public:
    ShownMessages() : saved(messageSteps().show) { messageSteps().show = record; }
    ~ShownMessages() { messageSteps().show = saved; }

    std::vector<std::string> take() { return std::exchange(shown(), {}); }

private:
    static std::vector<std::string>& shown()
    {
        static std::vector<std::string> texts;
        return texts;
    }
    static void record(const char* text, UINT) { shown().push_back(text); }

    void (*saved)(const char*, UINT);
};

const std::string damagedTemplate = "The window could not be made because its template in the image is damaged: ";

// Numbers and texts in a row, for streams that go wrong at a chosen byte.
struct Stream {
    std::string bytes;
    Stream& number(int32_t value)
    {
        streamAppendNumber(bytes, value);
        return *this;
    }
    Stream& text(const std::string& value)
    {
        streamAppendText(bytes, value);
        return *this;
    }
};

std::string format(const char* pattern, size_t value)
{
    char text[256];
    snprintf(text, sizeof text, pattern, value);
    return text;
}

// Creating a window from the record yields nil, clears the slot, leaves no object behind and
// shows one message.
std::vector<std::string> refusedWindowMessages(const uint8_t* record, ShownMessages& messages)
{
    int32_t objectsBefore = RuntimeDebugObjectCount(nullptr);
    auto* sentinel = reinterpret_cast<ObjectHeader*>(0x10);
    ObjectHeader* slot = sentinel;
    EXPECT_EQ(RuntimeCreateWindow(record, &slot), nullptr);
    EXPECT_EQ(slot, nullptr);
    EXPECT_EQ(windowListHead(), nullptr);
    EXPECT_EQ(RuntimeDebugObjectCount(nullptr), objectsBefore);
    return messages.take();
}

// Each stream is bad in a different way; the message names the window, the control or binding
// (as far as their names were read) and the byte where the fault lies. The window class is 1 in
// streams that fail before their classes are looked at.
TEST_F(Templates, MalformedStreamsAreRefusedWithTheirPlaceAndLeaveNothingBehind)
{
    Stream main = Stream().number(1).number(1).text("Name").text("Main"); // 12 bytes
    Properties window = windowProperties("Bad", 200, 100);
    size_t firstControl = templateStream(windowClass, window, {}).size() - 1;
    struct Case {
        const char* what;
        std::string stream;
        std::string message;
    };
    const Case cases[] = {
        {"empty stream", "", "window template at byte 0: the stream ends inside the record"},
        {"property count larger than the stream", Stream().number(1000000).number(1).bytes,
         "window template at byte 4: count 1000000 does not fit in the 0 bytes left"},
        {"negative property count", Stream().number(-1).number(1).number(0).number(0).bytes,
         "window template at byte 2: negative count -1"},
        {"text longer than the stream", Stream().number(1).number(1).number(5000).bytes + "Title",
         "window template at byte 4: the stream ends inside the record"},
        {"property value missing after the window's name",
         Stream().number(2).number(1).text("Name").text("Main").text("Title").bytes,
         "window template Main at byte 18: the stream ends inside the record"},
        {"control count past the stream", Stream(main).number(50).bytes,
         "window template Main at byte 13: count 50 does not fit in the 0 bytes left"},
        {"control cut inside its properties",
         Stream(main).number(1).number(7).number(2).text("Name").text("Label1").text("Left").bytes,
         "window template Main, control 1 (Label1) at byte 32: the stream ends inside the record"},
        {"unnamed control with a negative property count",
         Stream(main).number(2).number(7).number(0).number(7).number(-4).bytes,
         "window template Main, control 2 at byte 17: negative count -4"},
        {"binding cut short", Stream(main).number(0).number(1).number(0).text("value").bytes,
         "window template Main, binding 1 at byte 21: the stream ends inside the record"},
        {"window class outside the class table", templateStream(9999, window, {}),
         "window template TestWindow at byte 1: class 9999 is not a class of the class table"},
        {"negative window class", templateStream(-3, window, {}),
         "window template TestWindow at byte 1: class -3 is not a class of the class table"},
        {"window class that is a control", templateStream(textClass, window, {}),
         format("window template TestWindow at byte 1: class %zu is not a kind of Window", size_t(textClass))},
        {"control class outside the table",
         templateStream(windowClass, window, {{4242, controlProperties("X", 0, 0, 1, 1)}}),
         format("window template TestWindow, control 1 (X) at byte %zu: class 4242 is not a class of the class table",
                firstControl)},
    };
    ShownMessages messages;
    for (const Case& bad : cases) {
        SCOPED_TRACE(bad.what);
        std::vector<uint8_t> record = templateRecord(bad.stream);
        EXPECT_EQ(refusedWindowMessages(record.data(), messages),
                  std::vector<std::string>{damagedTemplate + bad.message});
    }
    SCOPED_TRACE("no template");
    EXPECT_EQ(refusedWindowMessages(nullptr, messages),
              std::vector<std::string>{damagedTemplate + "window template: there is none"});
}

TEST_F(Templates, EveryCutOfAGoodStreamIsRefusedWithOneMessage)
{
    std::string good = templateStream(windowClass, windowProperties("Bad", 200, 100),
                                      {{textClass, controlProperties("Label", 10, 10, 50, 20)}});
    ShownMessages messages;
    for (size_t cut = 0; cut < good.size(); ++cut) {
        SCOPED_TRACE(cut);
        std::vector<uint8_t> record = templateRecord(good.substr(0, cut));
        std::vector<std::string> shown = refusedWindowMessages(record.data(), messages);
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].rfind(damagedTemplate + "window template", 0), 0u) << shown[0];
    }
}

// Makes `block` the data block of the linked image (no code, no link records).
void linkDataBlock(std::vector<uint8_t>& block)
{
    ExportIndex noExports({});
    std::string error;
    ASSERT_TRUE(linkImage({nullptr, 0, block.data(), uint32_t(block.size())}, nullptr, 0, noExports, error));
}

// A template in the data block whose length word reaches past the end of the block is refused
// before a byte past the block is read; one that ends on the last byte is built.
TEST_F(Templates, ATemplateLongerThanTheRestOfTheDataBlockIsRefused)
{
    std::string stream = templateStream(windowClass, windowProperties("Long", 200, 100), {});
    std::vector<uint8_t> record = templateRecord(stream);
    std::vector<uint8_t> block(16, 0);
    block.insert(block.end(), record.begin(), record.end());
    uint32_t fits = uint32_t(stream.size());
    struct Case {
        const char* what;
        uint32_t length;
    };
    const Case cases[] = {{"one byte too long", fits + 1}, {"a length that wraps", 0xFFFFFFFE}};
    ShownMessages messages;
    linkDataBlock(block);
    for (const Case& bad : cases) {
        SCOPED_TRACE(bad.what);
        storeU32LE(block.data() + 16, bad.length);
        EXPECT_EQ(refusedWindowMessages(block.data() + 16, messages),
                  std::vector<std::string>{damagedTemplate +
                                           format("window template at data offset 0x10: its length %zu runs past "
                                                  "the end of the data block",
                                                  bad.length)});
    }
    storeU32LE(block.data() + 16, fits);
    EXPECT_NE(ObjectRef(RuntimeCreateWindow(block.data() + 16, nullptr)).get(), nullptr);
    std::vector<uint8_t> none;
    linkDataBlock(none);
}

ObjectHeader* pictureItem;
ObjectHeader* plainItem;

ObjectHeader* testProjectObject(int32_t number)
{
    switch (number) {
    case 4:
        return RuntimeLockObject(pictureItem);
    case 5:
        return RuntimeLockObject(plainItem);
    }
    return nullptr;
}

// Values are texts converted by the declared type of the property the key names.
TEST_F(Templates, ValuesAreConvertedByTheDeclaredTypeOfTheirProperty)
{
    pictureItem = pictureFromImageData(nullptr, 0, 0);
    plainItem = objectInstantiate(builtinClass(BuiltinClassId::Object));
    templateSetProjectObjectSource(testProjectObject);
    struct Case {
        const char* key;
        const char* value;
        int32_t (*read)(ObjectHeader*);
        int32_t expected;
    };
    auto visible = [](ObjectHeader* o) { return controlVisibleGetter(o, 0); };
    auto left = [](ObjectHeader* o) { return ctlPosGetter(o, 0); };
    auto enabled = [](ObjectHeader* o) { return controlEnabledGetter(o, 0); };
    const Case cases[] = {
        {"Visible", "TRUE", visible, 1}, {"Visible", "tRuE", visible, 1}, {"Visible", "1", visible, 0},
        {"Visible", "Yes", visible, 0},  {"Left", " -12ab", left, -12},   {"Left", "+7", left, 7},
        {"Left", "abc", left, 0},        {"Enabled", "", enabled, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.value);
        Properties own = {{c.key, c.value}, {"Bogus", "ignored"}};
        std::string stream = templateStream(windowClass, windowProperties("Values", 200, 100),
                                            {{canvasClass, controlProperties("Canvas1", 0, 0, 50, 50, own)}});
        ObjectRef window(openWindow(stream));
        ASSERT_NE(window.get(), nullptr);
        EXPECT_EQ(c.read(control(window.get(), "Canvas1")), c.expected);
        windowsCloseAll();
    }

    std::string stream = templateStream(
        windowClass, windowProperties("Values", 200, 100, {{"BackColor", "16777215"}, {"MinWidth", "-2147483648"}}),
        {{canvasClass, controlProperties("Zero", 0, 0, 9, 9, {{"Backdrop", "0"}})},
         {canvasClass, controlProperties("Picture", 0, 0, 9, 9, {{"Backdrop", "4"}})},
         {canvasClass, controlProperties("NotAPicture", 0, 0, 9, 9, {{"Backdrop", "5"}})}});
    ObjectRef window(openWindow(stream));
    ASSERT_NE(window.get(), nullptr);
    EXPECT_EQ(windowBackColorGetter(window.get(), 0), 0xFFFFFF);
    EXPECT_EQ(asWindow(window.get())->minWidth, 0); // 16-bit field: the low half of the most negative number
    ObjectRef zero(canvasBackdropGetter(control(window.get(), "Zero"), 0));
    ObjectRef picture(canvasBackdropGetter(control(window.get(), "Picture"), 0));
    ObjectRef notPicture(canvasBackdropGetter(control(window.get(), "NotAPicture"), 0));
    EXPECT_EQ(zero.get(), nullptr);
    EXPECT_EQ(picture.get(), pictureItem);
    EXPECT_EQ(notPicture.get(), nullptr);
    EXPECT_EQ(templateInteger("-2147483648"), INT32_MIN);
    EXPECT_EQ(templateInteger("  -12ab"), -12);
    windowsCloseAll();
    RuntimeUnlockObject(pictureItem);
    RuntimeUnlockObject(plainItem);
}

TEST_F(Templates, FrameAndPlacementMoveTheBounds)
{
    struct Case {
        int32_t frame;
        int32_t placement;
        FrameKind frameKind;
        int32_t dx;
        int32_t dy;
    };
    const int32_t width = 300, height = 200, screenWidth = 1280, screenHeight = 1024;
    const int32_t centredX = (screenWidth - width) / 2, centredY = (screenHeight - height) / 4;
    const Case cases[] = {
        {0, 0, FrameKind::document, 10, 50},
        {0, 4, FrameKind::document, 10, 50},
        {3, 0, FrameKind::floating, 4, 100},
        {7, 0, FrameKind::palette, 4, 100},
        {1, 0, FrameKind::movableModal, centredX, centredY},
        {6, 0, FrameKind::fixedSize, 10, 50},
        {0, 2, FrameKind::document, centredX, centredY},
        {0, 9, FrameKind::document, 0, 0},
        {12, 0, FrameKind::document, 10, 50},
        {-1, 0, FrameKind::document, 10, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("Frame " + std::to_string(c.frame) + " Placement " + std::to_string(c.placement));
        FramePlacement chosen = templateFramePlacement(c.frame, c.placement);
        EXPECT_EQ(chosen.frameKind, c.frameKind);
        PaneRect placed =
            templatePlacedBounds({0, 0, int16_t(height), int16_t(width)}, chosen.placement, screenWidth, screenHeight);
        EXPECT_EQ(placed.left, c.dx);
        EXPECT_EQ(placed.top, c.dy);
        EXPECT_EQ(placed.width(), width);
        EXPECT_EQ(placed.height(), height);
    }

    // A real window lands where its placement puts it, client area and all.
    for (const Case& c : {cases[0], cases[2]}) {
        std::string stream = templateStream(
            windowClass, windowProperties("Placed", width, height, {{"Frame", std::to_string(c.frame)}}), {});
        ObjectRef window(openWindow(stream));
        ASSERT_NE(window.get(), nullptr);
        pumpFor(100);
        EXPECT_EQ(windowPosGetter(window.get(), 0), c.dx);
        EXPECT_EQ(windowPosGetter(window.get(), 1), c.dy);
        EXPECT_EQ(windowPosGetter(window.get(), 2), width);
        EXPECT_EQ(windowPosGetter(window.get(), 3), height);
        RECT client;
        GetClientRect(windowHandleOf(window.get()), &client);
        POINT origin = {0, 0};
        ClientToScreen(windowHandleOf(window.get()), &origin);
        EXPECT_EQ(origin.x, c.dx);
        EXPECT_EQ(origin.y, c.dy);
        EXPECT_EQ(client.right, width);
        windowsCloseAll();
    }
}

std::vector<int32_t> sides(const PaneRect& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}

std::vector<int32_t> clientSides(ObjectHeader* window)
{
    RECT client;
    GetClientRect(windowHandleOf(window), &client);
    POINT origin = {0, 0};
    ClientToScreen(windowHandleOf(window), &origin);
    return {origin.x, origin.y, origin.x + client.right, origin.y + client.bottom};
}

TEST_F(Templates, TheWindowKeepsItsPlacedBoundsAndGoesBackToThemWhenItLeavesFullScreen)
{
    const std::vector<int32_t> placed = {10, 50, 310, 250};
    std::string stream = templateStream(windowClass, windowProperties("Saved", 300, 200, {{"FullScreen", "True"}}), {});
    ObjectRef window(openWindow(stream));
    ASSERT_NE(window.get(), nullptr);
    EXPECT_EQ(sides(asWindow(window.get())->standardBounds), placed);
    EXPECT_EQ(sides(asWindow(window.get())->userBounds), placed);
    EXPECT_EQ(windowPosGetter(window.get(), 2), GetSystemMetrics(SM_CXSCREEN)) << "full screen from the start";

    windowFullScreenSetter(window.get(), 0, 0);
    pumpFor(100);
    EXPECT_EQ(sides(asWindow(window.get())->bounds), placed);
    EXPECT_EQ(clientSides(window.get()), placed);

    windowPosSetter(window.get(), 0, 40); // the person's own place, kept when it goes full screen
    windowFullScreenSetter(window.get(), 0, 1);
    windowFullScreenSetter(window.get(), 0, 1);
    pumpFor(100);
    EXPECT_EQ(windowPosGetter(window.get(), 0), 0);
    windowFullScreenSetter(window.get(), 0, 0);
    pumpFor(100);
    EXPECT_EQ(clientSides(window.get()), (std::vector<int32_t>{40, 50, 340, 250}));
    EXPECT_EQ(sides(asWindow(window.get())->standardBounds), placed) << "the standard state stays";
}

TEST_F(Templates, ArrayElementsAreFoundByNameDollarIndexOnly)
{
    std::string stream = templateStream(windowClass, windowProperties("Keys", 200, 100),
                                        {{textClass, controlProperties("Label", 0, 0, 20, 10, {}, 1)},
                                         {textClass, controlProperties("Label", 0, 20, 20, 10, {}, 2)},
                                         {textClass, controlProperties("Single", 0, 40, 20, 10)}});
    ObjectRef window(openWindow(stream));
    ASSERT_NE(window.get(), nullptr);
    ObjectHeader* first = control(window.get(), "Label$1");
    ObjectHeader* second = control(window.get(), "label$2");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(asControl(first)->index, 1);
    EXPECT_EQ(asControl(second)->index, 2);
    EXPECT_EQ(control(window.get(), "Label"), nullptr);
    EXPECT_EQ(control(window.get(), "Missing"), nullptr);
    ASSERT_NE(control(window.get(), "Single"), nullptr);
    EXPECT_EQ(asControl(control(window.get(), "Single"))->index, notInControlArray);
    // Nil and objects that are not windows (a named control holds its name where a window holds
    // its controls) have no controls.
    for (ObjectHeader* notAWindow : {static_cast<ObjectHeader*>(nullptr), first, second}) {
        EXPECT_EQ(RuntimeControlFetch(notAWindow, text("Single").get()), nullptr);
        EXPECT_EQ(ObjectRef(RuntimeControlReference(notAWindow, text("Single").get())).get(), nullptr);
    }

    ObjectRef element(RuntimeControlArrayItemReference(window.get(), text("Label").get(), 2));
    EXPECT_EQ(element.get(), second);
    EXPECT_EQ(second->count, 2); // the window's and ours: the map holds none

    const auto& arrays = asWindow(window.get())->parts->arrayTemplates;
    EXPECT_EQ(std::count_if(arrays.begin(), arrays.end(), [](const auto& a) { return a.name == "Label"; }), 1);
    EXPECT_EQ(windowControlCountGetter(window.get(), 0), 3);
}

TEST_F(Templates, ACloneIsANewArrayElementMadeFromTheFirstElementsTexts)
{
    std::string stream =
        templateStream(windowClass, windowProperties("Clones", 200, 100),
                       {{textClass, controlProperties("Label", 0, 0, 40, 10, {{"Text", "first"}}, 1)},
                        {textClass, controlProperties("Label", 0, 20, 40, 10, {{"Text", "second"}}, 2)},
                        {textClass, controlProperties("Single", 0, 40, 40, 10)}});
    ObjectRef window(openWindow(stream));
    ASSERT_NE(window.get(), nullptr);
    recordedEvents().clear();
    ObjectHeader* second = control(window.get(), "Label$2");
    struct Case {
        const char* name; // nil: the array's own name
        const char* key;  // under which the clone is found
    };
    const Case cases[] = {{"Label", "Label$3"}, {nullptr, "Label$4"}, {"Other", "Other$0"}, {"other", "Other$1"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        ObjectRef clone(RuntimeCloneControlReference(second, c.name ? text(c.name).get() : nullptr));
        ASSERT_NE(clone.get(), nullptr);
        EXPECT_EQ(control(window.get(), c.key), clone.get());
        EXPECT_EQ(clone.get()->cls, second->cls);
        EXPECT_EQ(clone.get()->count, 2) << "the window's and ours";
        EXPECT_EQ(asControl(clone.get())->fromTemplate, 0);
        EXPECT_NE(asControl(clone.get())->pane, nullptr);
        StringRef caption(staticCaptionGetter(clone.get(), 0));
        EXPECT_STREQ(stringText(caption.get()), "first");
        EXPECT_EQ(ctlPosGetter(clone.get(), 1), 0) << "where the first element is";
    }
    EXPECT_EQ(recordedIgnoring(incidental), (Events{"Label$3.Open", "Label$4.Open", "Other$0.Open", "other$1.Open"}));
    EXPECT_EQ(windowControlCountGetter(window.get(), 0), 7);
    EXPECT_EQ(RuntimeCloneControlReference(control(window.get(), "Single"), nullptr), nullptr) << "not an array";
    RuntimeCloseWindow(window.get());
    EXPECT_EQ(RuntimeCloneControlReference(second, nullptr), nullptr) << "the window is closed";
}

TEST_F(Templates, AControlInsideAnEarlierCanvasHasItAsEnclosingCanvas)
{
    std::string stream = templateStream(windowClass, windowProperties("Enclosing", 300, 200),
                                        {{canvasClass, controlProperties("Outer", 10, 10, 100, 100)},
                                         {canvasClass, controlProperties("Inner", 20, 20, 50, 50)},
                                         {textClass, controlProperties("InBoth", 30, 30, 10, 10)},
                                         {textClass, controlProperties("OnTheEdge", 10, 10, 100, 100)},
                                         {textClass, controlProperties("Outside", 105, 105, 10, 10)}});
    ObjectRef window(openWindow(stream));
    ASSERT_NE(window.get(), nullptr);
    EXPECT_EQ(asControl(control(window.get(), "InBoth"))->enclosingCanvas, control(window.get(), "Inner"));
    EXPECT_EQ(asControl(control(window.get(), "OnTheEdge"))->enclosingCanvas, control(window.get(), "Outer"));
    EXPECT_EQ(asControl(control(window.get(), "Outside"))->enclosingCanvas, nullptr);
    EXPECT_EQ(asControl(control(window.get(), "Outer"))->enclosingCanvas, nullptr);
}

ObjectHeader* watchedSlot;
std::vector<std::string> openChecks;

int32_t checkingOpen(ObjectHeader* object)
{
    bool paneMade = isControlObject(object) ? asControl(object)->pane != nullptr : windowHandleOf(object) != nullptr;
    ObjectHeader* window = isControlObject(object) ? &asControl(object)->window->header : object;
    openChecks.push_back(objectLabel(object) + (paneMade ? " pane" : " no pane") +
                         (watchedSlot == window ? " slot" : " no slot"));
    return 0;
}

TEST_F(Templates, ControlsOpenBeforeTheirWindowWhileTheSlotHoldsIt)
{
    int32_t window = testClass(BuiltinClassId::Window, {{"Open", reinterpret_cast<void*>(checkingOpen)}});
    int32_t canvas = testClass(BuiltinClassId::Canvas, {{"Open", reinterpret_cast<void*>(checkingOpen)}});
    std::string stream = templateStream(
        window, windowProperties("Order", 200, 100),
        {{canvas, controlProperties("First", 0, 0, 20, 20)}, {canvas, controlProperties("Second", 20, 0, 20, 20)}});
    openChecks.clear();
    ObjectRef created(openWindow(stream, &watchedSlot));
    ASSERT_NE(created.get(), nullptr);
    EXPECT_EQ(watchedSlot, created.get());
    EXPECT_EQ(openChecks, (std::vector<std::string>{"First pane slot", "Second pane slot", "Order pane slot"}));

    RuntimeCloseWindow(created.get());
    EXPECT_EQ(watchedSlot, nullptr);
    EXPECT_EQ(asWindow(created.get())->native, nullptr);
    EXPECT_EQ(asControl(control(created.get(), "First"))->pane, nullptr);
    EXPECT_EQ(windowListHead(), nullptr);
}

} // namespace

namespace {

void recordBinding(ObjectHeader*, ObjectHeader* source, ObjectHeader* target)
{
    recordEvent(source, "Bind", " " + objectLabel(target));
}

// A binder class whose "bind" method records what it joins: through the Binder interface when
// it implements it, otherwise only as a method of that name.
int32_t binderClass(bool implementsBinder)
{
    static int32_t indexes[2] = {-1, -1};
    int32_t& index = indexes[implementsBinder];
    if (index >= 0)
        return index;
    auto* bind = new MethodEntry{nullptr, stringFromText("Bind"), reinterpret_cast<void*>(&recordBinding), nullptr, 0};
    ClassDescriptor* binder = classCreate();
    binder->methods = bind;
    if (implementsBinder) {
        binder->interfaces = new InterfaceEntry{nullptr, builtinClass(BuiltinClassId::Binder), nullptr, 0};
        interfacesFinalise();
    }
    index = testClass(binder, {});
    return index;
}

void writeBinding(std::string& stream, int32_t source, const std::string& sourceInterface, int32_t target,
                  int32_t binder)
{
    streamAppendNumber(stream, source);
    streamAppendText(stream, "value");
    streamAppendNumber(stream, target);
    streamAppendText(stream, "value");
    streamAppendNumber(stream, binder);
    streamAppendText(stream, sourceInterface);
    streamAppendText(stream, "");
}

TEST_F(Templates, BindingsJoinTheirControlsThroughTheBinderInterfaceOnly)
{
    std::string stream = templateStream(windowClass, windowProperties("Bound", 200, 100),
                                        {{textClass, controlProperties("Text1", 10, 10, 80, 20)},
                                         {textClass, controlProperties("Text2", 10, 40, 80, 20)}});
    stream.pop_back(); // the binding count of none
    streamAppendNumber(stream, 3);
    writeBinding(stream, 0, "", 1, binderClass(true));
    writeBinding(stream, 1, "NoSuchInterface", 0, binderClass(true)); // cannot be resolved: skipped
    writeBinding(stream, 1, "", 0, binderClass(false));               // a "bind" outside the interface
    recordedEvents().clear();
    ASSERT_NE(openWindow(stream), nullptr);
    EXPECT_EQ(recordedIgnoring(incidental), (Events{"Text1.Bind Text2", "Text1.Open", "Text2.Open", "Bound.Open"}))
        << "bound before the controls open";
}

} // namespace
