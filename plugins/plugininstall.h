// Installing the image's plug-ins at start-up: each library is written to the user's plug-in
// folder, loaded from there by its full path and entered with the resolver.
#pragma once

#include "image/imagedata.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// The runtime routine of a name, or null; the export table lives above this layer.
typedef void* (*PluginLookup)(const char* name);

// Installs the list at `head` (0: none). Problems go to the debug output, one line each, and
// stop only the plug-in they concern; they are also returned.
std::vector<std::string> pluginsInstall(const ImageData& block, uint32_t head, PluginLookup lookup);

// The loaded libraries, newest first.
std::vector<HMODULE> pluginModules();
