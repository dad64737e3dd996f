// The runtime export table: every routine an image or a plug-in may call, by name. It names
// routines of every layer, so it is made here, at the top, and handed down to the linker.
#pragma once

#include "image/exporttable.h"
#include "startup/exportslots.h"

// The index over the table, built on first use.
const ExportIndex& runtimeExports();
const ExportSlot* exportFind(const char* name);
