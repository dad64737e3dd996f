// Wording of the loader's own messages about a damaged or missing image.
#include "host/image/imageerror.h"

#include <cstdarg>
#include <cstdio>

namespace {
std::string formatList(const char* format, va_list args)
{
    char text[512];
    vsnprintf(text, sizeof text, format, args);
    return text;
}
} // namespace

std::string formatText(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string text = formatList(format, args);
    va_end(args);
    return text;
}

std::string imageDamaged(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string detail = formatList(format, args);
    va_end(args);
    return "The application could not be loaded because its image is damaged: " + detail;
}
