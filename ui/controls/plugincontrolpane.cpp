// Panes of the controls that plug-ins register: the pane turns paint, mouse and key messages
// into calls of the plug-in's behaviour routines, in the control's own coordinates.
#include "ui/controls/plugincontrolpane.h"

#include "graphics/graphics.h"
#include "plugins/pluginregistration.h"
#include "ui/controls/controlkinds.h"
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
    bool acceptsFocus() const override { return plugin->descriptor->flags & 1; }
    bool mouseDown(int32_t x, int32_t y, int32_t) override
    {
        auto routine = behaviour().mouseDown;
        return routine && routine(control(), x - paneBounds.left, y - paneBounds.top);
    }
    void mouseDrag(int32_t x, int32_t y) override
    {
        if (auto routine = behaviour().mouseDrag)
            routine(control(), x - paneBounds.left, y - paneBounds.top);
    }
    void mouseUp(int32_t x, int32_t y) override
    {
        if (auto routine = behaviour().mouseUp)
            routine(control(), x - paneBounds.left, y - paneBounds.top);
    }
    bool keyDown(int32_t characterCode, int32_t modifiers) override
    {
        auto routine = behaviour().keyDown;
        return routine && routine(control(), characterCode, characterCode, modifiers);
    }

protected:
    // The plug-in draws through a Graphics lent for the call; whatever it leaves selected in
    // the device context is undone before the pane draws anything else.
    void drawContent(HDC dc) override
    {
        auto routine = behaviour().redraw;
        if (!routine)
            return;
        int saved = SaveDC(dc);
        COLORREF background = windowBackgroundColor(window());
        ObjectHeader* graphics = graphicsNew(graphicsOwnerLending(control(), dc),
                                             {0, 0, paneBounds.width(), paneBounds.height(), background});
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
