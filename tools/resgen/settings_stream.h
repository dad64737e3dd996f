// The settings stream: the flag, the language code, the file types, the message texts and
// the frame window's mode and title.
#pragma once

#include "resgen/descriptions.h"

#include <cstdint>
#include <vector>

namespace resgen {

std::vector<uint8_t> encodeSettings(const SettingsDescription& settings);

} // namespace resgen
