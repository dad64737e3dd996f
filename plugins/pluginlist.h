// The plug-ins the image carries: recorded by the entry routine, read and checked at start-up.
#pragma once

#include "image/imagedata.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

extern "C" void Win32InstallPlugins(const void* list);
// The list the entry routine recorded; null when it recorded none.
const void* pluginEmbeddedList();

// One record of the list, checked: its name is a plain file name and its library lies inside
// the data block.
struct EmbeddedPlugin {
    std::string name;
    std::span<const uint8_t> library;
};

// The records from `head` on, in list order. A record that leaves the data block ends the walk
// (its link cannot be trusted); a record with a bad name is skipped. Each problem is one line
// in `problems`.
std::vector<EmbeddedPlugin> pluginListRead(const ImageData& block, uint32_t head, std::vector<std::string>& problems);
