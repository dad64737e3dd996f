// Pictures copied onto a device context: an opaque picture in one pass, a transparent one in
// two through its mask, so that the background shows where the mask is white.
#include "graphics/picturedrawing.h"

#include "graphics/gdiobjects.h"
#include "graphics/graphics.h"
#include "graphics/graphicsexports.h"
#include "graphics/picture.h"
#include "graphics/picturemaskregion.h"

namespace {

constexpr int32_t ownSize = -10000;

void copyArea(HDC dc, HDC source, const PictureArea& to, const PictureArea& from, DWORD operation)
{
    StretchBlt(dc, to.x, to.y, to.width, to.height, source, from.x, from.y, from.width, from.height, operation);
}

// The image is already selected in a DC while a Graphics draws into the picture: it is copied
// from there, since a bitmap can be selected in one DC only.
void copyImage(HDC dc, const PictureBitmaps& bitmaps, const PictureArea& to, const PictureArea& from, DWORD operation)
{
    if (bitmaps.imageDC) {
        copyArea(dc, bitmaps.imageDC, to, from, operation);
        return;
    }
    MemoryDC source(dc);
    Selection image(source.get(), bitmaps.image);
    copyArea(dc, source.get(), to, from, operation);
}

// The image copied only where the picture is opaque, within whatever clip is in force.
void copyThroughOpaqueRegion(HDC dc, const PictureBitmaps& bitmaps, const PictureArea& destination,
                             const PictureArea& source)
{
    HRGN opaque = pictureOpaqueRegion(dc, bitmaps.mask, destination, source);
    if (!opaque)
        return;
    HRGN previous = CreateRectRgn(0, 0, 0, 0);
    bool clipped = GetClipRgn(dc, previous) == 1;
    if (clipped)
        CombineRgn(opaque, opaque, previous, RGN_AND);
    SelectClipRgn(dc, opaque);
    copyImage(dc, bitmaps, destination, source, SRCCOPY);
    SelectClipRgn(dc, clipped ? previous : nullptr);
    DeleteObject(previous);
    DeleteObject(opaque);
}

void drawBitmaps(HDC dc, const PictureBitmaps& bitmaps, const PictureArea& destination, const PictureArea& source)
{
    if (bitmaps.mask && pictureDevicePaintsOnly(dc)) {
        copyThroughOpaqueRegion(dc, bitmaps, destination, source);
        return;
    }
    if (!bitmaps.mask) {
        copyImage(dc, bitmaps, destination, source, SRCCOPY);
        return;
    }
    {
        MemoryDC maskSource(dc);
        Selection mask(maskSource.get(), bitmaps.mask);
        copyArea(dc, maskSource.get(), destination, source, SRCAND);
    }
    copyImage(dc, bitmaps, destination, source, SRCPAINT);
}

} // namespace

void pictureDraw(HDC dc, ObjectHeader* picture, const PictureArea& destination, const PictureArea& source)
{
    PictureBitmaps bitmaps;
    if (picture && pictureBitmaps(picture, bitmaps))
        drawBitmaps(dc, bitmaps, destination, source);
}

void pictureDrawAt(HDC dc, ObjectHeader* picture, int32_t x, int32_t y)
{
    PictureBitmaps bitmaps;
    if (picture && pictureBitmaps(picture, bitmaps))
        drawBitmaps(dc, bitmaps, {x, y, bitmaps.width, bitmaps.height}, {0, 0, bitmaps.width, bitmaps.height});
}

// -10000 stands for a size not given: the destination takes the picture's own size, the
// source the destination's (so that giving the destination alone copies without stretching).
extern "C" void RuntimeGraphicsDrawPicture(ObjectHeader* g, ObjectHeader* picture, int32_t x, int32_t y, int32_t width,
                                           int32_t height, int32_t sourceX, int32_t sourceY, int32_t sourceWidth,
                                           int32_t sourceHeight)
{
    PictureBitmaps bitmaps;
    if (!picture || !pictureBitmaps(picture, bitmaps))
        return;
    GraphicsDrawing drawing(g);
    if (!drawing)
        return;
    width = width == ownSize ? bitmaps.width : width;
    height = height == ownSize ? bitmaps.height : height;
    sourceWidth = sourceWidth == ownSize ? width : sourceWidth;
    sourceHeight = sourceHeight == ownSize ? height : sourceHeight;
    drawBitmaps(drawing.dc, bitmaps, {drawing.x(x), drawing.y(y), width, height},
                {sourceX, sourceY, sourceWidth, sourceHeight});
}
