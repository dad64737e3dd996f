// LittleArrows: an up and a down arrow that fire Up and Down, repeating while held.
#include "plugins/kolactl/controls.h"
#include "plugins/kolactl/gdi.h"
#include "plugins/kolactl/services.h"

#include <cstdint>

namespace kola {

namespace {

struct ArrowsData {
    uint32_t reserved;
    int32_t pressedPart;
    int32_t drawnPart;
    uint32_t pressUnits; // the tick count of the press in 16-ms units
};
static_assert(sizeof(ArrowsData) == 16);

ControlEventRecord arrowEvents[] = {{"Up", 0}, {"Down", 0}};
// The tick count of the last repeated Up and Down, shared by every LittleArrows.
uint32_t repeatClocks[2] = {0, 0};

ArrowsData& dataOf(void* instance)
{
    return controlData<ArrowsData>(instance, littleArrowsDescriptor());
}

void drawFace(HDC dc, PaneRect bounds, ArrowPart part, bool enabled, bool pressed)
{
    RECT face = arrowFace(bounds, part);
    fillWithSystemColour(dc, face, COLOR_BTNFACE);
    EdgeColours edges = arrowEdgeColours(enabled, pressed);
    COLORREF first = GetSysColor(edges.first), second = GetSysColor(edges.second);
    LONG right = face.right - 1, bottom = face.bottom - 1;
    drawLine(dc, {{face.left, bottom}, {face.left, face.top}}, first);
    drawLine(dc, {{face.left, face.top}, {face.right, face.top}}, first);
    drawLine(dc, {{face.left, bottom}, {face.right, bottom}}, second);
    drawLine(dc, {{right, face.top}, {right, bottom}}, second);
    fillTriangle(dc, arrowTriangle(face, part, pressed), enabled ? BLACK_BRUSH : LTGRAY_BRUSH);
}

void drawArrows(void* instance, HDC dc, bool enabled, int32_t pressedPart)
{
    if (!dc)
        return;
    PaneRect bounds = controlBounds(instance);
    RECT whole{bounds.left, bounds.top, bounds.left + arrowsWidth, bounds.top + arrowsHeight};
    frameWithStockBrush(dc, whole, enabled ? BLACK_BRUSH : DKGRAY_BRUSH);
    drawLineWithCurrentPen(dc, {{bounds.left, bounds.top + 11}, {bounds.left + 12, bounds.top + 11}});
    drawFace(dc, bounds, arrowUpper, enabled, pressedPart == arrowUpper);
    drawFace(dc, bounds, arrowLower, enabled, pressedPart == arrowLower);
}

void drawOutsideRedraw(void* instance, int32_t pressedPart)
{
    ControlDrawing drawing(instance);
    drawArrows(instance, graphicsDC(drawing.graphics()), true, pressedPart);
}

void redraw(void* instance, void* graphics)
{
    ArrowsData& data = dataOf(instance);
    drawArrows(instance, graphicsDC(graphics), controlEnabled(instance), data.pressedPart);
    data.drawnPart = data.pressedPart;
}

void repaint(void* instance)
{
    ControlDrawing drawing(instance);
    drawArrows(instance, graphicsDC(drawing.graphics()), controlEnabled(instance), dataOf(instance).pressedPart);
}

int32_t mouseDown(void* instance, int32_t x, int32_t y)
{
    if (!controlEnabled(instance))
        return 0;
    ArrowPart part = arrowPartAt(controlBounds(instance), x, y);
    if (part == arrowNone)
        return 0;
    ArrowsData& data = dataOf(instance);
    data.pressUnits = ticksToUnits(GetTickCount());
    raiseEvent(instance, arrowEvents[part - 1]);
    data.pressedPart = part;
    drawOutsideRedraw(instance, part);
    data.drawnPart = part;
    return 1;
}

void repeatIfDue(void* instance, ArrowPart part)
{
    uint32_t now = GetTickCount();
    uint32_t& clock = repeatClocks[part - 1];
    if (!arrowRepeatDue(now, dataOf(instance).pressUnits, clock))
        return;
    clock = now;
    raiseEvent(instance, arrowEvents[part - 1]);
}

void mouseDrag(void* instance, int32_t x, int32_t y)
{
    ArrowsData& data = dataOf(instance);
    ArrowPart part = arrowPartAt(controlBounds(instance), x, y);
    if (part != arrowNone && part == data.pressedPart) {
        if (data.drawnPart != part) {
            drawOutsideRedraw(instance, part);
            data.drawnPart = part;
        }
        repeatIfDue(instance, part);
    } else if (data.drawnPart != arrowNone) {
        drawOutsideRedraw(instance, arrowNone);
        data.drawnPart = arrowNone;
    }
}

void mouseUp(void* instance, int32_t, int32_t)
{
    dataOf(instance).pressedPart = arrowNone;
    drawOutsideRedraw(instance, arrowNone);
}

const ControlBehaviour behaviour = behaviourOf({{slotRedraw, redraw},
                                                {slotMouseDown, mouseDown},
                                                {slotMouseDrag, mouseDrag},
                                                {slotMouseUp, mouseUp},
                                                {slotRepaint, repaint}});

} // namespace

ControlDescriptor& littleArrowsDescriptor()
{
    static ControlDescriptor descriptor{
        descriptorVersion, "LittleArrows", sizeof(ArrowsData), 16, 0, 0, 13, 23, nullptr, 0, nullptr, 0, arrowEvents, 2,
        &behaviour};
    return descriptor;
}

} // namespace kola
