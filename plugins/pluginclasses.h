// Non-visual classes and global methods that plug-ins register, and the registration routines
// of the interface that this runtime accepts without use.
#pragma once

#include "plugins/controldescriptor.h"

#include <cstdint>

// 32-bit fields in this order. The plug-in's storage starts right after the object header.
struct PluginClassDefinition {
    const char* name;
    uint32_t dataSize;
    void (*constructor)(void* instance);
    void (*destructor)(void* instance);
    PluginMembers members;
    void* constants;
    uint32_t constantCount;
};

// Plug-ins of version 1 give an export index and a declaration; of version 3 on, the method
// record as a control's methods have it. Version 2 is ignored.
struct PluginIndexedMethod {
    uint32_t exportIndex;
    const char* declaration;
};

extern "C" {
void PluginRegisterClass(PluginClassDefinition* definition);
void PluginRegisterMethod(void* definition);
void PluginRegisterClassExtension(void* definition);
void PluginRegisterDBEngine(void* definition);
void PluginRegisterDBTable(void* definition);
void PluginRegisterDBCursor(void* definition);
void RegisterDataSource(void* definition);
void RegisterDataSourceInterface(void* definition);
}
