// Mouse cursors of the application image, built from the resource table.
#pragma once

#include "runtime/objects/object.h"

#include <windows.h>

struct MouseCursorObject {
    ObjectHeader header;
    HCURSOR cursor; // null when the resource could not be read
    int32_t resourceNumber;
};
static_assert(sizeof(MouseCursorObject) <= 32, "the MouseCursor class is 32 bytes");

// A new MouseCursor (one reference) from the 68-byte form of resource `number`. A resource
// that cannot be read gives a cursor without a system cursor, quietly.
ObjectHeader* mouseCursorFromResource(int32_t number);
