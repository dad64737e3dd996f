// The class table laid out: references to the runtime's and the plug-in's classes first,
// then the application's interfaces (an interface must stand before the classes that
// implement it), its classes, and each window followed by the unnamed subclasses made for
// its controls that handle events.
#pragma once

#include "common/diagnostics.h"
#include "resgen/class_catalog.h"
#include "resgen/descriptions.h"
#include "resgen/image_model.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace resgen {

class ClassTable {
public:
    // Reports interfaces that are not interfaces, missing interface methods, windows that are
    // no windows and controls whose class a template cannot hold.
    ClassTable(const Descriptions& descriptions, const ClassCatalog& catalog, tools::Diagnostics& diagnostics);

    // The index of the named class, -1 if it has none.
    int32_t indexOf(std::string_view name) const;
    // The class index a template gives the control: its unnamed subclass, or its class.
    int32_t controlClassIndex(size_t window, size_t control) const { return controlClasses_[window][control]; }

    std::vector<ClassTableEntry> entries;

private:
    void addReferences(const Descriptions& descriptions, tools::Diagnostics& diagnostics);
    void addDefinition(const ClassDescription& description);
    void addWindow(const WindowDescription& window, tools::Diagnostics& diagnostics);
    int32_t addControl(const ControlDescription& control, tools::Diagnostics& diagnostics);
    // Fills the superclass and interface indexes once every class has its place.
    void resolveIndexes(const ClassDescription& description, ClassTableEntry& entry,
                        tools::Diagnostics& diagnostics) const;
    void checkMethods(const ClassDescription& description, const ClassDescription& interface, const Location& where,
                      tools::Diagnostics& diagnostics) const;

    const ClassCatalog& catalog_;
    std::vector<std::vector<int32_t>> controlClasses_;
};

} // namespace resgen
