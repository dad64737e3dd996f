// One slot of the runtime export table.
#pragma once

#include <cstdint>
#include <span>

// 16 bytes; a slot with a null name is empty and every search passes over it.
struct ExportSlot {
    const char* name;
    void* routine;
    uint32_t reserved[2];
};
static_assert(sizeof(ExportSlot) == 16);
