// Windows built from template streams: malformed streams, value conversions, frame and
// placement, the control keys with "$", enclosing canvases and the order of creation.
#include "graphics/picture.h"
#include "tests/ui/windows/windowtesting.h"
#include "ui/windows/controlobject.h"
#include "ui/windows/controlproperties.h"
#include "ui/windows/nativewindow.h"
#include "ui/templates/templateproperties.h"
#include "ui/windows/windowproperties.h"
#include "ui/templates/windowtemplate.h"
#include "ui/windows/windowvisibility.h"

#include <gtest/gtest.h>

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

// Each stream is bad in a different way; every one yields nil, clears the slot and leaves
// no object behind.
TEST_F(Templates, MalformedStreamsYieldNilAndLeaveNothingBehind)
{
    std::string good = templateStream(windowClass, windowProperties("Bad", 200, 100),
                                      {{textClass, controlProperties("Label", 10, 10, 50, 20)}});
    std::string hugeCount;
    writeNumber(hugeCount, 1000000);
    writeNumber(hugeCount, windowClass);
    std::string negativeCount;
    writeNumber(negativeCount, -1);
    writeNumber(negativeCount, windowClass);
    writeNumber(negativeCount, 0);
    writeNumber(negativeCount, 0);
    std::string longText;
    writeNumber(longText, 1);
    writeNumber(longText, windowClass);
    writeNumber(longText, 5000);
    longText += "Title";
    struct Case {
        const char* what;
        std::string stream;
    };
    std::vector<Case> cases = {
        {"empty stream", ""},
        {"property count larger than the stream", hugeCount},
        {"negative property count", negativeCount},
        {"text longer than the stream", longText},
        {"window class outside the class table", templateStream(9999, windowProperties("Bad", 200, 100), {})},
        {"negative window class", templateStream(-3, windowProperties("Bad", 200, 100), {})},
        {"window class that is a control", templateStream(textClass, windowProperties("Bad", 200, 100), {})},
        {"control class outside the table",
         templateStream(windowClass, windowProperties("Bad", 200, 100), {{4242, controlProperties("X", 0, 0, 1, 1)}})},
    };
    for (size_t cut = 0; cut < good.size(); ++cut)
        cases.push_back({"truncated stream", good.substr(0, cut)});

    int32_t objectsBefore = RuntimeDebugObjectCount(nullptr);
    for (const Case& bad : cases) {
        SCOPED_TRACE(bad.what);
        auto* sentinel = reinterpret_cast<ObjectHeader*>(0x10);
        ObjectHeader* slot = sentinel;
        std::vector<uint8_t> record = templateRecord(bad.stream);
        EXPECT_EQ(RuntimeCreateWindow(record.data(), &slot), nullptr) << bad.stream.size() << " bytes";
        EXPECT_EQ(slot, nullptr);
        EXPECT_EQ(windowListHead(), nullptr);
        EXPECT_EQ(RuntimeDebugObjectCount(nullptr), objectsBefore);
    }
    ObjectHeader* slot = nullptr;
    EXPECT_EQ(RuntimeCreateWindow(nullptr, &slot), nullptr);
}

ObjectHeader* pictureItem;
ObjectHeader* plainItem;

ObjectHeader* testProjectObject(int32_t number)
{
    switch (number) {
    case 4: return RuntimeLockObject(pictureItem);
    case 5: return RuntimeLockObject(plainItem);
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
        {"Visible", "TRUE", visible, 1},
        {"Visible", "tRuE", visible, 1},
        {"Visible", "1", visible, 0},
        {"Visible", "Yes", visible, 0},
        {"Left", " -12ab", left, -12},
        {"Left", "+7", left, 7},
        {"Left", "abc", left, 0},
        {"Enabled", "", enabled, 0},
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
    EXPECT_EQ(asWindow(window.get())->minWidth, 0);   // 16-bit field: the low half of the most negative number
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
        PaneRect placed = templatePlacedBounds({0, 0, int16_t(height), int16_t(width)}, chosen.placement, screenWidth,
                                               screenHeight);
        EXPECT_EQ(placed.left, c.dx);
        EXPECT_EQ(placed.top, c.dy);
        EXPECT_EQ(placed.width(), width);
        EXPECT_EQ(placed.height(), height);
    }

    // A real window lands where its placement puts it, client area and all.
    for (const Case& c : {cases[0], cases[2]}) {
        std::string stream = templateStream(windowClass,
                                            windowProperties("Placed", width, height,
                                                             {{"Frame", std::to_string(c.frame)}}),
                                            {});
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
    EXPECT_EQ(RuntimeControlFetch(nullptr, text("Single").get()), nullptr);

    ObjectRef element(RuntimeControlArrayItemReference(window.get(), text("Label").get(), 2));
    EXPECT_EQ(element.get(), second);
    EXPECT_EQ(second->count, 2);   // the window's and ours: the map holds none

    const auto& arrays = asWindow(window.get())->parts->arrayTemplates;
    EXPECT_EQ(std::count_if(arrays.begin(), arrays.end(), [](const auto& a) { return a.name == "Label"; }), 1);
    EXPECT_EQ(windowControlCountGetter(window.get(), 0), 3);
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
    std::string stream = templateStream(window, windowProperties("Order", 200, 100),
                                        {{canvas, controlProperties("First", 0, 0, 20, 20)},
                                         {canvas, controlProperties("Second", 20, 0, 20, 20)}});
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

// A binder class whose "bind" method records what it joins; subclasses find it up the chain.
int32_t binderClass()
{
    static int32_t index = -1;
    if (index >= 0)
        return index;
    static MethodEntry bind{nullptr, stringFromText("Bind"), reinterpret_cast<void*>(&recordBinding), nullptr, 0};
    ClassDescriptor* binder = classCreate();
    binder->methods = &bind;
    index = testClass(binder, {});
    return index;
}

void writeBinding(std::string& stream, int32_t source, const std::string& sourceInterface, int32_t target,
                  int32_t binder)
{
    writeNumber(stream, source);
    writeText(stream, "value");
    writeNumber(stream, target);
    writeText(stream, "value");
    writeNumber(stream, binder);
    writeText(stream, sourceInterface);
    writeText(stream, "");
}

TEST_F(Templates, BindingsJoinTheirControlsThroughTheBindersMethod)
{
    std::string stream = templateStream(windowClass, windowProperties("Bound", 200, 100),
                                        {{textClass, controlProperties("Text1", 10, 10, 80, 20)},
                                         {textClass, controlProperties("Text2", 10, 40, 80, 20)}});
    stream.pop_back();   // the binding count of none
    writeNumber(stream, 2);
    writeBinding(stream, 0, "", 1, binderClass());
    writeBinding(stream, 1, "NoSuchInterface", 0, binderClass());   // cannot be resolved: skipped
    recordedEvents().clear();
    ASSERT_NE(openWindow(stream), nullptr);
    EXPECT_EQ(recordedOnly({"Bind"}), std::vector<std::string>{"Text1.Bind Text2"});
}

} // namespace
