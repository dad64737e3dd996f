// The runtime's built-in classes as the generator needs them: each name with its superclass
// and instance size, read from the table the runtime itself is built from
// (one BUILTIN_CLASS(Name, Superclass or none, size, "second name") per line).
#pragma once

#include "common/diagnostics.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace resgen {

struct BuiltinClass {
    std::string name;
    std::string superclass; // empty for a root class
    uint32_t instanceSize = 0;
};

class BuiltinClasses {
public:
    void add(BuiltinClass builtin) { classes_.push_back(std::move(builtin)); }
    // Names are compared as the runtime compares them: without regard to ASCII case.
    const BuiltinClass* find(std::string_view name) const;
    // Whether `name` is `ancestor` or descends from it.
    bool descendsFrom(std::string_view name, std::string_view ancestor) const;
    const std::vector<BuiltinClass>& all() const { return classes_; }

private:
    std::vector<BuiltinClass> classes_;
};

// Every line that is not blank, a // comment or a well-formed entry is reported as
// "path:line: ..."; a superclass must be listed above the class.
std::optional<BuiltinClasses> parseBuiltinClasses(const std::string& path, std::string_view text,
                                                  tools::Diagnostics& diagnostics);

} // namespace resgen
