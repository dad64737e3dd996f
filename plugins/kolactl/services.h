// The runtime services the controls use, each looked up by name through the resolver once.
#pragma once

#include "plugins/kolactl/pluginabi.h"

#include <windows.h>

#include <cstdint>

namespace kola {

// Keeps the resolver the runtime handed to the library's entry routine.
void servicesUse(Resolver resolver);
// The named service's address, resolved on first use; null when the runtime lacks it.
void* serviceAddress(const char* name);

// A runtime string: Nil (null) is the empty string.
using RuntimeString = void*;

PaneRect controlBounds(void* instance);
bool controlEnabled(void* instance);
// Calls the application's handler of the event, if it has one; true when one ran.
bool raiseEvent(void* instance, const ControlEventRecord& event);
void invalidateControl(void* instance);

// A reference taken for this caller; released with stringRelease.
RuntimeString stringMake(const char* text, int length);
void stringRetain(RuntimeString text);
void stringRelease(RuntimeString text);
// The bytes of a runtime string (not owned; valid while the string is) and their count.
const char* stringBytes(RuntimeString text, int* length);

RuntimeString defaultCaption();
RuntimeString defaultFontName();
int defaultFontSize();

// The drawing context of the Graphics the runtime handed to a redraw.
HDC graphicsDC(void* graphics);

// The control's own Graphics, held for the life of this object, for drawing outside a redraw.
class ControlDrawing {
public:
    explicit ControlDrawing(void* instance);
    ~ControlDrawing();
    ControlDrawing(const ControlDrawing&) = delete;
    ControlDrawing& operator=(const ControlDrawing&) = delete;
    void* graphics() const { return graphics_; }

private:
    void* graphics_;
};

} // namespace kola
