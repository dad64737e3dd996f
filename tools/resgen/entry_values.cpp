// Checks of single entries that every section reader shares: names, numbers, texts and keys
// given twice.
#include "resgen/entry_values.h"

#include "resgen/names.h"
#include "resgen/shift_jis.h"

#include <charconv>

namespace resgen {

namespace {

// A string constant keeps its length in one byte.
constexpr size_t kLongestName = 255;

} // namespace

bool isIdentifier(std::string_view text)
{
    if (text.empty() || (text[0] >= '0' && text[0] <= '9'))
        return false;
    for (char c : text) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!letter && !(c >= '0' && c <= '9') && c != '_')
            return false;
    }
    return true;
}

std::optional<int32_t> parseInteger(std::string_view text)
{
    const bool plus = text.starts_with('+');
    if (plus)
        text.remove_prefix(1);
    if (text.empty() || (plus && text[0] == '-'))
        return std::nullopt;
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

const std::string* valueOf(const Entry& entry, tools::Diagnostics& diagnostics)
{
    if (entry.value)
        return &*entry.value;
    report(diagnostics, entry.where, entry.keyText() + " needs a value: " + entry.keyText() + " = ...");
    return nullptr;
}

bool checkIdentifier(std::string_view name, const Location& where, tools::Diagnostics& diagnostics)
{
    if (isIdentifier(name) && name.size() <= kLongestName)
        return true;
    report(diagnostics, where,
           name.size() > kLongestName
               ? "a name is at most " + std::to_string(kLongestName) + " characters long"
               : "\"" + std::string(name) + "\" is not a name (letters, digits and _, not starting with a digit)");
    return false;
}

std::optional<std::string> identifierValue(const Entry& entry, tools::Diagnostics& diagnostics)
{
    const std::string* value = valueOf(entry, diagnostics);
    if (value == nullptr || !checkIdentifier(*value, entry.where, diagnostics))
        return std::nullopt;
    return *value;
}

std::optional<std::string> shiftJisValue(const Entry& entry, tools::Diagnostics& diagnostics)
{
    const std::string* value = valueOf(entry, diagnostics);
    if (value == nullptr)
        return std::nullopt;
    return shiftJisText(*value, entry.where, diagnostics);
}

std::optional<std::string> shiftJisText(std::string_view utf8, const Location& where, tools::Diagnostics& diagnostics)
{
    std::string converted, error;
    if (toShiftJis(utf8, converted, error))
        return converted;
    report(diagnostics, where, error);
    return std::nullopt;
}

std::optional<int32_t> integerValue(const Entry& entry, int32_t minimum, int32_t maximum,
                                    tools::Diagnostics& diagnostics)
{
    const std::string* value = valueOf(entry, diagnostics);
    if (value == nullptr)
        return std::nullopt;
    const std::optional<int32_t> number = parseInteger(*value);
    if (!number) {
        report(diagnostics, entry.where, "\"" + *value + "\" is not a whole number");
    } else if (*number < minimum || *number > maximum) {
        report(diagnostics, entry.where,
               entry.keyText() + " " + *value + " is outside " + std::to_string(minimum) + " to " +
                   std::to_string(maximum));
    } else {
        return number;
    }
    return std::nullopt;
}

void unknownKey(const Entry& entry, std::string_view where, tools::Diagnostics& diagnostics)
{
    report(diagnostics, entry.where, "unknown key \"" + entry.keyText() + "\" " + std::string(where));
}

bool KeysSeen::first(const std::string& key, const Location& where, tools::Diagnostics& diagnostics)
{
    const auto [seen, inserted] = lines_.emplace(foldedName(key), where.line);
    if (inserted)
        return true;
    report(diagnostics, where, key + " is given twice (first at line " + std::to_string(seen->second) + ")");
    return false;
}

} // namespace resgen
