// The runtime export table: named entry points for images and plug-ins.
#include "host/exporttable.h"

#include "runtime/stringmap.h"

#include <windows.h>

namespace {

bool namesEqual(const char* a, const char* b)
{
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a, -1, b, -1) == CSTR_EQUAL;
}

NameMap& exportMap()
{
    static NameMap map;
    static bool built = false;
    if (built)
        return map;
    nameMapInit(map);
    for (const ExportSlot& slot : exportTable()) {
        if (!slot.name)
            continue;
        StringRef key(stringFromText(slot.name));
        if (!nameMapFind(map, key.get()))
            nameMapPut(map, key.get(), const_cast<ExportSlot*>(&slot));
    }
    built = true;
    return map;
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

const ExportSlot* exportFind(const char* name)
{
    if (!name || !*name)
        return nullptr;
    NameMapEntry* entry = nameMapFindText(exportMap(), name);
    return entry ? static_cast<const ExportSlot*>(entry->value) : nullptr;
}
