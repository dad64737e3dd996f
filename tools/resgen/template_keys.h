// The keys a window template carries for a window and for each control class, in stream
// order, with the kind of value each takes and the value written when a description leaves
// it out.
#pragma once

#include <cstdint>
#include <limits>
#include <span>
#include <string_view>

namespace resgen {

// How a value is checked; in the stream every value is text.
enum class ValueKind {
    Text,    // any text, written in Shift-JIS
    Integer, // decimal, optional sign
    Color,   // decimal 0 to 16777215, or #RRGGBB
    Boolean, // True or False in any case
    Picture, // a project item number, or the name of a picture item
    Movie,   // a project item number, or the name of a movie item
};

struct TemplateKey {
    std::string_view name;
    ValueKind kind;
    std::string_view defaultValue;
    int32_t minimum = std::numeric_limits<int32_t>::min(); // integers only
    int32_t maximum = std::numeric_limits<int32_t>::max();
};

struct ControlClassKeys {
    std::string_view className;
    bool plugin; // provided by the control plug-in, not by the runtime
    std::string_view defaultWidth, defaultHeight;
    std::span<const TemplateKey> keys; // after the base keys
};

std::span<const TemplateKey> windowTemplateKeys();
// The keys every control starts with. Name is the control's name, Width and Height default
// to the class's default size.
std::span<const TemplateKey> baseControlKeys();
// The control classes templates can name, compared without regard to case; null if none.
const ControlClassKeys* controlClassKeys(std::string_view className);

} // namespace resgen
