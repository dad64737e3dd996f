// The menu bar stream: the titles, each with its items, each item with its submenu.
#pragma once

#include "common/diagnostics.h"
#include "resgen/class_catalog.h"
#include "resgen/class_table.h"
#include "resgen/descriptions.h"

#include <cstdint>
#include <vector>

namespace resgen {

// Reports item classes that are no MenuItem classes, items that share a name without being
// elements of one menu array, and menu handlers that name no item.
std::vector<uint8_t> buildMenuBarStream(const Descriptions& descriptions, const ClassCatalog& catalog,
                                        const ClassTable& classes, tools::Diagnostics& diagnostics);

} // namespace resgen
