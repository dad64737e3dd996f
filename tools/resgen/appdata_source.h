// The two generated files: appdata.cpp with the image's data, compiled with the application
// (freestanding, no library), and appdata.h with what the application's code refers to.
#pragma once

#include "resgen/image_model.h"

#include <string>

namespace resgen {

std::string appdataSource(const ImageModel& model);
std::string appdataHeader(const ImageModel& model);

} // namespace resgen
