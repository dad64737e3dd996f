// BevelButton drawing: the frame, the bevel, the face and the caption.
#include "plugins/kolactl/bevelbutton.h"
#include "plugins/kolactl/gdi.h"

#include <cstring>

namespace kola {

namespace {

// The frame and the bevel's lines at one inset from the bounds.
void drawBevelRing(HDC dc, RECT outer, int inset, COLORREF topLeft, COLORREF bottomRight)
{
    LONG left = outer.left + inset, top = outer.top + inset;
    LONG right = outer.right - 1 - inset, bottom = outer.bottom - 1 - inset;
    drawLine(dc, {{left, bottom}, {left, top}}, topLeft);
    drawLine(dc, {{left, top}, {right, top}}, topLeft);
    drawLine(dc, {{left, bottom}, {right + 1, bottom}}, bottomRight);
    drawLine(dc, {{right, top}, {right, bottom}}, bottomRight);
}

void drawBevel(HDC dc, RECT outer, const BevelData& data, const BevelColours& colours)
{
    frameWithStockBrush(dc, outer, colours.blackFrame ? BLACK_BRUSH : DKGRAY_BRUSH);
    RECT inside{outer.left + 1, outer.top + 1, outer.right - 1, outer.bottom - 1};
    fillWithSystemColour(dc, inside, colours.face);
    COLORREF faceColour = GetSysColor(colours.face);
    if (colours.darkLineTopLeft)
        drawBevelRing(dc, outer, 1, darkGrey, faceColour);
    else
        drawBevelRing(dc, outer, 1, faceColour, darkGrey);
    int first = colours.darkLineTopLeft ? 2 : 1;
    for (int line = 0; line < bevelWidth(data.bevel); ++line)
        drawBevelRing(dc, outer, first + line, GetSysColor(colours.topLeft), GetSysColor(colours.bottomRight));
}

HFONT makeCaptionFont(HDC dc, const BevelData& data)
{
    int length = 0;
    const char* name = stringBytes(data.textFont, &length);
    if (length == 0 || length >= LF_FACESIZE || (length == 6 && _strnicmp(name, "System", 6) == 0))
        return nullptr;
    LOGFONTA font{};
    std::memcpy(font.lfFaceName, name, static_cast<size_t>(length));
    font.lfHeight = data.textSize > 0 ? -MulDiv(data.textSize, GetDeviceCaps(dc, LOGPIXELSY), 72) : 0;
    font.lfWeight = (data.bold & 0xff) ? FW_BOLD : FW_NORMAL;
    font.lfItalic = (data.italic & 0xff) ? 1 : 0;
    font.lfUnderline = (data.underline & 0xff) ? 1 : 0;
    font.lfCharSet = DEFAULT_CHARSET;
    return CreateFontIndirectA(&font);
}

void drawCaptionText(HDC dc, RECT face, const BevelData& data, int offset, int colourIndex)
{
    int length = 0;
    const char* text = stringBytes(data.caption, &length);
    SIZE extent{};
    GetTextExtentPoint32A(dc, text, length, &extent);
    POINT origin = captionOrigin(face, extent, data.captionAlign, data.captionDelta);
    SetTextColor(dc, GetSysColor(colourIndex));
    ExtTextOutA(dc, origin.x + offset, origin.y + offset, ETO_CLIPPED, &face, text, static_cast<UINT>(length), nullptr);
}

void drawCaption(HDC dc, RECT face, const BevelData& data, bool enabled)
{
    GdiObject<HFONT> made(makeCaptionFont(dc, data));
    Selection font(dc, made.get() ? made.get() : GetStockObject(DEFAULT_GUI_FONT));
    int previousMode = SetBkMode(dc, TRANSPARENT);
    UINT previousAlign = SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP); // the caption's origin is its top left
    COLORREF previousColour = GetTextColor(dc);
    if (enabled) {
        drawCaptionText(dc, face, data, 0, COLOR_BTNTEXT);
    } else {
        // Engraved: a highlight one pixel down and right under the shadow-coloured text.
        drawCaptionText(dc, face, data, 1, COLOR_3DHILIGHT);
        drawCaptionText(dc, face, data, 0, COLOR_BTNSHADOW);
    }
    SetTextColor(dc, previousColour);
    SetTextAlign(dc, previousAlign);
    SetBkMode(dc, previousMode);
}

} // namespace

void bevelDraw(void* instance, HDC dc)
{
    if (!dc)
        return;
    const BevelData& data = bevelData(instance);
    PaneRect bounds = controlBounds(instance);
    bool enabled = controlEnabled(instance);
    bool sunk = data.pressed || (data.value & 0xff);
    drawBevel(dc, rectOf(bounds), data, bevelColours(enabled, sunk));
    drawCaption(dc, bevelFace(bounds, data.bevel), data, enabled);
}

void bevelDrawNow(void* instance)
{
    ControlDrawing drawing(instance);
    bevelDraw(instance, graphicsDC(drawing.graphics()));
}

} // namespace kola
