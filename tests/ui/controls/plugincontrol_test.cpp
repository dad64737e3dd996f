// A control registered by a plug-in, in a window: it is made through its constructor routine,
// painted through its redraw routine and clicked through its mouse routines, in its own
// coordinates.
#include "graphics/graphicsexports.h"
#include "host/classes/namedclasses.h"
#include "plugins/pluginregistration.h"
#include "tests/ui/controls/controltesting.h"
#include "ui/controls/plugincontrolpane.h"

namespace {

void record(void* instance, const char* what, int32_t x = -1, int32_t y = -1)
{
    std::string at = x < 0 ? "" : " " + std::to_string(x) + "," + std::to_string(y);
    recordEvent(static_cast<ObjectHeader*>(instance), what, at);
}

std::vector<void*> constructed;

// The gauge paints itself red.
ControlBehaviour gaugeBehaviour{
    [](void* instance) { constructed.push_back(instance); },
    nullptr,
    [](void* instance, void* graphics) {
        record(instance, "redraw");
        auto* g = static_cast<ObjectHeader*>(graphics);
        graphicsForeColorSetter(g, 0, 0xFF0000);
        RuntimeGraphicsFillRect(g, 0, 0, graphicsWidthGetter(g, 0), graphicsHeightGetter(g, 0));
    },
    [](void* instance, int32_t x, int32_t y) {
        record(instance, "mouseDown", x, y);
        return true;
    },
    [](void* instance, int32_t x, int32_t y) { record(instance, "mouseDrag", x, y); },
    [](void* instance, int32_t x, int32_t y) { record(instance, "mouseUp", x, y); },
};

int32_t gaugeClass()
{
    static ControlDescriptor descriptor{5, "TestGauge", 8};
    descriptor.behaviour = &gaugeBehaviour;
    PluginRegisterControl(&descriptor);
    pluginControlsSetUp();
    static int32_t index = testClass(pluginControlFind("TestGauge"), {});
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

    clickAt(windowHandleOf(window), 50, 40);
    ASSERT_TRUE(pumpUntil([] { return sawEvent("Gauge.mouseUp 30,10"); }));
    EXPECT_EQ(recordedOnly({"mouseDown", "mouseDrag", "mouseUp"}),
              (Events{"Gauge.mouseDown 30,10", "Gauge.mouseUp 30,10"}));
}

} // namespace
