// The runtime export table: named entry points for images and plug-ins.
#pragma once

#include "image/exportslot.h"
#include "runtime/strings/stringmap.h"

#include <cstdint>
#include <span>

// Searches from the first slot up, without regard to case; the first equal name wins.
const ExportSlot* exportSearch(std::span<const ExportSlot> table, const char* name);

// A name map over a table that gives the same answers as exportSearch, without the walk.
class ExportIndex {
public:
    explicit ExportIndex(std::span<const ExportSlot> table);
    ~ExportIndex();
    ExportIndex(const ExportIndex&) = delete;
    ExportIndex& operator=(const ExportIndex&) = delete;
    const ExportSlot* find(const char* name) const;

private:
    NameMap map;
};
