// Every class a description can name: the runtime's built-in classes, the plug-in's classes
// and the application's own, with the questions the generator asks of a class chain.
#include "resgen/class_catalog.h"

#include "resgen/names.h"

namespace resgen {

namespace {

std::string describedAs(const CatalogClass& entry)
{
    return entry.origin == ClassOrigin::Builtin ? "a built-in class" : "defined at " + entry.where.text();
}

} // namespace

ClassCatalog::ClassCatalog(const Descriptions& descriptions, const BuiltinClasses& builtins,
                           tools::Diagnostics& diagnostics)
{
    for (const BuiltinClass& builtin : builtins.all()) {
        classes_.push_back({builtin.name, ClassOrigin::Builtin, builtin.superclass, builtin.instanceSize, nullptr, {}});
    }
    for (const PluginClass& plugin : descriptions.plugins) {
        add({plugin.name.name, ClassOrigin::Plugin, "", plugin.instanceSize, nullptr, plugin.name.where}, diagnostics);
    }
    for (const ClassDescription& description : descriptions.classes) {
        add({description.name, ClassOrigin::Application, description.superclass.name, 0, &description,
             description.where},
            diagnostics);
    }
    for (const WindowDescription& window : descriptions.windows) {
        const ClassDescription& description = window.windowClass;
        add({description.name, ClassOrigin::Application, description.superclass.name, 0, &description,
             description.where},
            diagnostics);
    }
    for (const CatalogClass& entry : classes_) {
        if (entry.description != nullptr)
            checkDescription(*entry.description, diagnostics);
    }
}

void ClassCatalog::add(CatalogClass entry, tools::Diagnostics& diagnostics)
{
    if (const CatalogClass* existing = find(entry.name)) {
        return report(diagnostics, entry.where, "class " + entry.name + " is already " + describedAs(*existing));
    }
    classes_.push_back(std::move(entry));
}

void ClassCatalog::checkDescription(const ClassDescription& description, tools::Diagnostics& diagnostics) const
{
    if (!description.structName.empty() && description.header.empty()) {
        report(diagnostics, description.where,
               "struct " + description.structName + " needs header = <the file that declares it>");
    }
    const Binding& superclass = description.superclass;
    if (superclass.name.empty())
        return;
    const CatalogClass* found = find(superclass.name);
    if (found == nullptr) {
        report(diagnostics, superclass.where, "unknown superclass \"" + superclass.name + "\"");
    } else if (found->description != nullptr && found->description->isInterface) {
        report(diagnostics, superclass.where, superclass.name + " is an interface, not a superclass");
    } else if (isOwnAncestor(description)) {
        report(diagnostics, superclass.where, "class " + description.name + " descends from itself");
    }
}

bool ClassCatalog::isOwnAncestor(const ClassDescription& description) const
{
    const CatalogClass* entry = find(description.superclass.name);
    for (size_t steps = 0; entry != nullptr && steps < classes_.size(); ++steps) {
        if (entry->description == &description)
            return true;
        if (entry->superclass.empty())
            return false;
        entry = find(entry->superclass);
    }
    return false;
}

const CatalogClass* ClassCatalog::find(std::string_view name) const
{
    for (const CatalogClass& entry : classes_) {
        if (equalsIgnoringCase(entry.name, name))
            return &entry;
    }
    return nullptr;
}

std::vector<const CatalogClass*> ClassCatalog::chain(std::string_view name) const
{
    std::vector<const CatalogClass*> classes;
    for (const CatalogClass* entry = find(name); entry != nullptr; entry = find(entry->superclass)) {
        for (const CatalogClass* seen : classes) {
            if (seen == entry)
                return classes;
        }
        classes.push_back(entry);
        if (entry->superclass.empty())
            break;
    }
    return classes;
}

bool ClassCatalog::descendsFrom(std::string_view name, std::string_view ancestor) const
{
    for (const CatalogClass* entry : chain(name)) {
        if (equalsIgnoringCase(entry->name, ancestor))
            return true;
    }
    return false;
}

std::string ClassCatalog::instanceSize(std::string_view name) const
{
    for (const CatalogClass* entry : chain(name)) {
        if (entry->description == nullptr)
            return std::to_string(entry->instanceSize);
        if (!entry->description->structName.empty())
            return "sizeof(" + entry->description->structName + ")";
    }
    return "24"; // a plain object: the object header alone
}

const ControlClassKeys* ClassCatalog::templateKeysOf(std::string_view name) const
{
    for (const CatalogClass* entry : chain(name)) {
        if (entry->description != nullptr)
            continue;
        if (const ControlClassKeys* keys = controlClassKeys(entry->name))
            return keys;
    }
    return nullptr;
}

std::optional<std::vector<const Binding*>> ClassCatalog::knownMethods(std::string_view name) const
{
    std::vector<const Binding*> methods;
    for (const CatalogClass* entry : chain(name)) {
        if (entry->description == nullptr)
            return std::nullopt;
        for (const Binding& method : entry->description->methods)
            methods.push_back(&method);
    }
    return methods;
}

} // namespace resgen
