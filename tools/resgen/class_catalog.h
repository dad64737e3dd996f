// Every class a description can name: the runtime's built-in classes, the plug-in's classes
// and the application's own, with the questions the generator asks of a class chain.
#pragma once

#include "common/diagnostics.h"
#include "resgen/builtin_classes.h"
#include "resgen/descriptions.h"
#include "resgen/template_keys.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace resgen {

enum class ClassOrigin { Builtin, Plugin, Application };

struct CatalogClass {
    std::string name;
    ClassOrigin origin;
    std::string superclass;                        // empty for a root class
    uint32_t instanceSize = 0;                     // built-in and plug-in classes
    const ClassDescription* description = nullptr; // application classes
    Location where;                                // plug-in and application classes
};

class ClassCatalog {
public:
    // Reports application classes defined twice or under a built-in or plug-in name, unknown
    // superclasses, superclass chains that come back to a class and structs without a header.
    ClassCatalog(const Descriptions& descriptions, const BuiltinClasses& builtins, tools::Diagnostics& diagnostics);

    // Compared without regard to case; null when no class has the name.
    const CatalogClass* find(std::string_view name) const;
    // Whether `name` is `ancestor` or descends from it.
    bool descendsFrom(std::string_view name, std::string_view ancestor) const;
    // The instance size of the class as a C++ constant expression: sizeof its struct, or its
    // superclass's size, or 24 for a root class without a struct.
    std::string instanceSize(std::string_view name) const;
    // The nearest class up the chain whose template keys are known; null if none.
    const ControlClassKeys* templateKeysOf(std::string_view name) const;
    // The methods of the application classes of the chain from `name` up, or nothing when the
    // chain reaches a class of the runtime or the plug-in, whose methods are not known here.
    std::optional<std::vector<const Binding*>> knownMethods(std::string_view name) const;
    // Built-in classes first, in the order of their table, then plug-in and application classes.
    const std::vector<CatalogClass>& all() const { return classes_; }

private:
    void add(CatalogClass entry, tools::Diagnostics& diagnostics);
    void checkDescription(const ClassDescription& description, tools::Diagnostics& diagnostics) const;
    bool isOwnAncestor(const ClassDescription& description) const;
    // The chain from `name` up, stopping before a class seen twice.
    std::vector<const CatalogClass*> chain(std::string_view name) const;

    std::vector<CatalogClass> classes_;
};

} // namespace resgen
