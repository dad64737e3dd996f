// The printed page: what the printer's device context says of its paper, and the page's
// geometry in the units a print job draws in.
#include "graphics/printerpage.h"

#include "graphics/printersetup.h"

#include <algorithm>

namespace {

// value × units / perInch in 64 bits, truncated toward zero and held to 32 bits.
int32_t scaled(int64_t value, int64_t units, int64_t perInch)
{
    int64_t result = value * units / perInch;
    return static_cast<int32_t>(std::clamp<int64_t>(result, INT32_MIN, INT32_MAX));
}

int32_t held(int64_t value)
{
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

} // namespace

bool printerPageOf(HDC dc, PrinterPage& page)
{
    page = {GetDeviceCaps(dc, LOGPIXELSX),     GetDeviceCaps(dc, LOGPIXELSY),      GetDeviceCaps(dc, PHYSICALWIDTH),
            GetDeviceCaps(dc, PHYSICALHEIGHT), GetDeviceCaps(dc, PHYSICALOFFSETX), GetDeviceCaps(dc, PHYSICALOFFSETY)};
    return page.dpiX > 0 && page.dpiY > 0;
}

// Margins are whole inches: an inch is `horizontal` units across, whatever the device's pixels.
PrinterLayout printerLayout(const PrinterPage& page, int32_t horizontal, int32_t vertical,
                            const PrinterMargins& margins)
{
    int64_t printableWidth = int64_t(page.physicalWidth) - 2 * int64_t(page.offsetX);
    int64_t printableHeight = int64_t(page.physicalHeight) - 2 * int64_t(page.offsetY);
    PrinterLayout layout;
    layout.originX = held(int64_t(margins.left) * horizontal);
    layout.originY = held(int64_t(margins.top) * vertical);
    layout.width =
        held(scaled(printableWidth, horizontal, page.dpiX) - (int64_t(margins.left) + margins.right) * horizontal);
    layout.height =
        held(scaled(printableHeight, vertical, page.dpiY) - (int64_t(margins.top) + margins.bottom) * vertical);
    layout.pageLeft = held(-int64_t(layout.originX) - scaled(page.offsetX, horizontal, page.dpiX));
    layout.pageTop = held(-int64_t(layout.originY) - scaled(page.offsetY, vertical, page.dpiY));
    layout.pageWidth = scaled(page.physicalWidth, horizontal, page.dpiX);
    layout.pageHeight = scaled(page.physicalHeight, vertical, page.dpiY);
    layout.deviceClip = {0, 0, held(printableWidth - int64_t(margins.right) * page.dpiX),
                         held(printableHeight - int64_t(margins.bottom) * page.dpiY)};
    return layout;
}

void printerSetMapping(HDC dc, const PrinterPage& page, int32_t horizontal, int32_t vertical)
{
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, scaled(page.physicalWidth, horizontal, page.dpiX),
                   scaled(page.physicalHeight, vertical, page.dpiY), nullptr);
    SetViewportExtEx(dc, page.physicalWidth, page.physicalHeight, nullptr);
}
