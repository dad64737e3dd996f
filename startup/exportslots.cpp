// The slots of the runtime export table, one per EXPORT line of the *.exports lists.
#include "startup/exportslots.h"

// This file includes no other runtime header: the routines are declared here only by name,
// which C linkage allows whatever their parameter lists.
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
