// The runtime's built-in classes as the generator needs them, read from the table the runtime
// itself is built from.
#include "resgen/builtin_classes.h"

#include "resgen/description.h"
#include "resgen/names.h"

#include <charconv>

namespace resgen {

namespace {

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::string_view withoutComment(std::string_view line)
{
    const size_t comment = line.find("//");
    return trimmed(comment == std::string_view::npos ? line : line.substr(0, comment));
}

// The comma-separated arguments of "BUILTIN_CLASS(...)", or nothing when the line is not one.
std::optional<std::vector<std::string_view>> arguments(std::string_view line)
{
    constexpr std::string_view kOpen = "BUILTIN_CLASS(";
    if (!line.starts_with(kOpen) || !line.ends_with(")"))
        return std::nullopt;
    line = line.substr(kOpen.size(), line.size() - kOpen.size() - 1);
    std::vector<std::string_view> parts;
    for (size_t comma; parts.size() < 3 && (comma = line.find(',')) != std::string_view::npos;) {
        parts.push_back(trimmed(line.substr(0, comma)));
        line.remove_prefix(comma + 1);
    }
    parts.push_back(trimmed(line));
    if (parts.size() != 4)
        return std::nullopt;
    return parts;
}

std::optional<uint32_t> size(std::string_view text)
{
    uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value == 0)
        return std::nullopt;
    return value;
}

std::string entryError(const BuiltinClasses& classes, const std::vector<std::string_view>& parts)
{
    if (parts[0].empty())
        return "a built-in class without a name";
    if (classes.find(parts[0]))
        return "the built-in class " + std::string(parts[0]) + " is listed twice";
    if (parts[1] != "none" && !classes.find(parts[1])) {
        return "the superclass " + std::string(parts[1]) + " of " + std::string(parts[0]) + " is not listed above it";
    }
    if (!size(parts[2]))
        return "the instance size \"" + std::string(parts[2]) + "\" is not a positive number";
    return {};
}

} // namespace

const BuiltinClass* BuiltinClasses::find(std::string_view name) const
{
    for (const BuiltinClass& builtin : classes_) {
        if (equalsIgnoringCase(builtin.name, name))
            return &builtin;
    }
    return nullptr;
}

bool BuiltinClasses::descendsFrom(std::string_view name, std::string_view ancestor) const
{
    for (const BuiltinClass* c = find(name); c != nullptr; c = find(c->superclass)) {
        if (equalsIgnoringCase(c->name, ancestor))
            return true;
    }
    return false;
}

std::optional<BuiltinClasses> parseBuiltinClasses(const std::string& path, std::string_view text,
                                                  tools::Diagnostics& diagnostics)
{
    BuiltinClasses classes;
    const size_t errorsBefore = diagnostics.count();
    int number = 0;
    for (size_t end; !text.empty(); text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1)) {
        end = text.find('\n');
        const std::string_view line = withoutComment(text.substr(0, end));
        ++number;
        if (line.empty())
            continue;
        const std::optional<std::vector<std::string_view>> parts = arguments(line);
        const std::string error =
            parts ? entryError(classes, *parts) : "not a BUILTIN_CLASS(Name, Superclass, size, \"\") line";
        if (!error.empty()) {
            report(diagnostics, {path, number}, error);
            continue;
        }
        classes.add(
            {std::string((*parts)[0]), (*parts)[1] == "none" ? "" : std::string((*parts)[1]), *size((*parts)[2])});
    }
    if (diagnostics.count() != errorsBefore)
        return std::nullopt;
    return classes;
}

} // namespace resgen
