// The routines a plug-in calls, through the resolver, to announce itself and register its
// controls.
#pragma once

#include "plugins/controldescriptor.h"
#include "runtime/objects/object.h"
#include "runtime/strings/string.h"

#include <vector>

struct PluginRecord;

// A control class a plug-in registered, with what its instances need at run time.
struct PluginControl {
    ClassDescriptor* cls;
    ControlDescriptor* descriptor;
    PluginRecord* plugin;
};

extern "C" {
void RegisterPluginVersion(int32_t version);
void RegisterPluginExports(void** table);
void PluginRegisterControl(ControlDescriptor* descriptor);
StringRecord* PluginDefaultControlCaption();
StringRecord* PluginDefaultControlFont();
int32_t PluginDefaultControlFontSize();
// The application's handler of the event whose record holds `eventKey`, for that instance;
// null when it has none.
void* GetEventInstance(ObjectHeader* instance, uint32_t eventKey);
}

// The registered control that the class is or descends from; null for any other class.
const PluginControl* pluginControlOf(const ClassDescriptor* cls);
// Every registered control, in the order of registration.
const std::vector<PluginControl>& pluginControls();
