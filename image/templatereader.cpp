// Window templates as read from the image: the window's class and properties, its controls
// and its bindings, checked before anything is built.
#include "image/templatereader.h"

#include "image/checkedstream.h"
#include "runtime/strings/identifier.h"

namespace {

// Every listed item takes at least this many bytes: a count can be checked before it is used.
constexpr uint32_t smallestProperty = 2; // two empty strings
constexpr uint32_t smallestControl = 2;  // class index and a property count of 0
constexpr uint32_t smallestBinding = 7;

std::string_view nameAmong(const std::vector<TemplateProperty>& properties)
{
    for (const TemplateProperty& property : properties) {
        if (identifierCompare(property.key.data(), static_cast<int32_t>(property.key.size()), "Name", 4) == 0)
            return property.value;
    }
    return {};
}

// "window template Main" or "window template Main, control 3 (Label1)" (control from 1; 0 for
// the window itself), with the names as far as they were read.
std::string templatePlaceName(const WindowTemplate& window, size_t control)
{
    std::string where = "window template";
    std::string_view name = nameAmong(window.properties);
    if (!name.empty())
        where += " " + std::string(name);
    if (control == 0)
        return where;
    where += ", control " + std::to_string(control);
    name = nameAmong(window.controls[control - 1].properties);
    if (!name.empty())
        where += " (" + std::string(name) + ")";
    return where;
}

// Its faults name the window and the control or binding being read, as far as the names have
// been read; the names are looked up only when a fault is reported.
class TemplateReader final : public CheckedStream {
public:
    TemplateReader(const uint8_t* bytes, uint32_t length, WindowTemplate& result)
        : CheckedStream(bytes, length, {}), result(result)
    {}

    bool read()
    {
        return header() && list(result.controls, smallestControl, controlNumber, &TemplateReader::control) &&
               list(result.bindings, smallestBinding, bindingNumber, &TemplateReader::binding);
    }

private:
    ImageFaultPlace faultPlace() const override;
    bool header();
    bool properties(std::vector<TemplateProperty>& out, int32_t count);
    bool control(ControlTemplate& control);
    bool binding(BindingTemplate& binding);

    // A count, then that many items, each read by `readItem` while `number` tells which it is.
    template <typename Item>
    bool list(std::vector<Item>& items, uint32_t smallestItem, size_t& number, bool (TemplateReader::*readItem)(Item&))
    {
        int32_t itemCount;
        if (!count(itemCount, smallestItem))
            return false;
        items.resize(static_cast<size_t>(itemCount));
        for (Item& item : items) {
            ++number;
            if (!(this->*readItem)(item))
                return false;
        }
        number = 0;
        return true;
    }

    WindowTemplate& result;
    size_t controlNumber = 0; // from 1 while a control is read
    size_t bindingNumber = 0; // from 1 while a binding is read
};

ImageFaultPlace TemplateReader::faultPlace() const
{
    std::string where = templatePlaceName(result, controlNumber);
    if (bindingNumber)
        where += ", binding " + std::to_string(bindingNumber);
    return {where, ImageOffsetUnit::byte, position()};
}

bool TemplateReader::header()
{
    int32_t count = readNumber();
    result.classOffset = position();
    result.classIndex = readNumber();
    return intact() && countFits(count, smallestProperty) && properties(result.properties, count);
}

bool TemplateReader::properties(std::vector<TemplateProperty>& out, int32_t count)
{
    out.reserve(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        std::string_view key = readText();
        std::string_view value = readText();
        if (!intact())
            return false;
        out.push_back({key, value});
    }
    return true;
}

bool TemplateReader::control(ControlTemplate& control)
{
    control.classOffset = position();
    control.classIndex = readNumber();
    int32_t count = readNumber();
    return intact() && countFits(count, smallestProperty) && properties(control.properties, count);
}

bool TemplateReader::binding(BindingTemplate& binding)
{
    binding.sourcePosition = readNumber();
    binding.sourcePart = readText();
    binding.targetPosition = readNumber();
    binding.targetPart = readText();
    binding.binderClassIndex = readNumber();
    binding.sourceInterface = readText();
    binding.targetInterface = readText();
    return intact();
}

} // namespace

bool readWindowTemplate(const uint8_t* bytes, uint32_t length, WindowTemplate& result, std::string& fault)
{
    TemplateReader reader(bytes, length, result);
    if (reader.read())
        return true;
    fault = reader.fault();
    return false;
}

ImageFaultPlace templateClassPlace(const WindowTemplate& window, size_t control)
{
    uint32_t offset = control ? window.controls[control - 1].classOffset : window.classOffset;
    return {templatePlaceName(window, control), ImageOffsetUnit::byte, offset};
}
