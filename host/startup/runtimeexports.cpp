// The runtime export table: its index and the search by name.
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
