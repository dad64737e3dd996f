// The runtime export table: every routine an image or a plug-in may call, by name.
#include "startup/runtimeexports.h"

const ExportIndex& runtimeExports()
{
    static ExportIndex index(exportTable());
    return index;
}

const ExportSlot* exportFind(const char* name)
{
    return runtimeExports().find(name);
}
