// The background of a window: its back colour (or the button face) and its backdrop picture.
#include "ui/windows/windowbackground.h"

#include "graphics/gdiobjects.h"
#include "graphics/picturedrawing.h"

COLORREF windowBackgroundColor(const WindowObject* window)
{
    return window && window->hasBackColor ? colorRefFromRgb(window->backColor) : GetSysColor(COLOR_BTNFACE);
}

void paintWindowBackground(WindowObject* window, HDC dc, const RECT& area, int32_t originX, int32_t originY)
{
    OwnedBrush brush(CreateSolidBrush(windowBackgroundColor(window)));
    RECT target = area;
    OffsetRect(&target, -originX, -originY);
    FillRect(dc, &target, brush.get());
    pictureDrawAt(dc, window->backdrop, -originX, -originY);
}

bool windowControlColor(WindowObject* window, HDC dc, LRESULT& brush)
{
    // One brush, made again only when a window of another colour asks: the control paints with
    // it before the next message can come.
    static HBRUSH shared;
    static COLORREF sharedColor;
    if (!window || !window->hasBackColor)
        return false;
    COLORREF color = colorRefFromRgb(window->backColor);
    if (!shared || color != sharedColor) {
        if (shared)
            DeleteObject(shared);
        shared = CreateSolidBrush(color);
        sharedColor = color;
    }
    SetBkMode(dc, TRANSPARENT);
    brush = reinterpret_cast<LRESULT>(shared);
    return true;
}
