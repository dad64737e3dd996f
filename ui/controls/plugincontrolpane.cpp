// Panes of the controls that plug-ins register: the pane turns paint, mouse and key messages
// into calls of the plug-in's behaviour routines, in the control's own coordinates.
#include "ui/controls/plugincontrolpane.h"

#include "graphics/graphics.h"
#include "plugins/pluginregistration.h"
#include "ui/controls/controlkinds.h"
#include "ui/controls/plugincontrolservices.h"
#include "ui/windows/controlobject.h"
#include "ui/windows/windowbackground.h"

namespace {

static_assert(sizeof(RectControlObject) <= controlDataOffset, "a plug-in's storage starts after the control's fields");

class PluginControlPane : public DrawnPane {
public:
    PluginControlPane(ObjectHeader* control, const PaneRect& bounds)
        : DrawnPane(control, bounds), plugin(pluginControlOf(control->cls))
    {}

    bool receivesMouse() const override { return true; }
    bool dragsWhileStill() const override { return true; }
    // Etched lines put their light half just past the bounds (a separator one pixel high).
    PaneRect windowArea() const override
    {
        PaneRect area = paneBounds;
        area.right = static_cast<int16_t>(area.right + 1);
        area.bottom = static_cast<int16_t>(area.bottom + 1);
        return area;
    }
    bool acceptsFocus() const override { return plugin->descriptor->flags & 1; }
    // Points reach the plug-in in window pixels, as its bounds are.
    bool mouseDown(int32_t x, int32_t y, int32_t) override
    {
        auto routine = behaviour().routine<MouseDownRoutine>(slotMouseDown);
        return routine && routine(control(), x, y);
    }
    void mouseDrag(int32_t x, int32_t y) override
    {
        if (auto routine = behaviour().routine<MousePointRoutine>(slotMouseDrag))
            routine(control(), x, y);
    }
    void mouseUp(int32_t x, int32_t y) override
    {
        if (auto routine = behaviour().routine<MousePointRoutine>(slotMouseUp))
            routine(control(), x, y);
    }
    // The focused control's idle routine runs on every pass of the event loop.
    void idle() override
    {
        if (auto routine = behaviour().routine<InstanceRoutine>(slotIdle))
            routine(control());
    }
    bool keyDown(int32_t characterCode, int32_t modifiers) override
    {
        auto routine = behaviour().routine<KeyDownRoutine>(slotKeyDown);
        return routine && routine(control(), characterCode, characterCode, modifiers);
    }

protected:
    // The plug-in draws through a Graphics lent for the call; whatever it leaves selected in
    // the device context is undone before the pane draws anything else.
    void drawContent(HDC dc) override
    {
        auto routine = behaviour().routine<RedrawRoutine>(slotRedraw);
        if (!routine)
            return;
        int saved = SaveDC(dc);
        ObjectHeader* graphics =
            pluginControlGraphics(control(), graphicsOwnerLending(control(), dc), windowBackgroundColor(window()));
        routine(control(), graphics);
        graphicsDetach(graphics);
        RuntimeUnlockObject(graphics);
        RestoreDC(dc, saved);
    }

private:
    const ControlBehaviour& behaviour() const
    {
        static const ControlBehaviour none{};
        return plugin && plugin->descriptor->behaviour ? *plugin->descriptor->behaviour : none;
    }

    const PluginControl* plugin;
};

} // namespace

void pluginControlsSetUp()
{
    static size_t readyCount = 0;
    const std::vector<PluginControl>& controls = pluginControls();
    for (; readyCount < controls.size(); ++readyCount)
        classAddRuntimeHandler(controls[readyCount].cls, "CreatePane", accessor(createDrawnPane<PluginControlPane>));
}
