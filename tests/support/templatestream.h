// Window template streams written for tests and benchmarks, as the image carries them.
#pragma once

#include "image/streamencoding.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

using Properties = std::vector<std::pair<std::string, std::string>>;

// The 21 keys of a window template with their usual values, then `overrides` replacing some.
Properties windowProperties(const std::string& title, int32_t width, int32_t height, const Properties& overrides = {});
// The 16 base keys of a control, then the kind's own.
Properties controlProperties(const std::string& name, int32_t left, int32_t top, int32_t width, int32_t height,
                             const Properties& own = {}, int32_t index = INT32_MIN);

struct ControlSpec {
    int32_t classIndex;
    Properties properties;
};

std::string templateStream(int32_t windowClass, const Properties& window, const std::vector<ControlSpec>& controls);
// The stream with its little-endian length in front, as the image carries templates.
std::vector<uint8_t> templateRecord(const std::string& stream);
