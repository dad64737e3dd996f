// A program whose image carries a plug-in: it installs it, then opens a window holding a
// control of the class the plug-in registers.
#include "app/runtime.h"
#include "appdata.h"
#include "plugin_fields.h"

extern "C" ImageClassTableLayout ImageClassTable;

extern "C" int ImageEntry()
{
    Win32InstallPlugins(ImagePluginList);
    RuntimeInit(&ImageClassTable);
    ObjectHeader* window =
        RuntimeCreateWindow(PluginWindowTemplate, reinterpret_cast<ObjectHeader**>(&PluginWindowSlot));
    int result = RuntimeRun();
    RuntimeUnlockObject(window);
    return result;
}
