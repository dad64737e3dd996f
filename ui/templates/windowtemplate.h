// Windows built from the image's templates: the window object, its native window, its
// controls with their properties, and their Open events.
#pragma once

#include "runtime/objects/object.h"
#include "ui/windows/framekind.h"
#include "ui/windows/panerect.h"

#include <cstdint>

// A window's Frame property: the frame kind its native window is built as.
enum class WindowFrame : int32_t {
    document = 0,
    movableModal = 1,
    modal = 2,
    floating = 3,
    plainBox = 4,
    shadowedBox = 5,
    fixedSize = 6,
    palette = 7,
};

struct FramePlacement {
    FrameKind frameKind;
    int32_t placement;
};

// The frame kind of a Frame value and the placement used (the Placement property, or the
// Frame's default when it is 0). A Frame outside 0 to 7 counts as a document.
FramePlacement templateFramePlacement(int32_t frame, int32_t placement);
// Moves bounds that start at (0, 0) as the placement says, on a screen of that size.
PaneRect templatePlacedBounds(const PaneRect& bounds, int32_t placement, int32_t screenWidth, int32_t screenHeight);

extern "C" {
// `templateRecord` is a little-endian length and that many bytes of template stream. The
// slot, when given, holds the window while it is built (not counted) and is cleared when the
// window closes or cannot be built. Returns the window with its creation reference, or nil.
ObjectHeader* RuntimeCreateWindow(const uint8_t* templateRecord, ObjectHeader** slot);
ObjectHeader* RuntimeControlFetch(ObjectHeader* window, StringRecord* name);
ObjectHeader* RuntimeControlReference(ObjectHeader* window, StringRecord* name);
ObjectHeader* RuntimeControlArrayItemReference(ObjectHeader* window, StringRecord* name, int32_t index);
// A new element of the control's array, named `name` (nil: the array's name), with the next
// free index of that name, one reference added. Nil when the control is not an array element.
ObjectHeader* RuntimeCloneControlReference(ObjectHeader* control, StringRecord* name);
}
