// The project items in number order, and the global variables the runtime stores window and
// module instances into.
#pragma once

#include "common/diagnostics.h"
#include "resgen/class_catalog.h"
#include "resgen/class_table.h"
#include "resgen/descriptions.h"
#include "resgen/image_model.h"

#include <vector>

namespace resgen {

// Reads the pictures. Reports items listed twice, modules that are no module classes, a menu
// bar or settings listed without a description or described without being listed.
std::vector<ProjectItem> buildProjectItems(const Descriptions& descriptions, const ClassCatalog& catalog,
                                           const ClassTable& classes, const std::vector<uint8_t>& menuBarStream,
                                           tools::Diagnostics& diagnostics);

// Reports a variable named twice, and a class variable that nothing would ever fill.
std::vector<GlobalVariable> collectGlobals(const Descriptions& descriptions, tools::Diagnostics& diagnostics);

} // namespace resgen
