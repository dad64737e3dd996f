// Name map: 256 buckets of runtime-string keys compared without regard to case.
#pragma once

#include "runtime/strings/string.h"

#include <cstdint>

struct NameMapEntry {
    NameMapEntry* next;      // in its bucket
    NameMapEntry* nextAdded; // in insertion order
    uint32_t hash;
    StringRecord* key; // the map holds a reference
    void* value;
};

struct NameMap {
    NameMapEntry* buckets[256];
    NameMapEntry* firstAdded;
    NameMapEntry* lastAdded;
};

uint32_t nameMapHash(const char* bytes, int32_t length);

void nameMapInit(NameMap& map);
// Releases every key and entry; the values are the caller's.
void nameMapClear(NameMap& map);
// Inserting an existing key replaces its value.
void nameMapPut(NameMap& map, StringRecord* key, void* value);
NameMapEntry* nameMapFind(const NameMap& map, StringRecord* key);
NameMapEntry* nameMapFindText(const NameMap& map, const char* zeroTerminated);
