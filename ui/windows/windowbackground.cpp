// The background of a window: its back colour (or the button face) and its backdrop picture.
#include "ui/windows/windowbackground.h"

#include "graphics/picture.h"
#include "ui/windows/gdiobjects.h"

void drawPicture(HDC dc, ObjectHeader* picture, int32_t x, int32_t y)
{
    PictureBitmaps bitmaps;
    if (!picture || !pictureBitmaps(picture, bitmaps))
        return;
    MemoryDC source(dc);
    if (bitmaps.mask) {
        Selection mask(source.get(), bitmaps.mask);
        BitBlt(dc, x, y, bitmaps.width, bitmaps.height, source.get(), 0, 0, SRCAND);
    }
    Selection image(source.get(), bitmaps.image);
    BitBlt(dc, x, y, bitmaps.width, bitmaps.height, source.get(), 0, 0, bitmaps.mask ? SRCPAINT : SRCCOPY);
}

void paintWindowBackground(WindowObject* window, HDC dc, const RECT& area, int32_t originX, int32_t originY)
{
    COLORREF color = window->hasBackColor ? colorRefFromRgb(window->backColor) : GetSysColor(COLOR_BTNFACE);
    OwnedBrush brush(CreateSolidBrush(color));
    RECT target = area;
    OffsetRect(&target, -originX, -originY);
    FillRect(dc, &target, brush.get());
    drawPicture(dc, window->backdrop, -originX, -originY);
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
