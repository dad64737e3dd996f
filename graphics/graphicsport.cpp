// The drawing port behind a Graphics: its owner and device context, the one current port, the
// font with its cached metrics, the fore colour and the pen.
#include "graphics/graphicsport.h"

#include "base/assertion.h"
#include "graphics/fontcache.h"

namespace {

// The port whose set-up is in its device context now. Switching is what costs: a port drawn
// on again and again keeps its font selected.
GraphicsPort* currentPort;

void selectPortFont(GraphicsPort& port)
{
    HGDIOBJ previous = SelectObject(port.dc, port.font.handle);
    if (!port.dcOwnFont)
        port.dcOwnFont = previous;
}

// Puts the device context's own font back, so that the port's font can go whenever its
// description changes or the port does.
void leaveCurrent(GraphicsPort& port)
{
    if (port.dc && port.dcOwnFont)
        SelectObject(port.dc, port.dcOwnFont);
    port.dcOwnFont = nullptr;
    if (currentPort == &port)
        currentPort = nullptr;
}

void makeCurrent(GraphicsPort& port)
{
    if (currentPort == &port)
        return;
    if (currentPort)
        leaveCurrent(*currentPort);
    currentPort = &port;
    SetBkMode(port.dc, TRANSPARENT);
    SetTextAlign(port.dc, TA_LEFT | TA_BASELINE);
    SetStretchBltMode(port.dc, COLORONCOLOR);
    if (port.font.handle)
        selectPortFont(port);
}

void makeFont(GraphicsPort& port)
{
    GraphicsFont& font = port.font;
    HFONT previous = font.handle;
    font.handle = fontAcquire(font.name ? stringText(font.name) : "System", font.size, font.style & fontBold,
                              font.style & fontItalic, font.style & fontUnderline);
    if (font.handle)
        selectPortFont(port);
    else if (port.dcOwnFont)
        SelectObject(port.dc, port.dcOwnFont);
    if (previous)
        fontRelease(previous);
    font.valid = true;
    font.metricsValid = false;
}

} // namespace

GraphicsPort::GraphicsPort(std::unique_ptr<GraphicsOwner> owner, const GraphicsArea& area)
    : owner(std::move(owner)), area(area)
{
    if (!this->owner)
        assertFailed(assertCategoryRuntime, assertBadCall, "Graphics", __LINE__);
}

GraphicsPort::~GraphicsPort()
{
    graphicsPortDetach(*this);
    if (font.handle)
        fontRelease(font.handle);
    RuntimeUnlockString(font.name);
}

HDC graphicsPortBegin(GraphicsPort& port)
{
    if (!port.dcAsked) {
        port.dcAsked = true;
        port.dc = port.owner ? port.owner->acquireDeviceContext() : nullptr;
    }
    if (port.dc)
        makeCurrent(port);
    return port.dc;
}

const TEXTMETRICA* graphicsPortFont(GraphicsPort& port)
{
    if (!graphicsPortBegin(port))
        return nullptr;
    if (!port.font.valid)
        makeFont(port);
    if (!port.font.metricsValid) {
        GetTextMetricsA(port.dc, &port.font.metrics);
        port.font.metricsValid = true;
    }
    return &port.font.metrics;
}

void graphicsPortDetach(GraphicsPort& port)
{
    leaveCurrent(port);
    if (port.dc)
        port.owner->releaseDeviceContext(port.dc);
    port.dc = nullptr;
    port.dcAsked = true;
}

void graphicsPortNextPage(GraphicsPort& port)
{
    if (!graphicsPortBegin(port))
        return;
    leaveCurrent(port);
    port.owner->nextPage(port.dc);
}

COLORREF graphicsPortForeColor(const GraphicsPort& port)
{
    return RGB(port.foreRed / 257, port.foreGreen / 257, port.foreBlue / 257);
}
