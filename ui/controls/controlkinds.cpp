// The built-in control kinds that the runtime draws, and how their panes are made.
#include "ui/controls/controlkinds.h"

void classAddRuntimeHandler(ClassDescriptor* cls, const char* eventName, void* code)
{
    auto* handler = static_cast<EventHandler*>(taggedAllocate(sizeof(EventHandler)));
    *handler = {cls->handlers, stringFromText(eventName), code, 0};
    cls->handlers = handler;
}
