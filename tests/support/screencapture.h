// Pictures of windows as they are on the screen, and writing them as BMP files to look at.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct Capture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels; // 0x00RRGGBB, top row first

    uint32_t at(int32_t x, int32_t y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};

// The client area of a window, of this program or another, as it is seen on the screen
// (its child windows included).
Capture captureClient(HWND window);
// The whole window with its frame, title and menu bar.
Capture captureWindow(HWND window);
void writeBmp(const std::string& path, const Capture& capture);
