// The Graphics object: the language object over a drawing port, handed to Paint events and
// made on request by windows, canvases, pictures and print jobs.
#pragma once

#include "graphics/graphicsport.h"

#include <memory>

// The port is the Graphics' own: it goes with the last reference.
struct GraphicsObject {
    ObjectHeader header;
    GraphicsPort* port;
};
static_assert(sizeof(GraphicsObject) <= 96, "the Graphics class is 96 bytes");

// A new Graphics (one reference) drawing on what `owner` gives it.
ObjectHeader* graphicsNew(std::unique_ptr<GraphicsOwner> owner, const GraphicsArea& area);
// The port of a Graphics; null for Nil and for any other object.
GraphicsPort* graphicsPortOf(ObjectHeader* graphics);
// One drawing operation on a Graphics: its port made current, and the owner's coordinates
// moved to the device context's. False when there is nothing to draw on.
struct GraphicsDrawing {
    explicit GraphicsDrawing(ObjectHeader* graphics)
        : port(graphicsPortOf(graphics)), dc(port ? graphicsPortBegin(*port) : nullptr)
    {}
    explicit operator bool() const { return dc != nullptr; }
    int32_t x(int32_t ownerX) const { return ownerX + port->area.originX; }
    int32_t y(int32_t ownerY) const { return ownerY + port->area.originY; }
    RECT rect(int32_t ownerX, int32_t ownerY, int32_t width, int32_t height) const
    {
        return {x(ownerX), y(ownerY), x(ownerX) + width, y(ownerY) + height};
    }

    GraphicsPort* port;
    HDC dc;
};

// The owner takes its device context back (a Paint event is over): the Graphics draws
// nothing after, whoever still holds it.
void graphicsDetach(ObjectHeader* graphics);

// Owners for the window framework. A device context lent for one Paint event, until
// graphicsDetach; the device context of a window (top-level or a pane's child window), fetched
// with GetDC on the first drawing and released when the Graphics goes.
std::unique_ptr<GraphicsOwner> graphicsOwnerLending(ObjectHeader* object, HDC dc);
std::unique_ptr<GraphicsOwner> graphicsOwnerOfWindow(ObjectHeader* object, HWND window);
