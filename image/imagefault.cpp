// Faults in image data, worded one way by every reader: where the fault lies (the table,
// stream, window or control and the part of it), the byte offset, and what is wrong.
#include "image/imagefault.h"

#include <cstdarg>
#include <cstdio>

namespace {

std::string formatList(const char* format, va_list args)
{
    char text[512];
    vsnprintf(text, sizeof text, format, args);
    return text;
}

std::string offsetText(const ImageFaultPlace& place)
{
    auto offset = static_cast<unsigned long long>(place.offset);
    switch (place.unit) {
    case ImageOffsetUnit::none:
        return "";
    case ImageOffsetUnit::byte:
        return formatText(" at byte %llu", offset);
    case ImageOffsetUnit::dataOffset:
        return formatText(" at data offset 0x%llX", offset);
    case ImageOffsetUnit::recordOffset:
        return formatText(" at 0x%llX", offset);
    }
    return "";
}

std::string locatedFault(const ImageFaultPlace& place, const char* format, va_list args)
{
    return place.where + offsetText(place) + ": " + formatList(format, args);
}

} // namespace

std::string imageFault(const ImageFaultPlace& place, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string fault = locatedFault(place, format, args);
    va_end(args);
    return fault;
}

bool ImageFaults::fail(const char* format, ...)
{
    if (!first.empty())
        return false;
    va_list args;
    va_start(args, format);
    first = locatedFault(faultPlace(), format, args);
    va_end(args);
    return false;
}

std::string imageDamaged(const std::string& fault)
{
    return "The application could not be loaded because its image is damaged: " + fault;
}

std::string formatText(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string text = formatList(format, args);
    va_end(args);
    return text;
}
