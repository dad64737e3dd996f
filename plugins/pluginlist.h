// The plug-ins the image carries: recorded by the entry routine, installed during start-up.
#pragma once

extern "C" void Win32InstallPlugins(const void* list);
// The list the entry routine recorded; null when it recorded none.
const void* pluginEmbeddedList();
