// The runtime export table and its index.
#include "host/startup/runtimeexports.h"

const ExportIndex& runtimeExports()
{
    static ExportIndex index(exportTable());
    return index;
}

const ExportSlot* exportFind(const char* name)
{
    return runtimeExports().find(name);
}
