// The image's entry routine: the plug-ins, the runtime, the cheque window first, then the loop.
#include "app/formwindow.h"
#include "appdata.h"

extern "C" ImageClassTableLayout ImageClassTable;

extern "C" int ImageEntry()
{
    Win32InstallPlugins(ImagePluginList);
    RuntimeInit(&ImageClassTable);
    chequeWindow();
    return RuntimeRun();
}
