// Services a control plug-in resolves to learn its control's place and to draw it.
#include "ui/controls/plugincontrolservices.h"

#include "graphics/graphics.h"
#include "ui/windows/controlobject.h"
#include "ui/windows/panegraphics.h"
#include "ui/windows/windowbackground.h"

namespace {

// Lends its owner's device context with the viewport moved by the control's place.
class WindowCoordinatesOwner : public GraphicsOwner {
public:
    WindowCoordinatesOwner(std::unique_ptr<GraphicsOwner> inner, POINT place)
        : GraphicsOwner(inner->object()), inner(std::move(inner)), place(place)
    {}
    HDC acquireDeviceContext() override
    {
        HDC dc = inner->acquireDeviceContext();
        if (dc)
            OffsetViewportOrgEx(dc, -place.x, -place.y, nullptr);
        return dc;
    }
    void releaseDeviceContext(HDC dc) override
    {
        OffsetViewportOrgEx(dc, place.x, place.y, nullptr);
        inner->releaseDeviceContext(dc);
    }

private:
    std::unique_ptr<GraphicsOwner> inner;
    POINT place;
};

} // namespace

ObjectHeader* pluginControlGraphics(ObjectHeader* control, std::unique_ptr<GraphicsOwner> owner, COLORREF background)
{
    const PaneRect& bounds = asRectControl(control)->bounds;
    auto shifted = std::make_unique<WindowCoordinatesOwner>(std::move(owner), POINT{bounds.left, bounds.top});
    return graphicsNew(std::move(shifted), {bounds.left, bounds.top, bounds.width(), bounds.height(), background});
}

extern "C" void GetControlBounds(ObjectHeader* control, int16_t* bounds)
{
    if (!control || !bounds)
        return;
    const PaneRect& rect = asRectControl(control)->bounds;
    bounds[0] = static_cast<int16_t>(rect.top);
    bounds[1] = static_cast<int16_t>(rect.left);
    bounds[2] = static_cast<int16_t>(rect.bottom);
    bounds[3] = static_cast<int16_t>(rect.right);
}

extern "C" ObjectHeader* KOLAGetControlGraphics(ObjectHeader* control)
{
    Pane* pane = control ? paneOfControl(control) : nullptr;
    if (!pane)
        return nullptr;
    return pluginControlGraphics(control, graphicsOwnerOfWindow(control, pane->handle()),
                                 windowBackgroundColor(pane->window()));
}

extern "C" HDC KOLAGraphicsDC(ObjectHeader* graphics)
{
    return GraphicsDrawing(graphics).dc;
}

extern "C" void KOLAInvalidateControl(ObjectHeader* control)
{
    if (Pane* pane = control ? paneOfControl(control) : nullptr)
        pane->invalidate();
}

extern "C" void KOLAInvalidateControlRect(ObjectHeader* control, int32_t left, int32_t top, int32_t right,
                                          int32_t bottom)
{
    if (Pane* pane = control ? paneOfControl(control) : nullptr) {
        const PaneRect& place = pane->bounds();
        pane->invalidateRect({left - place.left, top - place.top, right - place.left, bottom - place.top});
    }
}
