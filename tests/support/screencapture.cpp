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

Capture captureClient(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    HDC windowDC = GetDC(window);
    Capture capture = captureFrom(windowDC, client.right, client.bottom);
    ReleaseDC(window, windowDC);
    return capture;
}

// From the screen, where the window is seen as a whole.
Capture captureWindow(HWND window)
{
    RECT outer;
    GetWindowRect(window, &outer);
    HDC screen = GetDC(nullptr);
    HDC part = CreateCompatibleDC(screen);
    Capture capture;
    HBITMAP whole = CreateCompatibleBitmap(screen, outer.right - outer.left, outer.bottom - outer.top);
    HGDIOBJ previous = SelectObject(part, whole);
    BitBlt(part, 0, 0, outer.right - outer.left, outer.bottom - outer.top, screen, outer.left, outer.top, SRCCOPY);
    capture = captureFrom(part, outer.right - outer.left, outer.bottom - outer.top);
    SelectObject(part, previous);
    DeleteObject(whole);
    DeleteDC(part);
    ReleaseDC(nullptr, screen);
    return capture;
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
