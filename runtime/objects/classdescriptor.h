// Class descriptors: the runtime record of one class, built-in, plug-in or from the image.
#pragma once

#include "runtime/strings/string.h"

#include <cstdint>
#include <string_view>

struct ClassDescriptor;
struct ObjectHeader;

typedef void (*ClassHook)(ObjectHeader* object, ClassDescriptor* cls);

// Declared properties of built-in and plug-in classes: getter(object, parameter) and
// setter(object, parameter, value).
struct PropertyDeclaration {
    PropertyDeclaration* next;
    StringRecord* name;
    void* getter;
    void* setter;
    int32_t parameter;
    int32_t type;
};

struct MethodEntry {
    MethodEntry* next;
    StringRecord* name;
    void* code;
    void* secondEntry;
    int32_t number; // 1-based for methods of interfaces, else 0
};

struct EventDeclaration {
    EventDeclaration* next;
    StringRecord* name;
    StringRecord* parameters;
};

struct EventHandler {
    EventHandler* next;
    StringRecord* name;
    void* code;
    uint32_t key;
};

struct MenuHandler {
    MenuHandler* next;
    StringRecord* itemName;
    void* code;
};

// The second word is the interface's descriptor: the class tests walk this chain. A table
// given with the class (a plug-in's own routines) is kept as it is: the finalisation never
// rebuilds it from the class's methods.
struct InterfaceEntry {
    InterfaceEntry* next;
    ClassDescriptor* interface;
    void** methodTable;
    int32_t tableLength;
    uint8_t tableGiven;
};

// Every class on one list, newest first. Lists of handlers are newest first too.
struct ClassDescriptor {
    uint32_t headerWord; // 3 for every class descriptor
    ClassDescriptor* superclass;
    void** virtualTable;
    uint32_t interfaceGeneration;
    uint32_t virtualTableSize;
    StringRecord* name;          // Nil for the image's unnamed subclasses
    StringRecord* alternateName; // the second, qualified name of some built-in classes
    uint8_t staticTables;
    uint32_t instanceSize; // bytes, header included
    PropertyDeclaration* properties;
    MethodEntry* methods;
    EventDeclaration* events;
    EventHandler* handlers;
    MenuHandler* menuHandlers;
    InterfaceEntry* interfaces;
    uint8_t isInterface;
    ClassHook constructor;
    ClassHook destructor;
    ClassDescriptor* nextClass; // the list of all classes
};

constexpr uint32_t classHeaderWord = 3;
constexpr uint32_t plainObjectSize = 24;

// A new descriptor with the defaults, put on the class list.
ClassDescriptor* classCreate();
// A built-in class: named, with its superclass and instance size, entered in the built-in
// name map so that the image can refer to it by name.
ClassDescriptor* classCreateBuiltin(std::string_view name, ClassDescriptor* superclass, uint32_t instanceSize,
                                    const char* alternateName = nullptr);
ClassDescriptor* classFindBuiltin(StringRecord* name);
ClassDescriptor* classFindBuiltinText(std::string_view name);
ClassDescriptor* classListHead();

// Puts a handler at the head of the class's handler list. Every handler is added this way, so
// that the event lookups the class chain remembers are dropped when they may change.
void classAddEventHandler(ClassDescriptor* cls, std::string_view eventName, void* code, uint32_t key = 0);

// The image's class table: class index -> descriptor (entries may be null).
void classSetTable(ClassDescriptor** classes, int32_t count);
ClassDescriptor* classAt(int32_t index);
int32_t classCount();
