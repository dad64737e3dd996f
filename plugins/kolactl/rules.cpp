// The controls' geometry and timing rules, as pure functions of their inputs.
#include "plugins/kolactl/rules.h"

namespace kola {

ArrowPart arrowPartAt(PaneRect bounds, int x, int y)
{
    if (x < bounds.left || x >= bounds.left + arrowsWidth || y < bounds.top || y >= bounds.top + arrowsHeight)
        return arrowNone;
    return y < bounds.top + 12 ? arrowUpper : arrowLower;
}

RECT arrowFace(PaneRect bounds, ArrowPart part)
{
    int top = bounds.top + (part == arrowLower ? 12 : 1);
    return RECT{bounds.left + 1, top, bounds.left + 12, top + 10};
}

Triangle arrowTriangle(RECT face, ArrowPart part, bool pressed)
{
    int x = face.left + (pressed ? 1 : 0), y = face.top + (pressed ? 1 : 0);
    int tip = part == arrowUpper ? 3 : 6, base = part == arrowUpper ? 6 : 3;
    return Triangle{{{x + 2, y + base}, {x + 5, y + tip}, {x + 8, y + base}}};
}

EdgeColours arrowEdgeColours(bool enabled, bool pressed)
{
    if (!enabled)
        return {COLOR_BTNFACE, COLOR_BTNFACE};
    if (pressed)
        return {COLOR_BTNSHADOW, COLOR_BTNFACE};
    return {COLOR_3DHILIGHT, COLOR_BTNSHADOW};
}

bool arrowRepeatDue(uint32_t nowTicks, uint32_t pressUnits, uint32_t repeatClock)
{
    return ticksToUnits(nowTicks) > pressUnits + repeatDelayUnits && nowTicks > repeatClock + repeatSpacingMs;
}

SeparatorLines separatorLines(PaneRect bounds)
{
    if (bounds.right - bounds.left > bounds.bottom - bounds.top) {
        int m = (bounds.top + bounds.bottom) / 2;
        return {{{bounds.left, m}, {bounds.right, m}}, {{bounds.left, m + 1}, {bounds.right, m + 1}}};
    }
    int m = (bounds.left + bounds.right) / 2;
    return {{{m, bounds.top}, {m, bounds.bottom}}, {{m + 1, bounds.top}, {m + 1, bounds.bottom}}};
}

bool insideBounds(PaneRect bounds, int x, int y)
{
    return bounds.left <= x && x < bounds.right && bounds.top <= y && y < bounds.bottom;
}

bool valueAfterClick(int32_t buttonType, bool value)
{
    if (buttonType == buttonToggle)
        return !value;
    return buttonType == buttonSticky ? true : value;
}

POINT menuOrigin(PaneRect bounds, int32_t hasMenu)
{
    if (hasMenu == menuRight)
        return POINT{bounds.right, bounds.top};
    return POINT{bounds.left, bounds.bottom};
}

BevelColours bevelColours(bool enabled, bool sunk)
{
    BevelColours colours{sunk ? COLOR_BTNSHADOW : COLOR_BTNFACE, COLOR_3DHILIGHT, COLOR_BTNSHADOW, sunk, enabled};
    if (sunk) {
        colours.topLeft = COLOR_BTNSHADOW;
        colours.bottomRight = COLOR_3DHILIGHT;
    }
    return colours;
}

int bevelWidth(int32_t bevel)
{
    if (bevel <= 0)
        return 1;
    return bevel >= 2 ? 3 : 2;
}

RECT bevelFace(PaneRect bounds, int32_t bevel)
{
    // One pixel of frame, the bevel, and the extra dark line, which changes sides when pressed.
    int inset = 2 + bevelWidth(bevel);
    return RECT{bounds.left + inset, bounds.top + inset, bounds.right - inset, bounds.bottom - inset};
}

POINT captionOrigin(RECT face, SIZE text, int32_t align, int32_t delta)
{
    int y = face.top + (face.bottom - face.top - text.cy) / 2;
    if (align == 0)
        return POINT{face.left + delta, y};
    if (align == 1)
        return POINT{face.right - text.cx - delta, y};
    return POINT{face.left + (face.right - face.left - text.cx) / 2, y};
}

} // namespace kola
