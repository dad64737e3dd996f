// The runtime export table: one slot per EXPORT line of the *.exports lists.
#include "host/startup/runtimeexports.h"

// The routines are declared here only by name, which C linkage allows whatever their
// parameter lists; no other header of the runtime is needed.
#define EXPORT(name) extern "C" void name();
#include "exportlists.inc"
#undef EXPORT

namespace {
#define EXPORT(name) {#name, reinterpret_cast<void*>(&name), {0, 0}},
const ExportSlot slots[] = {
#include "exportlists.inc"
};
#undef EXPORT
} // namespace

std::span<const ExportSlot> exportTable()
{
    return slots;
}

const ExportIndex& runtimeExports()
{
    static ExportIndex index(exportTable());
    return index;
}

const ExportSlot* exportFind(const char* name)
{
    return runtimeExports().find(name);
}
