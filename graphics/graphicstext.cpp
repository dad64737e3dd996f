// Text on a Graphics: strings drawn from their baseline, their width and the font's height
// and ascent.
#include "graphics/graphics.h"
#include "graphics/graphicsexports.h"
#include "graphics/textblock.h"

#include <string_view>

namespace {

constexpr int32_t blockBottom = 32767;

std::string_view textOf(const StringRecord* text)
{
    return {stringText(text), static_cast<size_t>(stringLength(text))};
}

// Each line on its own baseline, one line height below the one before, with the port's
// alignment: no width limits it.
void drawLines(const GraphicsDrawing& drawing, std::string_view text, int32_t x, int32_t y, int32_t lineHeight)
{
    int32_t baseline = drawing.y(y);
    textForEachLine(text, [&](std::string_view line) {
        if (!line.empty())
            TextOutA(drawing.dc, drawing.x(x), baseline, line.data(), static_cast<int>(line.size()));
        baseline += lineHeight;
    });
}

// The block's top is the first line's baseline less the ascent; the port keeps its baseline
// alignment for everything else.
void drawWrapped(const GraphicsDrawing& drawing, std::string_view text, int32_t x, int32_t y, int32_t wrap,
                 int32_t ascent)
{
    RECT area = {drawing.x(x), drawing.y(y) - ascent, drawing.x(x) + wrap, blockBottom};
    SetTextAlign(drawing.dc, TA_LEFT | TA_TOP);
    textBlockDraw(drawing.dc, text, area, TextBlockAlign::left);
    SetTextAlign(drawing.dc, TA_LEFT | TA_BASELINE);
}

} // namespace

// A wrap width of 0 or less never breaks a line, however long: the lines are drawn one by one
// rather than as a block of some large width, which would still break a longer one (and the
// system's block drawing may drop the end of a very long line).
extern "C" void RuntimeGraphicsDrawString(ObjectHeader* g, StringRecord* text, int32_t x, int32_t y, int32_t wrap)
{
    GraphicsPort* port = graphicsPortOf(g);
    const TEXTMETRICA* metrics = port && text ? graphicsPortFont(*port) : nullptr;
    if (!metrics)
        return;
    GraphicsDrawing drawing(g);
    COLORREF previous = SetTextColor(drawing.dc, graphicsPortForeColor(*port));
    if (wrap > 0)
        drawWrapped(drawing, textOf(text), x, y, wrap, metrics->tmAscent);
    else
        drawLines(drawing, textOf(text), x, y, metrics->tmHeight);
    SetTextColor(drawing.dc, previous);
}

extern "C" int32_t RuntimeGraphicsStringWidth(ObjectHeader* g, StringRecord* text)
{
    GraphicsPort* port = graphicsPortOf(g);
    if (!port || !text || !graphicsPortFont(*port))
        return 0;
    SIZE extent = {};
    GetTextExtentPoint32A(port->dc, stringText(text), stringLength(text), &extent);
    return extent.cx;
}

extern "C" int32_t RuntimeGraphicsTextHeight(ObjectHeader* g)
{
    GraphicsPort* port = graphicsPortOf(g);
    const TEXTMETRICA* metrics = port ? graphicsPortFont(*port) : nullptr;
    return metrics ? metrics->tmHeight : 0;
}

extern "C" int32_t RuntimeGraphicsTextAscent(ObjectHeader* g)
{
    GraphicsPort* port = graphicsPortOf(g);
    const TEXTMETRICA* metrics = port ? graphicsPortFont(*port) : nullptr;
    return metrics ? metrics->tmAscent : 0;
}
