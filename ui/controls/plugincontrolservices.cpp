// Services a control plug-in resolves to learn its control's place and to draw it.
#include "ui/controls/plugincontrolservices.h"

#include "graphics/graphics.h"
#include "ui/controls/plugincontrolpane.h"
#include "ui/windows/controlobject.h"
#include "ui/windows/pane.h"

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
    return control ? pluginControlGraphics(control) : nullptr;
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
    if (Pane* pane = control ? paneOfControl(control) : nullptr)
        pane->invalidateRect({left, top, right, bottom});
}
