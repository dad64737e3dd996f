// Collected error messages of one tool run, all in the form "tool: file: where: what".
#include "common/diagnostics.h"

#include <cstdio>

namespace tools {

std::string hex(uint64_t value)
{
    char text[24];
    std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(value));
    return text;
}

void Diagnostics::error(std::string_view what)
{
    messages_.push_back(tool_ + ": " + std::string(what));
}

void Diagnostics::error(std::string_view file, std::string_view what)
{
    messages_.push_back(tool_ + ": " + std::string(file) + ": " + std::string(what));
}

void Diagnostics::error(std::string_view file, std::string_view section, uint64_t offset, std::string_view what)
{
    messages_.push_back(tool_ + ": " + std::string(file) + ": " + std::string(section) + " +" + hex(offset) + ": " +
                        std::string(what));
}

void Diagnostics::print(std::ostream& out) const
{
    for (const std::string& message : messages_)
        out << message << '\n';
}

} // namespace tools
