// Small owners of the GDI objects the controls make for one drawing call, and the strokes.
#pragma once

#include "plugins/kolactl/rules.h"

#include <windows.h>

namespace kola {

// Owns a pen, brush or font made for one drawing call; deletes it when it goes.
class GdiObject {
public:
    explicit GdiObject(HGDIOBJ handle) : handle_(handle) {}
    ~GdiObject()
    {
        if (handle_)
            DeleteObject(handle_);
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    HGDIOBJ get() const { return handle_; }

private:
    HGDIOBJ handle_;
};

// Selects an object into a context and puts the previous one back when it goes.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(dc_, previous_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

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
