// The runtime export table: one slot per EXPORT line of the *.exports lists.
#include "host/startup/exportslots.h"

// The routines are declared here only by name, which C linkage allows whatever their
// parameter lists; so this file includes no header that declares them with their types.
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
