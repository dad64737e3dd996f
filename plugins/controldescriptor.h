// The records a control plug-in hands over to register a control, laid out as it builds them.
#pragma once

#include <cstdint>

struct ClassDescriptor;
struct PluginRecord;

// The routine pointers of a control's behaviour, each taking the instance first; 0 where the
// control does not handle the event.
struct ControlBehaviour {
    void (*constructor)(void* instance);
    void (*destructor)(void* instance);
    void (*redraw)(void* instance, void* graphics);
    bool (*mouseDown)(void* instance, int32_t x, int32_t y);
    void (*mouseDrag)(void* instance, int32_t x, int32_t y);
    void (*mouseUp)(void* instance, int32_t x, int32_t y);
    void* unused6;
    void* unused7;
    bool (*keyDown)(void* instance, int32_t character, int32_t keyCode, int32_t modifiers);
};

// A routine address of -1 means the field at `parameter` in the control's storage is read or
// written directly.
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
    const char** enumerationNames;
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
    ControlPropertyRecord* properties;
    uint32_t propertyCount;
    ControlMethodRecord* methods;
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
    ControlBehaviour* behaviour;
    uint32_t dataOffset; // written at registration
    uint32_t reserved[3];
    const char* interfaceName;
    void** interfaceRoutines;
    uint32_t interfaceCount;
};
static_assert(sizeof(ControlDescriptor) == 88, "22 words, as the plug-in lays them out");

// A control class a plug-in registered, with what its instances need at run time.
struct PluginControl {
    ClassDescriptor* cls;
    ControlDescriptor* descriptor;
    PluginRecord* plugin;
};
