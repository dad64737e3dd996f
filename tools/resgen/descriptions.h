// What the description files say, read and checked entry by entry but not yet joined up:
// names of classes, items and menu entries are still names. Texts that go into the image are
// already Shift-JIS.
#pragma once

#include "image/streamencoding.h"
#include "resgen/description.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace resgen {

// A name bound to a routine of the application: an event or menu handler, or a method
// (an interface's methods have no routine). Also used for a bare name with its place.
struct Binding {
    std::string name;
    std::string function;
    Location where;
};

struct ClassDescription {
    std::string name;       // empty for the unnamed subclass made for a control that handles events
    Binding superclass;     // name empty for none
    std::string structName; // gives the instance size; empty: the superclass's size
    std::string header;     // declares structName
    std::string constructor, destructor;
    std::string global; // the variable the runtime stores the window or module instance into
    bool isInterface = false;
    std::vector<Binding> interfaces;
    std::vector<Binding> methods;
    std::vector<Binding> events;
    std::vector<Binding> menuHandlers;
    Location where;
};

struct PropertyValue {
    std::string key;
    std::string value; // Shift-JIS
    Location where;
};

struct ControlDescription {
    Binding controlClass; // the class as written: built-in, plug-in or an application class
    std::string name;
    std::vector<PropertyValue> properties; // as written
    std::vector<Binding> events;
    Location where;
};

struct WindowDescription {
    ClassDescription windowClass;
    std::vector<PropertyValue> properties;
    std::vector<ControlDescription> controls;
};

// A menu-bar title or a menu item; a title's items and an item's submenu are `items`.
struct MenuDescription {
    std::string name;                             // empty for a separator
    std::string text, commandKey, extra1, extra2; // Shift-JIS
    int32_t index = streamNotInArray;
    uint8_t flag = 0;
    Binding itemClass; // name empty: MenuItem
    Location where;
    std::vector<MenuDescription> items;
};

enum class ProjectItemKind { Module, MenuBar, Picture, Movie, Settings };

struct ProjectItemDescription {
    ProjectItemKind kind;
    std::string name; // the module's class for a module item
    std::string path; // pictures: the PNG file, relative to the working folder
    bool transparent = false;
    int32_t resource = 0; // movies
    Location where;
};

// A plug-in library the image carries, named as the runtime writes it to disk.
struct PluginLibraryDescription {
    std::string fileName;
    Location where;
};

struct FileType {
    std::string fields[4]; // Shift-JIS
};

struct SettingsDescription {
    uint8_t flag = 1;
    int32_t language = 13;
    std::vector<FileType> fileTypes;
    std::vector<std::string> messages; // Shift-JIS, numbered from 0
    uint8_t frameMode = 0;
    std::string frameTitle; // Shift-JIS
    Location where;
};

struct PluginClass {
    Binding name;
    uint32_t instanceSize = 0;
};

struct Descriptions {
    std::vector<Binding> references; // built-in classes the application names itself
    std::vector<PluginClass> plugins;
    std::vector<ClassDescription> classes; // interfaces and classes, in file order
    std::vector<WindowDescription> windows;
    std::vector<MenuDescription> menuBar; // the titles
    std::vector<ProjectItemDescription> items;
    std::vector<PluginLibraryDescription> pluginLibraries; // in list order
    std::optional<SettingsDescription> settings;
    bool hasProject = false;
};

} // namespace resgen
