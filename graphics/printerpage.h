// The printed page: what the printer's device context says of its paper, and the page's
// geometry in the units a print job draws in.
#pragma once

#include <windows.h>

#include <cstdint>

// Device pixels: the paper, the unprintable offsets of its top-left corner, and the pixels
// per inch. A device context's own (0, 0) is the printable corner.
struct PrinterPage {
    int32_t dpiX, dpiY;
    int32_t physicalWidth, physicalHeight;
    int32_t offsetX, offsetY;
};

// False when the device context reports no resolution (nothing can be scaled then).
bool printerPageOf(HDC dc, PrinterPage& page);

struct PrinterMargins;

// The page in job units (`horizontal` and `vertical` units per inch). The drawing origin is
// the printable corner moved in by the left and top margins; `width` and `height` are what
// lies between the margins; `pageLeft` and `pageTop` are where the paper's edge lies from the
// origin (0 or less).
struct PrinterLayout {
    int32_t originX, originY;
    int32_t width, height;
    int32_t pageLeft, pageTop;
    int32_t pageWidth, pageHeight;
    RECT deviceClip; // the printable area less the right and bottom margins, in device pixels
};

PrinterLayout printerLayout(const PrinterPage& page, int32_t horizontal, int32_t vertical,
                            const PrinterMargins& margins);

// One logical unit is 1/horizontal inch across and 1/vertical inch down, from the printable
// corner. A new page starts without it: it is set again on each.
void printerSetMapping(HDC dc, const PrinterPage& page, int32_t horizontal, int32_t vertical);
