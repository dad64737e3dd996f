// The record of one loaded plug-in library, and the one whose entry routine is running.
#pragma once

#include <windows.h>

#include <cstdint>

// Kept for the life of the process, as the library is.
struct PluginRecord {
    HMODULE module;
    int32_t version = 1; // as the plug-in announces it
    void** exports = nullptr;
    PluginRecord* next = nullptr;
};

PluginRecord* pluginListHead();
// Made current while its entry routine runs; null at any other time.
PluginRecord* pluginCurrent();
PluginRecord* pluginRecordAdd(HMODULE module);
void pluginSetCurrent(PluginRecord* record);
