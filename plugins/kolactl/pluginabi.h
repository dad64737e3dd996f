// What the control library adds to the runtime's control records: the resolver it is handed,
// the rectangle a runtime service fills, and the interface version it announces.
#pragma once

#include "plugins/controldescriptor.h"

#include <cstdint>

namespace kola {

// Looks a runtime service up by name; null when the runtime has none of that name.
using Resolver = void* (*)(const char* name);

// A control's rectangle in window pixels, in the runtime's order.
struct PaneRect {
    int16_t top, left, bottom, right;
};

constexpr int32_t descriptorVersion = 5;

} // namespace kola
