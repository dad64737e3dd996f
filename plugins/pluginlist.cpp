// The plug-ins the image carries: recorded by the entry routine, installed during start-up.
#include "plugins/pluginlist.h"

namespace {
const void* embeddedPlugins;
}

extern "C" void Win32InstallPlugins(const void* list)
{
    embeddedPlugins = list;
}

const void* pluginEmbeddedList()
{
    return embeddedPlugins;
}
