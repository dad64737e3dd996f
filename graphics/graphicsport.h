// The drawing port behind a Graphics: its owner and device context, the one current port, the
// font with its cached metrics, the fore colour and the pen.
#pragma once

#include "runtime/objects/object.h"

#include <windows.h>

#include <cstdint>
#include <memory>

// What a port draws on: a window or pane being painted or asked for its Graphics, a picture, a
// print job. The owner's language object stays referenced for as long as the port lives.
class GraphicsOwner {
public:
    explicit GraphicsOwner(ObjectHeader* object) : ownerObject(RuntimeLockObject(object)) {}
    virtual ~GraphicsOwner() = default;
    GraphicsOwner(const GraphicsOwner&) = delete;
    GraphicsOwner& operator=(const GraphicsOwner&) = delete;

    // Asked once, on the port's first drawing; null when there is nothing to draw on.
    virtual HDC acquireDeviceContext() = 0;
    // Takes back a device context it gave, when the port is detached or goes.
    virtual void releaseDeviceContext(HDC dc) = 0;
    // Ends the page and starts the next; only a print job has pages.
    virtual void nextPage(HDC) {}
    // What was drawn is to be thrown away when the owner goes; only a print job can.
    virtual void abandon() {}
    ObjectHeader* object() const { return ownerObject.get(); }

private:
    ObjectRef ownerObject;
};

// Where the owner's (0, 0) lies on the device context, its size, and the colour that clearing
// leaves (the owner's background), all in the device context's logical units.
struct GraphicsArea {
    int32_t originX;
    int32_t originY;
    int32_t width;
    int32_t height;
    COLORREF background;
};

constexpr uint8_t fontBold = 1, fontItalic = 2, fontUnderline = 4;

// The description is what the properties say; the handle is made from it (through the font
// cache, one reference held) only when text is drawn or measured after it changed.
struct GraphicsFont {
    StringRecord* name = nullptr; // Nil: the system font
    int16_t size = 12;
    uint8_t style = 0;
    HFONT handle = nullptr;
    bool valid = false; // the handle is of the description
    bool metricsValid = false;
    TEXTMETRICA metrics = {};
};

struct GraphicsPort {
    GraphicsPort(std::unique_ptr<GraphicsOwner> owner, const GraphicsArea& area);
    ~GraphicsPort();
    GraphicsPort(const GraphicsPort&) = delete;
    GraphicsPort& operator=(const GraphicsPort&) = delete;

    std::unique_ptr<GraphicsOwner> owner;
    GraphicsArea area;
    HDC dc = nullptr;
    bool dcAsked = false;        // asked once: a port whose owner gave none draws nothing
    HGDIOBJ dcOwnFont = nullptr; // the device context's font before the port's, put back when it leaves
    GraphicsFont font;
    uint16_t foreRed = 0; // each component × 257
    uint16_t foreGreen = 0;
    uint16_t foreBlue = 0;
    int32_t penWidth = 1;
    int32_t penHeight = 1;
    int32_t copies = 0; // a print job's; 0 elsewhere
    int32_t firstPage = 0;
    int32_t lastPage = 0;
};

// The port's device context, made current: fetched from the owner on first use, and on a
// switch from another port set up again (transparent background, text on its baseline, the
// port's font). Null when the port has nothing to draw on.
HDC graphicsPortBegin(GraphicsPort& port);
// The port's font, made from its description if that changed, selected into its device
// context, and its metrics; null when the port has nothing to draw on.
const TEXTMETRICA* graphicsPortFont(GraphicsPort& port);
// The owner takes its device context back; the port draws nothing after.
void graphicsPortDetach(GraphicsPort& port);
// The next page of a print job; the port is set up again on its next drawing.
void graphicsPortNextPage(GraphicsPort& port);
COLORREF graphicsPortForeColor(const GraphicsPort& port);
