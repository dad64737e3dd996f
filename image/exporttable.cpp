// The runtime export table: named entry points for images and plug-ins.
#include "image/exporttable.h"

#include <windows.h>

namespace {
bool namesEqual(const char* a, const char* b)
{
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a, -1, b, -1) == CSTR_EQUAL;
}
} // namespace

const ExportSlot* exportSearch(std::span<const ExportSlot> table, const char* name)
{
    for (const ExportSlot& slot : table) {
        if (slot.name && namesEqual(slot.name, name))
            return &slot;
    }
    return nullptr;
}

// Only the first slot of a name enters the map, so the first match still wins.
ExportIndex::ExportIndex(std::span<const ExportSlot> table)
{
    nameMapInit(map);
    for (const ExportSlot& slot : table) {
        if (!slot.name)
            continue;
        StringRef key(stringFromText(slot.name));
        if (!nameMapFind(map, key.get()))
            nameMapPut(map, key.get(), const_cast<ExportSlot*>(&slot));
    }
}

ExportIndex::~ExportIndex()
{
    nameMapClear(map);
}

const ExportSlot* ExportIndex::find(const char* name) const
{
    if (!name || !*name)
        return nullptr;
    NameMapEntry* entry = nameMapFindText(map, name);
    return entry ? static_cast<const ExportSlot*>(entry->value) : nullptr;
}
