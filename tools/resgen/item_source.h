// The C++ definitions of a project item and of a window template.
#pragma once

#include "resgen/image_model.h"

#include <string>

namespace resgen {

std::string projectItemSource(const ProjectItem& item, const std::string& symbol);
// A u32 length and the stream, aligned to 4 bytes, with external linkage.
std::string windowTemplateSource(const WindowTemplate& window);
std::string windowTemplateSymbol(const WindowTemplate& window);

} // namespace resgen
