// Collected error messages of one tool run, all in the form "tool: file: where: what".
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tools {

// Formats a byte offset the way every diagnostic shows it: "0x" and lower-case hex.
std::string hex(uint64_t value);

class Diagnostics {
public:
    explicit Diagnostics(std::string tool) : tool_(std::move(tool)) {}

    // "tool: what"
    void error(std::string_view what);
    // "tool: file: what"
    void error(std::string_view file, std::string_view what);
    // "tool: file: section +0xoffset: what"
    void error(std::string_view file, std::string_view section, uint64_t offset, std::string_view what);

    bool hasErrors() const { return !messages_.empty(); }
    size_t count() const { return messages_.size(); }
    const std::vector<std::string>& messages() const { return messages_; }
    void print(std::ostream& out) const;

private:
    std::string tool_;
    std::vector<std::string> messages_;
};

} // namespace tools
