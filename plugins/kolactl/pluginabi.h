// The records a control library hands the runtime when it registers its controls.
#pragma once

#include <cstdint>

namespace kola {

// Looks a runtime service up by name; null when the runtime has none of that name.
using Resolver = void* (*)(const char* name);

// A control's rectangle in window pixels, in the runtime's order.
struct PaneRect {
    int16_t top, left, bottom, right;
};

// A field the runtime reads or writes itself instead of calling an accessor.
inline void* const directAccess = reinterpret_cast<void*>(-1);

struct PropertyRecord {
    const char* group;
    const char* name;
    const char* type;
    uint32_t flags;
    void* getter;       // (instance, parameter) -> value, or directAccess
    void* setter;       // (instance, parameter, value), or directAccess
    uint32_t parameter; // byte position of the field inside the control's own storage
    uint32_t reserved;
    uint32_t enumerationCount;
    const char* const* enumerationNames;
};
static_assert(sizeof(PropertyRecord) == 40);

struct MethodRecord {
    void* routine;
    void* assignRoutine; // 0 unless the method can be assigned to
    const char* declaration;
};

struct EventRecord {
    const char* declaration;
    uint32_t runtimeCookie; // filled by the runtime; asked back for the handler
};

// Behaviour slots, each taking the control instance first; 0 leaves the event unhandled.
enum BehaviourSlot {
    slotConstructor = 0,
    slotDestructor = 1,
    slotRedraw = 2,    // (instance, graphics)
    slotMouseDown = 3, // (instance, x, y) -> boolean: true tracks the mouse
    slotMouseDrag = 4, // (instance, x, y)
    slotMouseUp = 5,   // (instance, x, y)
    slotKeyDown = 8,   // (instance, character, key code, modifiers) -> boolean
    slotIdle = 10,
    slotRepaint = 12,
    slotFocusGained = 14,
    slotFocusLost = 15,
    behaviourSlotCount = 24
};

struct Behaviour {
    void* slots[behaviourSlotCount];
};

struct ControlDescriptor {
    uint32_t version;
    const char* name;
    uint32_t dataSize;
    uint32_t flags;
    uint32_t paletteIcon, paletteIconPressed;
    uint32_t defaultWidth, defaultHeight;
    const PropertyRecord* properties;
    uint32_t propertyCount;
    const MethodRecord* methods;
    uint32_t methodCount;
    EventRecord* events;
    uint32_t eventCount;
    const Behaviour* behaviour;
    uint32_t dataOffset; // written by the runtime: where the control's storage starts
    uint32_t reserved[3];
    const char* interfaceName;
    void* const* interfaceRoutines;
    uint32_t interfaceRoutineCount;
};
static_assert(sizeof(ControlDescriptor) == 22 * 4);

constexpr uint32_t descriptorVersion = 5;

} // namespace kola
