// The controls' geometry and timing rules, as pure functions of their inputs.
#pragma once

#include "plugins/kolactl/pluginabi.h"

#include <windows.h>

#include <cstdint>

namespace kola {

// LittleArrows: a 13 x 23 pair of arrows whatever the control's stated size.
enum ArrowPart : int32_t { arrowNone = 0, arrowUpper = 1, arrowLower = 2 };
constexpr int arrowsWidth = 13, arrowsHeight = 23;

// Which arrow the point is on; arrowNone outside the 13 x 23 area.
ArrowPart arrowPartAt(PaneRect bounds, int x, int y);
// The 11 x 10 face of one arrow.
RECT arrowFace(PaneRect bounds, ArrowPart part);
// The three corners of the arrow drawn on a face, one pixel down and right when pressed.
struct Triangle {
    POINT corners[3];
};
Triangle arrowTriangle(RECT face, ArrowPart part, bool pressed);
// The system colours of a face's left and top edges (first) and bottom and right (second).
struct EdgeColours {
    int first, second;
};
EdgeColours arrowEdgeColours(bool enabled, bool pressed);

// Holding an arrow repeats its event after 400 ms, at most once every 15 ms.
constexpr uint32_t repeatDelayUnits = 25; // in 16-ms units
constexpr uint32_t repeatSpacingMs = 15;
inline uint32_t ticksToUnits(uint32_t ticks)
{
    return ticks >> 4;
}
bool arrowRepeatDue(uint32_t nowTicks, uint32_t pressUnits, uint32_t repeatClock);

// Separator: a shadow line and a highlight line beside it, across the longer side.
struct Line {
    POINT from, to;
};
struct SeparatorLines {
    Line shadow, highlight;
};
SeparatorLines separatorLines(PaneRect bounds);

// BevelButton.
bool insideBounds(PaneRect bounds, int x, int y);
enum ButtonType : int32_t { buttonPush = 0, buttonToggle = 1, buttonSticky = 2 };
bool valueAfterClick(int32_t buttonType, bool value);
enum MenuPlacement : int32_t { menuNone = 0, menuBelow = 1, menuRight = 2 };
// Where the pop-up menu opens, in window pixels.
POINT menuOrigin(PaneRect bounds, int32_t hasMenu);
// Menu rows are numbered from this command upward.
constexpr UINT firstMenuCommand = 1000;

// The colours of a bevelled face as system colour indexes. Outside the dark side of the bevel
// runs one more line of darkGrey: at bottom and right when raised, at top and left when sunk.
constexpr COLORREF darkGrey = RGB(85, 85, 85);
struct BevelColours {
    int face;
    int topLeft, bottomRight; // the bevel's lines
    bool darkLineTopLeft;
    bool blackFrame; // otherwise the frame is dark grey
};
BevelColours bevelColours(bool enabled, bool sunk);
// The bevel's width in pixels for the Bevel property (0 small, 1 normal, 2 large).
int bevelWidth(int32_t bevel);
// The face inside the frame and the bevel.
RECT bevelFace(PaneRect bounds, int32_t bevel);

// Caption alignment on the face: 0 left, 1 right, 2 and 3 centred (3, the default, keeps the
// platform's centring); CaptionDelta moves a left or right caption in from its edge.
POINT captionOrigin(RECT face, SIZE text, int32_t align, int32_t delta);

} // namespace kola
