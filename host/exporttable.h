// The runtime export table: named entry points for images and plug-ins.
#pragma once

#include <cstdint>
#include <span>

// One 16-byte slot; a slot with a null name is empty and every search passes over it.
struct ExportSlot {
    const char* name;
    void* routine;
    uint32_t reserved[2];
};
static_assert(sizeof(ExportSlot) == 16);

std::span<const ExportSlot> exportTable();

// Searches from the first slot up, without regard to case; the first equal name wins.
const ExportSlot* exportSearch(std::span<const ExportSlot> table, const char* name);

// The same answer as exportSearch over the runtime's table, through a name map built on
// first use.
const ExportSlot* exportFind(const char* name);
