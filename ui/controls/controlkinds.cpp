// The built-in control kinds that the runtime draws, and how their panes are made.
#include "ui/controls/controlkinds.h"

void classAddRuntimeHandler(ClassDescriptor* cls, const char* eventName, void* code)
{
    classAddEventHandler(cls, eventName, code);
}
