// Rectangles of panes and windows: four signed 16-bit coordinates, top, left, bottom, right.
#pragma once

#include <windows.h>

#include <cstdint>

struct PaneRect {
    int16_t top;
    int16_t left;
    int16_t bottom;
    int16_t right;

    int32_t width() const { return right - left; }
    int32_t height() const { return bottom - top; }
    // Edges included: a rectangle contains itself.
    bool contains(const PaneRect& inner) const
    {
        return inner.left >= left && inner.top >= top && inner.right <= right && inner.bottom <= bottom;
    }
    bool containsPoint(int32_t x, int32_t y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool overlaps(const PaneRect& other) const
    {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
    void offset(int32_t dx, int32_t dy)
    {
        left = static_cast<int16_t>(left + dx);
        right = static_cast<int16_t>(right + dx);
        top = static_cast<int16_t>(top + dy);
        bottom = static_cast<int16_t>(bottom + dy);
    }
    // The position properties of windows and controls: selector 0 Left, 1 Top, 2 Width, 3 Height.
    // Moving keeps the size; sizing keeps the top left corner. Another selector reads 0 and
    // writes nothing (false).
    int32_t position(int32_t selector) const
    {
        switch (selector) {
        case 0:
            return left;
        case 1:
            return top;
        case 2:
            return width();
        case 3:
            return height();
        }
        return 0;
    }
    bool setPosition(int32_t selector, int32_t value)
    {
        switch (selector) {
        case 0:
            offset(value - left, 0);
            return true;
        case 1:
            offset(0, value - top);
            return true;
        case 2:
            right = static_cast<int16_t>(left + value);
            return true;
        case 3:
            bottom = static_cast<int16_t>(top + value);
            return true;
        }
        return false;
    }
    RECT toRect() const { return {left, top, right, bottom}; }
    static PaneRect fromRect(const RECT& r)
    {
        return {static_cast<int16_t>(r.top), static_cast<int16_t>(r.left), static_cast<int16_t>(r.bottom),
                static_cast<int16_t>(r.right)};
    }
};
static_assert(sizeof(PaneRect) == 8);
