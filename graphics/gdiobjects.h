// Small owners of GDI objects: each deletes its object (or restores the selection) when it goes.
#pragma once

#include <windows.h>

#include <cstdint>

// 0xRRGGBB as the language writes colours, to the COLORREF that GDI takes.
inline COLORREF colorRefFromRgb(int32_t rgb)
{
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

template <typename Handle> class GdiObject {
public:
    explicit GdiObject(Handle handle) : handle(handle) {}
    ~GdiObject()
    {
        if (handle)
            DeleteObject(handle);
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    Handle get() const { return handle; }

private:
    Handle handle;
};

using OwnedBrush = GdiObject<HBRUSH>;
using OwnedPen = GdiObject<HPEN>;
using OwnedBitmap = GdiObject<HBITMAP>;

// Selects an object into a device context for as long as it lives.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc(dc), previous(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(dc, previous); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc;
    HGDIOBJ previous;
};

// A memory device context compatible with `dc`, deleted when it goes.
class MemoryDC {
public:
    explicit MemoryDC(HDC dc) : handle(CreateCompatibleDC(dc)) {}
    ~MemoryDC() { DeleteDC(handle); }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC get() const { return handle; }

private:
    HDC handle;
};

// Keeps a device context's state (origin, colours, selections) for the length of a scope.
class SavedDC {
public:
    explicit SavedDC(HDC dc) : dc(dc), saved(SaveDC(dc)) {}
    ~SavedDC() { RestoreDC(dc, saved); }
    SavedDC(const SavedDC&) = delete;
    SavedDC& operator=(const SavedDC&) = delete;

private:
    HDC dc;
    int saved;
};

// BeginPaint and EndPaint.
class PaintScope {
public:
    explicit PaintScope(HWND window) : window(window) { dc = BeginPaint(window, &paint); }
    ~PaintScope() { EndPaint(window, &paint); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC get() const { return dc; }
    const RECT& area() const { return paint.rcPaint; }

private:
    HWND window;
    PAINTSTRUCT paint;
    HDC dc;
};
