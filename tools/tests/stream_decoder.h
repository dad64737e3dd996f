// Test-only decoding of the window template, menu bar and settings streams the generator
// writes, read with the runtime's own stream reader (image/imagestream.h).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace testsupport {

using KeyValueList = std::vector<std::pair<std::string, std::string>>;

struct DecodedControl {
    int32_t classIndex = 0;
    KeyValueList keys;
};

struct DecodedTemplate {
    int32_t windowClass = 0;
    KeyValueList keys;
    std::vector<DecodedControl> controls;
    int32_t bindings = 0;
    bool wholeStream = false; // the stream ended exactly after the bindings
};

// `bytes` starts with the u32 little-endian length of the stream.
DecodedTemplate decodeWindowTemplate(std::span<const uint8_t> bytes);

struct DecodedMenu {
    int32_t kind = 0;
    std::string text, name;
    int32_t index = 0;
    std::string shortcut, extra1, extra2;
    uint8_t flag = 0, hasSubmenu = 0;
    int32_t classIndex = 0;
    std::vector<DecodedMenu> items;
};

// The titles; `wholeStream` tells whether the stream ended exactly after the last one.
std::vector<DecodedMenu> decodeMenuBar(std::span<const uint8_t> stream, bool& wholeStream);

struct DecodedSettings {
    uint8_t flag = 0;
    uint32_t skipped = 0, language = 0;
    std::vector<std::vector<std::string>> fileTypes;
    std::vector<std::string> messages;
    uint8_t frameMode = 0;
    std::string frameTitle;
    bool wholeStream = false;
};

DecodedSettings decodeSettings(std::span<const uint8_t> stream);

} // namespace testsupport
