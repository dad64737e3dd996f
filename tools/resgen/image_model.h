// The image's data as the generator writes it out: the class table in index order, the
// window templates, the project items in number order and the variables the runtime fills.
// Everything here has been checked; streams and pictures are already encoded.
#pragma once

#include "resgen/descriptions.h"

#include <cstdint>
#include <string>
#include <vector>

namespace resgen {

// One entry of the class table: a reference to a class of the runtime or the plug-in, or a
// definition of one of the application's classes.
struct ClassTableEntry {
    bool isReference = false;
    std::string name; // empty for an unnamed subclass
    // Definitions only:
    std::string instanceSize;   // a C++ constant expression
    std::string structName;     // when set, checked not to be smaller than...
    std::string superclassSize; // ...this expression
    int32_t superclass = -1;
    std::string constructor, destructor;
    bool isInterface = false;
    std::vector<int32_t> interfaces;
    std::vector<Binding> methods; // an interface's have no routine
    std::vector<Binding> events;
    std::vector<Binding> menuHandlers;
};

// Where a control stands on its window (client pixels), as its keys give it after defaults.
struct ControlPlace {
    std::string name;
    int32_t index; // streamNotInArray unless an element of a control array
    int32_t left, top, width, height;
};

struct WindowTemplate {
    std::string className;
    std::vector<uint8_t> stream;
    std::vector<ControlPlace> places; // in creation order
};

struct ProjectItem {
    ProjectItemKind kind;
    std::string name;           // for the item's number constant; empty for none
    int32_t classIndex = 0;     // modules
    std::string global;         // modules
    uint32_t transparent = 0;   // pictures
    std::vector<uint8_t> bytes; // pictures: the picture data; menu bar and settings: the stream
    int32_t resource = 0;       // movies
};

// A record of the embedded plug-in list: the library file, checked to be a Windows DLL.
struct PluginLibrary {
    std::string fileName;
    std::vector<uint8_t> bytes;
};

// A variable of the image that the runtime stores an object into.
struct GlobalVariable {
    std::string name;
    std::string structName; // its pointer type; empty for a plain pointer
};

struct ImageModel {
    std::vector<ClassTableEntry> classes;
    std::vector<std::string> headers; // #included by the data source, for the structs
    std::vector<WindowTemplate> windows;
    std::vector<ProjectItem> items;
    std::vector<GlobalVariable> globals;
    std::vector<PluginLibrary> pluginLibraries;
};

} // namespace resgen
