// The class table laid out: references first, then interfaces, classes, and each window
// followed by the unnamed subclasses made for its controls that handle events.
#include "resgen/class_table.h"

#include "resgen/names.h"

#include <algorithm>
#include <set>

namespace resgen {

namespace {

void collectMenuClasses(const std::vector<MenuDescription>& menus, std::vector<std::string>& names)
{
    for (const MenuDescription& menu : menus) {
        if (!menu.itemClass.name.empty())
            names.push_back(menu.itemClass.name);
        collectMenuClasses(menu.items, names);
    }
}

// Names of classes the descriptions use, some of which the runtime or the plug-in provide.
std::vector<std::string> usedClassNames(const Descriptions& descriptions)
{
    std::vector<std::string> names;
    for (const PluginClass& plugin : descriptions.plugins)
        names.push_back(plugin.name.name);
    for (const ClassDescription& description : descriptions.classes)
        names.push_back(description.superclass.name);
    for (const WindowDescription& window : descriptions.windows) {
        names.push_back(window.windowClass.superclass.name);
        for (const ControlDescription& control : window.controls)
            names.push_back(control.controlClass.name);
    }
    if (!descriptions.menuBar.empty())
        names.push_back("MenuItem");
    collectMenuClasses(descriptions.menuBar, names);
    return names;
}

ClassTableEntry definitionOf(const ClassDescription& description)
{
    ClassTableEntry entry;
    entry.name = description.name;
    entry.constructor = description.constructor;
    entry.destructor = description.destructor;
    entry.isInterface = description.isInterface;
    entry.methods = description.methods;
    entry.events = description.events;
    entry.menuHandlers = description.menuHandlers;
    return entry;
}

} // namespace

ClassTable::ClassTable(const Descriptions& descriptions, const ClassCatalog& catalog, tools::Diagnostics& diagnostics)
    : catalog_(catalog)
{
    addReferences(descriptions, diagnostics);
    std::vector<std::pair<const ClassDescription*, size_t>> described;
    for (bool interfaces : {true, false}) {
        for (const ClassDescription& description : descriptions.classes) {
            if (description.isInterface != interfaces)
                continue;
            described.emplace_back(&description, entries.size());
            addDefinition(description);
        }
    }
    for (const WindowDescription& window : descriptions.windows) {
        described.emplace_back(&window.windowClass, entries.size());
        addWindow(window, diagnostics);
    }
    for (const auto& [description, entry] : described)
        resolveIndexes(*description, entries[entry], diagnostics);
}

int32_t ClassTable::indexOf(std::string_view name) const
{
    for (size_t i = 0; i < entries.size(); ++i) {
        if (!entries[i].name.empty() && equalsIgnoringCase(entries[i].name, name))
            return static_cast<int32_t>(i);
    }
    return -1;
}

void ClassTable::addReferences(const Descriptions& descriptions, tools::Diagnostics& diagnostics)
{
    std::set<std::string> used;
    for (const std::string& name : usedClassNames(descriptions))
        used.insert(foldedName(name));
    for (const Binding& reference : descriptions.references) {
        const CatalogClass* found = catalog_.find(reference.name);
        if (found == nullptr || found->origin != ClassOrigin::Builtin) {
            report(diagnostics, reference.where, reference.name + " is not a built-in class");
        }
        used.insert(foldedName(reference.name));
    }
    for (const CatalogClass& entry : catalog_.all()) {
        if (entry.origin != ClassOrigin::Application && used.contains(foldedName(entry.name))) {
            ClassTableEntry reference;
            reference.isReference = true;
            reference.name = entry.name;
            entries.push_back(std::move(reference));
        }
    }
}

// Superclass indexes are filled in once every named class has its place.
void ClassTable::addDefinition(const ClassDescription& description)
{
    ClassTableEntry entry = definitionOf(description);
    entry.instanceSize = catalog_.instanceSize(description.name);
    if (!description.structName.empty() && !description.superclass.name.empty()) {
        entry.structName = description.structName;
        entry.superclassSize = catalog_.instanceSize(description.superclass.name);
    }
    entries.push_back(std::move(entry));
}

void ClassTable::addWindow(const WindowDescription& window, tools::Diagnostics& diagnostics)
{
    const ClassDescription& description = window.windowClass;
    if (!catalog_.descendsFrom(description.name, "Window")) {
        report(diagnostics, description.superclass.where,
               "window " + description.name + " needs a Window class as its superclass, not " +
                   description.superclass.name);
    }
    addDefinition(description);
    std::vector<int32_t>& classes = controlClasses_.emplace_back();
    for (const ControlDescription& control : window.controls)
        classes.push_back(addControl(control, diagnostics));
}

int32_t ClassTable::addControl(const ControlDescription& control, tools::Diagnostics& diagnostics)
{
    const std::string& name = control.controlClass.name;
    const ControlClassKeys* known = controlClassKeys(name);
    if (catalog_.find(name) == nullptr) {
        report(diagnostics, control.where,
               known != nullptr && known->plugin
                   ? name + " is a plug-in control: declare it with [plugin " + name + "] and its instance size"
                   : "unknown control class \"" + name + "\"");
    } else if (catalog_.templateKeysOf(name) == nullptr) {
        report(diagnostics, control.where, name + " is not a control class that a window template can hold");
    }
    if (control.events.empty())
        return indexOf(name);
    ClassTableEntry subclass;
    subclass.instanceSize = catalog_.instanceSize(name);
    subclass.superclass = indexOf(name);
    subclass.events = control.events;
    entries.push_back(std::move(subclass));
    return static_cast<int32_t>(entries.size() - 1);
}

void ClassTable::resolveIndexes(const ClassDescription& description, ClassTableEntry& entry,
                                tools::Diagnostics& diagnostics) const
{
    entry.superclass = description.superclass.name.empty() ? -1 : indexOf(description.superclass.name);
    for (const Binding& interface : description.interfaces) {
        const CatalogClass* found = catalog_.find(interface.name);
        const int32_t index = indexOf(interface.name);
        if (found == nullptr || found->description == nullptr || !found->description->isInterface) {
            report(diagnostics, interface.where, "\"" + interface.name + "\" is not an interface");
        } else if (std::find(entry.interfaces.begin(), entry.interfaces.end(), index) != entry.interfaces.end()) {
            report(diagnostics, interface.where, description.name + " implements " + interface.name + " twice");
        } else {
            entry.interfaces.push_back(index);
            checkMethods(description, *found->description, interface.where, diagnostics);
        }
    }
}

// The runtime fails at start-up when a class lacks a method of an interface it implements.
void ClassTable::checkMethods(const ClassDescription& description, const ClassDescription& interface,
                              const Location& where, tools::Diagnostics& diagnostics) const
{
    const std::optional<std::vector<const Binding*>> methods = catalog_.knownMethods(description.name);
    if (!methods)
        return;
    for (const Binding& wanted : interface.methods) {
        const bool found = std::any_of(methods->begin(), methods->end(), [&](const Binding* method) {
            return equalsIgnoringCase(method->name, wanted.name);
        });
        if (!found) {
            report(diagnostics, where,
                   description.name + " implements " + interface.name + " but has no method " + wanted.name);
        }
    }
}

} // namespace resgen
