// Shapes on a Graphics in its fore colour: lines with the pen, frames and fills of rectangles,
// ovals and rounded rectangles, clearing, single pixels and the system's icons.
#include "graphics/gdiobjects.h"
#include "graphics/graphics.h"
#include "graphics/graphicsexports.h"

#include <algorithm>

namespace {

// The pen is PenWidth by PenHeight pixels: a line is drawn once for each pixel of it, each
// copy that many pixels right and down. Only the copies that can reach the owner's area are
// drawn, so a huge pen costs no more than the area.
struct CopyRange {
    int32_t first;
    int32_t last;
};

CopyRange visibleCopies(int32_t from, int32_t to, int32_t count, int32_t extent)
{
    int64_t first = std::max<int64_t>(0, -int64_t(std::max(from, to)));
    int64_t last = std::min<int64_t>(int64_t(count) - 1, int64_t(extent) - 1 - std::min(from, to));
    return {static_cast<int32_t>(first), static_cast<int32_t>(std::max(last, first - 1))};
}

// The device context's own pen and brush in these colours, for the length of one drawing.
class ColoredPenAndBrush {
public:
    ColoredPenAndBrush(HDC dc, COLORREF pen, HGDIOBJ brush)
        : penSelected(dc, GetStockObject(DC_PEN)), brushSelected(dc, brush)
    {
        SetDCPenColor(dc, pen);
    }

private:
    Selection penSelected;
    Selection brushSelected;
};

HGDIOBJ solidBrush(HDC dc, COLORREF color)
{
    SetDCBrushColor(dc, color);
    return GetStockObject(DC_BRUSH);
}

void fillArea(const GraphicsDrawing& drawing, const RECT& area, COLORREF color)
{
    FillRect(drawing.dc, &area, static_cast<HBRUSH>(solidBrush(drawing.dc, color)));
}

template <typename Shape> void drawShape(ObjectHeader* g, bool filled, Shape shape)
{
    GraphicsDrawing drawing(g);
    if (!drawing)
        return;
    COLORREF color = graphicsPortForeColor(*drawing.port);
    ColoredPenAndBrush tools(drawing.dc, color, filled ? solidBrush(drawing.dc, color) : GetStockObject(NULL_BRUSH));
    shape(drawing);
}

void drawOval(ObjectHeader* g, bool filled, int32_t x, int32_t y, int32_t width, int32_t height)
{
    drawShape(g, filled, [&](const GraphicsDrawing& drawing) {
        RECT r = drawing.rect(x, y, width, height);
        Ellipse(drawing.dc, r.left, r.top, r.right, r.bottom);
    });
}

void drawRoundRect(ObjectHeader* g, bool filled, int32_t x, int32_t y, int32_t width, int32_t height, int32_t ovalWidth,
                   int32_t ovalHeight)
{
    drawShape(g, filled, [&](const GraphicsDrawing& drawing) {
        RECT r = drawing.rect(x, y, width, height);
        RoundRect(drawing.dc, r.left, r.top, r.right, r.bottom, ovalWidth, ovalHeight);
    });
}

void drawSystemIcon(ObjectHeader* g, int32_t x, int32_t y, LPCTSTR icon)
{
    GraphicsDrawing drawing(g);
    if (drawing)
        DrawIcon(drawing.dc, drawing.x(x), drawing.y(y), LoadIcon(nullptr, icon));
}

} // namespace

// The end point is drawn too (LineTo stops short of it).
extern "C" void RuntimeGraphicsDrawLine(ObjectHeader* g, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    drawShape(g, false, [&](const GraphicsDrawing& drawing) {
        const GraphicsPort& port = *drawing.port;
        CopyRange rows = visibleCopies(y1, y2, port.penHeight, port.area.height);
        CopyRange columns = visibleCopies(x1, x2, port.penWidth, port.area.width);
        COLORREF color = graphicsPortForeColor(port);
        for (int32_t down = rows.first; down <= rows.last; ++down) {
            for (int32_t right = columns.first; right <= columns.last; ++right) {
                MoveToEx(drawing.dc, drawing.x(x1) + right, drawing.y(y1) + down, nullptr);
                LineTo(drawing.dc, drawing.x(x2) + right, drawing.y(y2) + down);
                SetPixelV(drawing.dc, drawing.x(x2) + right, drawing.y(y2) + down, color);
            }
        }
    });
}

