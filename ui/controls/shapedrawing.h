// What the drawn shapes share: a border pen (none for width 0) and the fill brush.
#pragma once

#include "graphics/gdiobjects.h"

#include <cstdint>

inline HPEN makeBorderPen(int32_t width, int32_t rgb)
{
    if (width <= 0)
        return nullptr;
    return CreatePen(PS_INSIDEFRAME, width, colorRefFromRgb(rgb));
}

// Draws `shape(dc)` with the fill colour and the border; the pen and brush are gone after.
template <typename Shape>
void drawFramedShape(HDC dc, int32_t fillColor, int32_t borderWidth, int32_t borderColor, Shape shape)
{
    OwnedBrush brush(CreateSolidBrush(colorRefFromRgb(fillColor)));
    OwnedPen pen(makeBorderPen(borderWidth, borderColor));
    Selection brushSelected(dc, brush.get());
    Selection penSelected(dc, pen.get() ? static_cast<HGDIOBJ>(pen.get()) : GetStockObject(NULL_PEN));
    shape(dc);
}
