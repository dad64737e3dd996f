// Panes of the controls that plug-ins register: the pane turns paint, mouse and key messages
// into calls of the plug-in's behaviour routines. A plug-in places everything in window
// coordinates (its bounds come from GetControlBounds), so its mouse points are window points
// and its drawing contexts are moved to put the window's origin where it lies.
#include "ui/controls/plugincontrolpane.h"

#include "graphics/graphics.h"
#include "plugins/pluginregistration.h"
#include "ui/controls/controlkinds.h"
#include "ui/windows/controlobject.h"
#include "ui/windows/windowbackground.h"

namespace {

// Moves a device context of the pane's child window so that window coordinates land on it.
void drawInWindowCoordinates(HDC dc, const PaneRect& paneBounds)
{
    OffsetViewportOrgEx(dc, -paneBounds.left, -paneBounds.top, nullptr);
}

// The device context of the pane's child window, fetched on the first drawing.
class PaneDeviceContext : public GraphicsOwner {
public:
    PaneDeviceContext(ObjectHeader* control, Pane* pane) : GraphicsOwner(control), pane(pane) {}
    HDC acquireDeviceContext() override
    {
        HDC dc = pane->handle() ? GetDC(pane->handle()) : nullptr;
        if (dc)
            drawInWindowCoordinates(dc, pane->bounds());
        return dc;
    }
    void releaseDeviceContext(HDC dc) override { ReleaseDC(pane->handle(), dc); }

private:
    Pane* pane;
};

static_assert(sizeof(RectControlObject) <= controlDataOffset, "a plug-in's storage starts after the control's fields");

class PluginControlPane : public DrawnPane {
public:
    PluginControlPane(ObjectHeader* control, const PaneRect& bounds)
        : DrawnPane(control, bounds), plugin(pluginControlOf(control->cls))
    {}

    bool receivesMouse() const override { return true; }
    // A plug-in control times its own repeats from the drags it is given.
    bool dragsWhileStill() const override { return true; }
    bool acceptsFocus() const override { return plugin->descriptor->flags & 1; }
    bool mouseDown(int32_t x, int32_t y, int32_t) override
    {
        auto routine = behaviour().mouseDown;
        return routine && routine(control(), x, y);
    }
    void mouseDrag(int32_t x, int32_t y) override
    {
        if (auto routine = behaviour().mouseDrag)
            routine(control(), x, y);
    }
    void mouseUp(int32_t x, int32_t y) override
    {
        if (auto routine = behaviour().mouseUp)
            routine(control(), x, y);
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
        drawInWindowCoordinates(dc, paneBounds);
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

ObjectHeader* pluginControlGraphics(ObjectHeader* control)
{
    Pane* pane = paneOfControl(control);
    if (!pane)
        return nullptr;
    COLORREF background = windowBackgroundColor(pane->window());
    return graphicsNew(std::make_unique<PaneDeviceContext>(control, pane),
                       {0, 0, pane->bounds().width(), pane->bounds().height(), background});
}

void pluginControlsSetUp()
{
    static size_t readyCount = 0;
    const std::vector<PluginControl>& controls = pluginControls();
    for (; readyCount < controls.size(); ++readyCount)
        classAddRuntimeHandler(controls[readyCount].cls, "CreatePane", accessor(createDrawnPane<PluginControlPane>));
}
