// The strokes the controls draw with, each making and deleting its own pens and brushes.
#pragma once

// Header-only owners shared with the runtime's graphics; nothing of the runtime is linked.
#include "graphics/gdiobjects.h"
#include "plugins/kolactl/rules.h"

#include <windows.h>

namespace kola {

inline RECT rectOf(PaneRect bounds)
{
    return RECT{bounds.left, bounds.top, bounds.right, bounds.bottom};
}

void drawLine(HDC dc, Line line, COLORREF colour);
// A line with the pen the context holds.
void drawLineWithCurrentPen(HDC dc, Line line);
void fillWithSystemColour(HDC dc, RECT area, int colourIndex);
void frameWithStockBrush(HDC dc, RECT area, int stockBrush);
// A face-coloured panel with a one-pixel edge, raised or sunk.
void drawPanel(HDC dc, RECT area, bool raised);
void fillTriangle(HDC dc, const Triangle& triangle, int stockBrush);

} // namespace kola
