// Window templates as read from the image: the window's class and properties, its controls
// and its bindings, checked before anything is built.
#include "host/image/templatereader.h"

#include "host/image/imagestream.h"

namespace {

// Every listed item takes at least this many bytes: a count can be checked before it is used.
constexpr uint32_t smallestProperty = 2;   // two empty strings
constexpr uint32_t smallestControl = 2;    // class index and a property count of 0
constexpr uint32_t smallestBinding = 7;

bool readCount(ImageStream& stream, uint32_t length, uint32_t smallestItem, int32_t& count)
{
    count = stream.readNumber();
    return !stream.failed() && count >= 0 &&
           static_cast<uint64_t>(count) * smallestItem <= length - stream.position();
}

bool readProperties(ImageStream& stream, uint32_t length, int32_t count, std::vector<TemplateProperty>& properties)
{
    if (count < 0 || static_cast<uint64_t>(count) * smallestProperty > length - stream.position())
        return false;
    properties.reserve(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        std::string_view key = stream.readText();
        std::string_view value = stream.readText();
        if (stream.failed())
            return false;
        properties.push_back({key, value});
    }
    return true;
}

bool readControl(ImageStream& stream, uint32_t length, ControlTemplate& control)
{
    control.classIndex = stream.readNumber();
    int32_t count = stream.readNumber();
    if (stream.failed() || control.classIndex < 0)
        return false;
    return readProperties(stream, length, count, control.properties);
}

bool readBinding(ImageStream& stream, BindingTemplate& binding)
{
    binding.sourcePosition = stream.readNumber();
    binding.sourcePart = stream.readText();
    binding.targetPosition = stream.readNumber();
    binding.targetPart = stream.readText();
    binding.binderClassIndex = stream.readNumber();
    binding.sourceInterface = stream.readText();
    binding.targetInterface = stream.readText();
    return !stream.failed();
}

} // namespace

bool readWindowTemplate(const uint8_t* bytes, uint32_t length, WindowTemplate& result)
{
    ImageStream stream(bytes, length);
    int32_t propertyCount = stream.readNumber();
    result.classIndex = stream.readNumber();
    if (stream.failed() || result.classIndex < 0 ||
        !readProperties(stream, length, propertyCount, result.properties))
        return false;
    int32_t controlCount;
    if (!readCount(stream, length, smallestControl, controlCount))
        return false;
    result.controls.resize(static_cast<size_t>(controlCount));
    for (ControlTemplate& control : result.controls) {
        if (!readControl(stream, length, control))
            return false;
    }
    int32_t bindingCount;
    if (!readCount(stream, length, smallestBinding, bindingCount))
        return false;
    result.bindings.resize(static_cast<size_t>(bindingCount));
    for (BindingTemplate& binding : result.bindings) {
        if (!readBinding(stream, binding))
            return false;
    }
    return true;
}
