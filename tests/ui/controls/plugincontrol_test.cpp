// A control registered by a plug-in, in a window: it is made through its constructor routine,
// painted through its redraw routine and clicked through its mouse routines, in its own
// coordinates.
#include "classes/namedclasses.h"
#include "graphics/graphicsexports.h"
#include "plugins/pluginregistration.h"
#include "tests/ui/controls/controltesting.h"
#include "ui/controls/plugincontrolpane.h"
#include "ui/controls/plugincontrolservices.h"
#include "ui/windows/focus.h"

namespace {

void record(void* instance, const char* what, int32_t x = -1, int32_t y = -1)
{
    std::string at = x < 0 ? "" : " " + std::to_string(x) + "," + std::to_string(y);
    recordEvent(static_cast<ObjectHeader*>(instance), what, at);
}

std::vector<void*> constructed;

ControlEventRecord gaugeEvents[] = {{"Action", 0}};

// Raises the gauge's Action as the plug-in does: through the handler the runtime gives it.
void raiseAction(void* instance)
{
    auto handler = reinterpret_cast<int32_t (*)(void*)>(
        GetEventInstance(static_cast<ObjectHeader*>(instance), gaugeEvents[0].key));
    if (handler)
        handler(instance);
}

// The gauge paints itself red; a click asks for its bounds, raises Action and repaints it.
void gaugeRedraw(void* instance, void* graphics)
{
    record(instance, "redraw");
    auto* g = static_cast<ObjectHeader*>(graphics);
    graphicsForeColorSetter(g, 0, 0xFF0000);
    RuntimeGraphicsFillRect(g, 0, 0, graphicsWidthGetter(g, 0), graphicsHeightGetter(g, 0));
}

int32_t gaugeMouseDown(void* instance, int32_t x, int32_t y)
{
    record(instance, "mouseDown", x, y);
    int16_t bounds[4];
    GetControlBounds(static_cast<ObjectHeader*>(instance), bounds);
    record(instance, "bounds", bounds[1], bounds[0]);
    record(instance, "to", bounds[3], bounds[2]);
    return 1;
}

void gaugeMouseUp(void* instance, int32_t x, int32_t y)
{
    record(instance, "mouseUp", x, y);
    raiseAction(instance);
    KOLAInvalidateControl(static_cast<ObjectHeader*>(instance));
}

ControlBehaviour gaugeBehaviourMade()
{
    ControlBehaviour behaviour{};
    behaviour.slots[slotConstructor] =
        reinterpret_cast<void*>(+[](void* instance) { constructed.push_back(instance); });
    behaviour.slots[slotRedraw] = reinterpret_cast<void*>(gaugeRedraw);
    behaviour.slots[slotMouseDown] = reinterpret_cast<void*>(gaugeMouseDown);
    behaviour.slots[slotMouseDrag] =
        reinterpret_cast<void*>(+[](void* instance, int32_t x, int32_t y) { record(instance, "mouseDrag", x, y); });
    behaviour.slots[slotMouseUp] = reinterpret_cast<void*>(gaugeMouseUp);
    behaviour.slots[slotIdle] = reinterpret_cast<void*>(+[](void* instance) { record(instance, "idle"); });
    return behaviour;
}
const ControlBehaviour gaugeBehaviour = gaugeBehaviourMade();

int32_t gaugeClass()
{
    static ControlDescriptor descriptor{5, "TestGauge", 8, 1}; // takes the focus
    descriptor.behaviour = &gaugeBehaviour;
    descriptor.members.events = gaugeEvents;
    descriptor.members.eventCount = 1;
    PluginRegisterControl(&descriptor);
    pluginControlsSetUp();
    static int32_t index =
        testClass(pluginControlFind("TestGauge"), {{"Action", reinterpret_cast<void*>(recordPlain<"Action">)}});
    return index;
}

class PluginControl : public ControlTest {};

TEST_F(PluginControl, IsMadePaintedAndClickedThroughThePluginsRoutines)
{
    ASSERT_NE(open({{gaugeClass(), controlProperties("Gauge", 20, 30, 100, 60)}}), nullptr);
    EXPECT_EQ(constructed, std::vector<void*>{control("Gauge")});
    RedrawWindow(windowHandleOf(window), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    ASSERT_TRUE(pumpUntil([] { return sawEvent("Gauge.redraw"); }));
    HDC dc = GetDC(windowHandleOf(window));
    EXPECT_EQ(GetPixel(dc, 70, 60), RGB(255, 0, 0));
    EXPECT_NE(GetPixel(dc, 10, 10), RGB(255, 0, 0));
    ReleaseDC(windowHandleOf(window), dc);

    recordedEvents().clear();
    clickAt(windowHandleOf(window), 50, 40);
    ASSERT_TRUE(pumpUntil([] { return sawEvent("Gauge.redraw"); }));
    // Drags come on every tracking round while the button is held, however many that is.
    EXPECT_EQ(recordedIgnoring(concatenated(incidental, {"mouseDrag"})),
              (Events{"Gauge.mouseDown 50,40", "Gauge.bounds 20,30", "Gauge.to 120,90", "Gauge.mouseUp 50,40",
                      "Gauge.Action", "Gauge.redraw"}));
}

TEST_F(PluginControl, TheFocusedControlsIdleRoutineRunsOnEveryPass)
{
    ASSERT_NE(open({{gaugeClass(), controlProperties("Gauge", 20, 30, 100, 60)}}), nullptr);
    pumpFor(100);
    EXPECT_FALSE(sawEvent("Gauge.idle")) << "without the focus";
    RuntimeSetFocus(control("Gauge"));
    EXPECT_TRUE(pumpUntil([] { return sawEvent("Gauge.idle"); }));
}

} // namespace
