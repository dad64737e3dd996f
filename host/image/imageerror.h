// Wording of the loader's own messages about a damaged or missing image.
#pragma once

#include <string>

// "The application could not be loaded because its image is damaged: " + the formatted detail.
std::string imageDamaged(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string formatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
