// The record of one loaded plug-in library, and the one whose entry routine is running.
#include "plugins/pluginrecord.h"

namespace {
PluginRecord* head;
PluginRecord* current;
} // namespace

PluginRecord* pluginListHead()
{
    return head;
}

PluginRecord* pluginCurrent()
{
    return current;
}

PluginRecord* pluginRecordAdd(HMODULE module)
{
    head = new PluginRecord{module, 1, nullptr, head};
    return head;
}

void pluginSetCurrent(PluginRecord* record)
{
    current = record;
}
