// The runtime export table: the index over its slots (made in exportslots.cpp).
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
