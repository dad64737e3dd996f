// Window templates: each window's keys in stream order, then its controls, each with the
// keys of its class in stream order. Keys a description leaves out get their defaults.
#pragma once

#include "common/diagnostics.h"
#include "resgen/class_catalog.h"
#include "resgen/class_table.h"
#include "resgen/descriptions.h"
#include "resgen/image_model.h"
#include "resgen/template_values.h"

#include <vector>

namespace resgen {

// Reports unknown keys, unsuitable values and controls of a window that share a name
// without being elements of one control array.
std::vector<WindowTemplate> buildWindowTemplates(const Descriptions& descriptions, const ClassCatalog& catalog,
                                                 const ClassTable& classes, const ItemNumbers& items,
                                                 tools::Diagnostics& diagnostics);

} // namespace resgen
