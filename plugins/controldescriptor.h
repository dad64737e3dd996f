// The records a control plug-in hands over to register a control, laid out as it builds them:
// the runtime and the control library both build on this one declaration.
#pragma once

#include <cstdint>

// The behaviour record: a routine for each slot, each taking the instance first; 0 where the
// control does not handle the event. Booleans come back as 32-bit values.
enum BehaviourSlot : uint32_t {
    slotConstructor = 0, // (instance)
    slotDestructor = 1,  // (instance)
    slotRedraw = 2,      // (instance, graphics)
    slotMouseDown = 3,   // (instance, x, y) -> true tracks the mouse until release
    slotMouseDrag = 4,   // (instance, x, y), again and again while the button is held
    slotMouseUp = 5,     // (instance, x, y)
    slotKeyDown = 8,     // (instance, character, key code, modifiers) -> true when handled
    slotIdle = 10,
    slotRepaint = 12,
    slotFocusGained = 14,
    slotFocusLost = 15,
    behaviourSlotCount = 24
};

struct ControlBehaviour {
    void* slots[behaviourSlotCount];

    template <typename Routine> Routine routine(BehaviourSlot slot) const
    {
        return reinterpret_cast<Routine>(slots[slot]);
    }
};

using InstanceRoutine = void (*)(void* instance);
using RedrawRoutine = void (*)(void* instance, void* graphics);
using MouseDownRoutine = int32_t (*)(void* instance, int32_t x, int32_t y);
using MousePointRoutine = void (*)(void* instance, int32_t x, int32_t y);
using KeyDownRoutine = int32_t (*)(void* instance, int32_t character, int32_t keyCode, int32_t modifiers);

// A property accessor of this value means the field at `parameter` is read or written directly.
inline void* const propertyFieldDirect = reinterpret_cast<void*>(-1);

// `parameter` is the field's byte position inside the control's own storage.
struct ControlPropertyRecord {
    const char* group;
    const char* name;
    const char* type; // "String", "Integer", ...: compared without regard to case
    uint32_t flags;
    void* getter;
    void* setter;
    int32_t parameter;
    uint32_t reserved;
    uint32_t enumerationCount;
    const char* const* enumerationNames;
};
static_assert(sizeof(ControlPropertyRecord) == 40);

// Version 1 gives an index into the plug-in's export table for the routine.
struct ControlMethodRecord {
    void* routine;
    void* assignRoutine; // 0 when the method cannot be assigned to
    const char* declaration;
};

struct ControlEventRecord {
    const char* declaration;
    uint32_t key; // filled at registration
};

// The members of a plug-in's class, each list with its count.
struct PluginMembers {
    const ControlPropertyRecord* properties;
    uint32_t propertyCount;
    const ControlMethodRecord* methods;
    uint32_t methodCount;
    ControlEventRecord* events;
    uint32_t eventCount;
};

// Flag bit 2 picks the second pane kind.
constexpr uint32_t controlFlagSecondPane = 4;
// Where a control's own storage begins inside an instance.
constexpr uint32_t controlDataOffset = 96;

struct ControlDescriptor {
    int32_t version; // 5; 1 takes the older path; 2 and below 1 are ignored
    const char* name;
    uint32_t dataSize;
    uint32_t flags;
    uint32_t pictures[2];
    int32_t defaultWidth;
    int32_t defaultHeight;
    PluginMembers members;
    const ControlBehaviour* behaviour;
    uint32_t dataOffset; // written at registration
    uint32_t reserved[3];
    const char* interfaceName;
    void* const* interfaceRoutines;
    uint32_t interfaceCount;
};
static_assert(sizeof(ControlDescriptor) == 88, "22 words, as the plug-in lays them out");