// The frame runs through all four corners: it is one pixel wider and higher than the fill.
extern "C" void RuntimeGraphicsDrawRect(ObjectHeader* g, int32_t x, int32_t y, int32_t width, int32_t height)
{
    drawShape(g, false, [&](const GraphicsDrawing& drawing) {
        RECT r = drawing.rect(x, y, width, height);
        const POINT corners[] = {
            {r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}, {r.left, r.top}};
        Polyline(drawing.dc, corners, 5);
    });
}

extern "C" void RuntimeGraphicsFillRect(ObjectHeader* g, int32_t x, int32_t y, int32_t width, int32_t height)
{
    GraphicsDrawing drawing(g);
    if (drawing)
        fillArea(drawing, drawing.rect(x, y, width, height), graphicsPortForeColor(*drawing.port));
}

extern "C" void RuntimeGraphicsClearRect(ObjectHeader* g, int32_t x, int32_t y, int32_t width, int32_t height)
{
    GraphicsDrawing drawing(g);
    if (drawing)
        fillArea(drawing, drawing.rect(x, y, width, height), drawing.port->area.background);
}

extern "C" void RuntimeGraphicsDrawOval(ObjectHeader* g, int32_t x, int32_t y, int32_t width, int32_t height)
{
    drawOval(g, false, x, y, width, height);
}

extern "C" void RuntimeGraphicsFillOval(ObjectHeader* g, int32_t x, int32_t y, int32_t width, int32_t height)
{
    drawOval(g, true, x, y, width, height);
}

extern "C" void RuntimeGraphicsDrawRoundRect(ObjectHeader* g, int32_t x, int32_t y, int32_t width, int32_t height,
                                             int32_t ovalWidth, int32_t ovalHeight)
{
    drawRoundRect(g, false, x, y, width, height, ovalWidth, ovalHeight);
}

extern "C" void RuntimeGraphicsFillRoundRect(ObjectHeader* g, int32_t x, int32_t y, int32_t width, int32_t height,
                                             int32_t ovalWidth, int32_t ovalHeight)
{
    drawRoundRect(g, true, x, y, width, height, ovalWidth, ovalHeight);
}

// A point outside the device context's surface reads as black.
extern "C" int32_t graphicsPixelGetter(ObjectHeader* g, int32_t x, int32_t y)
{
    GraphicsDrawing drawing(g);
    COLORREF pixel = drawing ? GetPixel(drawing.dc, drawing.x(x), drawing.y(y)) : CLR_INVALID;
    if (pixel == CLR_INVALID)
        return 0;
    return GetRValue(pixel) << 16 | GetGValue(pixel) << 8 | GetBValue(pixel);
}

extern "C" void graphicsPixelSetter(ObjectHeader* g, int32_t x, int32_t y, int32_t color)
{
    GraphicsDrawing drawing(g);
    if (drawing)
        SetPixelV(drawing.dc, drawing.x(x), drawing.y(y), colorRefFromRgb(color));
}

extern "C" void graphicsDrawStopIcon(ObjectHeader* g, int32_t x, int32_t y)
{
    drawSystemIcon(g, x, y, IDI_HAND);
}

extern "C" void graphicsDrawNoteIcon(ObjectHeader* g, int32_t x, int32_t y)
{
    drawSystemIcon(g, x, y, IDI_ASTERISK);
}

extern "C" void graphicsDrawCautionIcon(ObjectHeader* g, int32_t x, int32_t y)
{
    drawSystemIcon(g, x, y, IDI_EXCLAMATION);
}

extern "C" void RuntimeGraphicsNextPage(ObjectHeader* g)
{
    if (GraphicsPort* port = graphicsPortOf(g))
        graphicsPortNextPage(*port);
}
