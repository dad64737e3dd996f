// The opaque pixels of a transparent picture as a region, for devices that cannot combine
// what they paint with what is there (printers): the image is copied through it instead of
// through the mask's raster operations.
#include "graphics/picturemaskregion.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// Source pixels to device pixels: the destination's corners in device pixels, spread over the
// source area (either may run backwards: a flipped copy).
struct SourceToDevice {
    POINT from;
    POINT to;
    PictureArea source;

    int32_t x(int32_t sourceX) const
    {
        return from.x + static_cast<int32_t>(int64_t(sourceX - source.x) * (to.x - from.x) / source.width);
    }
    int32_t y(int32_t sourceY) const
    {
        return from.y + static_cast<int32_t>(int64_t(sourceY - source.y) * (to.y - from.y) / source.height);
    }
    RECT rect(int32_t left, int32_t top, int32_t right, int32_t bottom) const
    {
        int32_t x1 = x(left), x2 = x(right), y1 = y(top), y2 = y(bottom);
        return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
    }
};

// One rectangle per run of opaque pixels in a row of the source area.
void addRowRuns(const uint32_t* row, int32_t y, int32_t begin, int32_t end, const SourceToDevice& map,
                std::vector<RECT>& rects)
{
    for (int32_t x = begin; x < end;) {
        while (x < end && (row[x] & 0xFFFFFF) != 0)
            ++x;
        int32_t start = x;
        while (x < end && (row[x] & 0xFFFFFF) == 0)
            ++x;
        if (start < x)
            rects.push_back(map.rect(start, y, x, y + 1));
    }
}

HRGN regionOf(const std::vector<RECT>& rects)
{
    std::vector<uint8_t> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
    *header = {sizeof(RGNDATAHEADER), RDH_RECTANGLES, static_cast<DWORD>(rects.size()), 0, {0, 0, 0, 0}};
    std::copy(rects.begin(), rects.end(), reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER)));
    return ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<const RGNDATA*>(data.data()));
}

} // namespace

bool pictureDevicePaintsOnly(HDC dc)
{
    int technology = GetDeviceCaps(dc, TECHNOLOGY);
    return technology == DT_RASPRINTER || technology == DT_PLOTTER;
}

HRGN pictureOpaqueRegion(HDC dc, HBITMAP mask, const PictureArea& destination, const PictureArea& source)
{
    DIBSECTION section = {};
    if (!source.width || !source.height || GetObjectA(mask, sizeof section, &section) != sizeof section)
        return nullptr;
    const auto* bits = static_cast<const uint32_t*>(section.dsBm.bmBits);
    int32_t width = section.dsBm.bmWidth, height = section.dsBm.bmHeight;
    POINT corners[2] = {{destination.x, destination.y},
                        {destination.x + destination.width, destination.y + destination.height}};
    LPtoDP(dc, corners, 2);
    SourceToDevice map = {corners[0], corners[1], source};
    int32_t left = std::max(0, std::min(source.x, source.x + source.width));
    int32_t right = std::min(width, std::max(source.x, source.x + source.width));
    int32_t top = std::max(0, std::min(source.y, source.y + source.height));
    int32_t bottom = std::min(height, std::max(source.y, source.y + source.height));
    std::vector<RECT> rects;
    for (int32_t y = top; y < bottom; ++y)
        addRowRuns(bits + size_t(y) * size_t(width), y, left, right, map, rects);
    return rects.empty() ? nullptr : regionOf(rects);
}
