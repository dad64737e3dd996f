// The strokes the controls draw with, each making and deleting its own pens and brushes.
#include "plugins/kolactl/gdi.h"

namespace kola {

void drawLine(HDC dc, Line line, COLORREF colour)
{
    OwnedPen pen(CreatePen(PS_SOLID, 1, colour));
    Selection selected(dc, pen.get());
    drawLineWithCurrentPen(dc, line);
}

void drawLineWithCurrentPen(HDC dc, Line line)
{
    MoveToEx(dc, line.from.x, line.from.y, nullptr);
    LineTo(dc, line.to.x, line.to.y);
}

void fillWithSystemColour(HDC dc, RECT area, int colourIndex)
{
    OwnedBrush brush(CreateSolidBrush(GetSysColor(colourIndex)));
    FillRect(dc, &area, brush.get());
}

void frameWithStockBrush(HDC dc, RECT area, int stockBrush)
{
    FrameRect(dc, &area, static_cast<HBRUSH>(GetStockObject(stockBrush)));
}

void drawPanel(HDC dc, RECT area, bool raised)
{
    fillWithSystemColour(dc, area, COLOR_BTNFACE);
    COLORREF light = GetSysColor(COLOR_3DHILIGHT), dark = GetSysColor(COLOR_BTNSHADOW);
    COLORREF topLeft = raised ? light : dark, bottomRight = raised ? dark : light;
    LONG right = area.right - 1, bottom = area.bottom - 1;
    drawLine(dc, {{area.left, bottom}, {area.left, area.top}}, topLeft);
    drawLine(dc, {{area.left, area.top}, {right, area.top}}, topLeft);
    drawLine(dc, {{area.left, bottom}, {area.right, bottom}}, bottomRight);
    drawLine(dc, {{right, area.top}, {right, bottom}}, bottomRight);
}

void fillTriangle(HDC dc, const Triangle& triangle, int stockBrush)
{
    Selection brush(dc, GetStockObject(stockBrush));
    // Outlined in the brush's own colour, so the arrow is the same shape enabled or not.
    OwnedPen edge(CreatePen(PS_SOLID, 1, stockBrush == BLACK_BRUSH ? RGB(0, 0, 0) : RGB(192, 192, 192)));
    Selection pen(dc, edge.get());
    Polygon(dc, triangle.corners, 3);
}

} // namespace kola
