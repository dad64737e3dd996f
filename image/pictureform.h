// The picture form carried in the application image: 16 bits per pixel, rows top to bottom. The
// resource generator writes it from PNG files and the graphics read it, both from this one
// header; it stays free of Win32 for the tools.
#pragma once

#include <cstdint>

// Header: four u32 little-endian words, at these offsets. Then the rows, each padded with zeros
// to a multiple of 4 bytes; the byte count is that of the padded rows.
constexpr uint32_t pictureBitsWord = 0, pictureWidthWord = 4, pictureHeightWord = 8, pictureByteCountWord = 12;
constexpr uint32_t pictureHeaderBytes = 16;
constexpr uint32_t pictureBitsPerPixel = 16;

// A pixel: a little-endian 16-bit value with five bits of each component.
constexpr uint32_t pictureRedShift = 10, pictureGreenShift = 5, pictureBlueShift = 0;
constexpr uint32_t pictureComponentMask = 0x1F; // also the largest value of a component
constexpr uint32_t picturePixelBytes = 2;

// The bytes of one row of `width` pixels with its padding.
constexpr uint64_t pictureRowBytes(uint32_t width)
{
    return (uint64_t(width) * picturePixelBytes + 3) / 4 * 4;
}
