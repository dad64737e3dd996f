// A template value checked against the kind of its key and written the way the runtime reads
// it: numbers in decimal, Booleans as True or False, project items by number.
#include "resgen/template_values.h"

#include "resgen/entry_values.h"
#include "resgen/names.h"

#include <charconv>

namespace resgen {

namespace {

constexpr int32_t kWhite = 0xFFFFFF;

std::optional<int32_t> hexColor(std::string_view text)
{
    if (text.size() != 7 || text[0] != '#')
        return std::nullopt;
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data() + 1, text.data() + text.size(), value, 16);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<std::string> integer(const TemplateKey& key, const PropertyValue& property,
                                   tools::Diagnostics& diagnostics)
{
    const std::optional<int32_t> number = parseInteger(property.value);
    if (!number) {
        report(diagnostics, property.where, "\"" + property.value + "\" is not a whole number");
    } else if (*number < key.minimum || *number > key.maximum) {
        report(diagnostics, property.where,
               std::string(key.name) + " " + property.value + " is outside " + std::to_string(key.minimum) + " to " +
                   std::to_string(key.maximum));
    } else {
        return std::to_string(*number);
    }
    return std::nullopt;
}

std::optional<std::string> color(const PropertyValue& property, tools::Diagnostics& diagnostics)
{
    std::optional<int32_t> number = hexColor(property.value);
    if (!number)
        number = parseInteger(property.value);
    if (number && *number >= 0 && *number <= kWhite)
        return std::to_string(*number);
    report(diagnostics, property.where, "\"" + property.value + "\" is not a colour (0 to 16777215, or #RRGGBB)");
    return std::nullopt;
}

// Anything but True reads as false at run time, so a misspelt True must not slip through.
std::optional<std::string> boolean(const TemplateKey& key, const PropertyValue& property,
                                   tools::Diagnostics& diagnostics)
{
    if (equalsIgnoringCase(property.value, "True"))
        return "True";
    if (equalsIgnoringCase(property.value, "False"))
        return "False";
    report(diagnostics, property.where, std::string(key.name) + " is True or False, not \"" + property.value + "\"");
    return std::nullopt;
}

std::optional<std::string> projectItem(const TemplateKey& key, const PropertyValue& property, const ItemNumbers& items,
                                       tools::Diagnostics& diagnostics)
{
    const std::optional<int32_t> number = parseInteger(property.value);
    if (number && *number >= 0)
        return std::to_string(*number);
    const bool picture = key.kind == ValueKind::Picture;
    const int32_t named = items.find(property.value, picture ? ProjectItemKind::Picture : ProjectItemKind::Movie);
    if (named != 0)
        return std::to_string(named);
    report(diagnostics, property.where,
           "\"" + property.value + "\" is neither a project item number nor the name of a " +
               (picture ? "picture" : "movie") + " of the project");
    return std::nullopt;
}

} // namespace

ItemNumbers::ItemNumbers(const std::vector<ProjectItemDescription>& items)
{
    for (size_t i = 0; i < items.size(); ++i) {
        if (!items[i].name.empty())
            numbers_.emplace(foldedName(items[i].name), std::pair{static_cast<int32_t>(i + 1), items[i].kind});
    }
}

int32_t ItemNumbers::find(std::string_view name, ProjectItemKind kind) const
{
    const auto found = numbers_.find(foldedName(name));
    return found != numbers_.end() && found->second.second == kind ? found->second.first : 0;
}

std::optional<std::string> templateValue(const TemplateKey& key, const PropertyValue& property,
                                         const ItemNumbers& items, tools::Diagnostics& diagnostics)
{
    switch (key.kind) {
    case ValueKind::Text:
        return property.value;
    case ValueKind::Integer:
        return integer(key, property, diagnostics);
    case ValueKind::Color:
        return color(property, diagnostics);
    case ValueKind::Boolean:
        return boolean(key, property, diagnostics);
    default:
        return projectItem(key, property, items, diagnostics);
    }
}

} // namespace resgen
