// Pictures of windows as they are on the screen, and writing them as BMP files to look at.
#include "tests/support/screencapture.h"

#include <fstream>

namespace {

Capture captureFrom(HDC source, int32_t width, int32_t height)
{
    Capture capture;
    capture.width = width;
    capture.height = height;
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(source);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* pixels = static_cast<const uint32_t*>(bits);
    capture.pixels.assign(pixels, pixels + width * height);
    for (uint32_t& pixel : capture.pixels)
        pixel &= 0xFFFFFF;
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return capture;
}

} // namespace

namespace {

// A rectangle of the screen, where windows are seen with their children as a person sees them.
Capture captureScreenRect(const RECT& area)
{
    int32_t width = area.right - area.left, height = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC part = CreateCompatibleDC(screen);
    HBITMAP whole = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(part, whole);
    BitBlt(part, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    Capture capture = captureFrom(part, width, height);
    SelectObject(part, previous);
    DeleteObject(whole);
    DeleteDC(part);
    ReleaseDC(nullptr, screen);
    return capture;
}

} // namespace

Capture captureClient(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return captureScreenRect(client);
}

Capture captureWindow(HWND window)
{
    RECT outer;
    GetWindowRect(window, &outer);
    return captureScreenRect(outer);
}

void writeBmp(const std::string& path, const Capture& capture)
{
    uint32_t rowBytes = static_cast<uint32_t>(capture.width) * 4;
    uint32_t imageBytes = rowBytes * static_cast<uint32_t>(capture.height);
    BITMAPFILEHEADER file = {0x4D42, static_cast<DWORD>(54 + imageBytes), 0, 0, 54};
    BITMAPINFOHEADER header = {sizeof header, capture.width, -capture.height, 1, 32, BI_RGB, imageBytes, 0, 0, 0, 0};
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(reinterpret_cast<const char*>(capture.pixels.data()), imageBytes);
}
