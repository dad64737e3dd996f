// Name map: 256 buckets of runtime-string keys compared without regard to case.
#include "runtime/strings/stringmap.h"

#include "base/memorypool.h"

#include <cstring>

namespace {
uint8_t foldAsciiUpper(uint8_t byte)
{
    return byte >= 'a' && byte <= 'z' ? byte - ('a' - 'A') : byte;
}
} // namespace

uint32_t nameMapHash(const char* bytes, int32_t length)
{
    uint32_t hash = 0;
    for (int32_t i = 0; i < length; ++i)
        hash = foldAsciiUpper(static_cast<uint8_t>(bytes[i])) ^ (hash << 2);
    return hash;
}

void nameMapInit(NameMap& map)
{
    memset(&map, 0, sizeof map);
}

void nameMapClear(NameMap& map)
{
    for (NameMapEntry* entry = map.firstAdded; entry;) {
        NameMapEntry* next = entry->nextAdded;
        RuntimeUnlockString(entry->key);
        poolFree(entry, sizeof *entry);
        entry = next;
    }
    nameMapInit(map);
}

NameMapEntry* nameMapFind(const NameMap& map, StringRecord* key)
{
    uint32_t hash = nameMapHash(stringText(key), stringLength(key));
    for (NameMapEntry* entry = map.buckets[hash & 0xFF]; entry; entry = entry->next) {
        if (entry->hash == hash && RuntimeStringCompare(entry->key, key) == 0)
            return entry;
    }
    return nullptr;
}

NameMapEntry* nameMapFindText(const NameMap& map, const char* zeroTerminated)
{
    StringRef key(stringFromText(zeroTerminated));
    return nameMapFind(map, key.get());
}

void nameMapPut(NameMap& map, StringRecord* key, void* value)
{
    if (NameMapEntry* existing = nameMapFind(map, key)) {
        existing->value = value;
        return;
    }
    auto* entry = static_cast<NameMapEntry*>(poolAllocate(sizeof(NameMapEntry), false));
    entry->hash = nameMapHash(stringText(key), stringLength(key));
    entry->key = RuntimeLockString(key);
    entry->value = value;
    entry->next = map.buckets[entry->hash & 0xFF];
    map.buckets[entry->hash & 0xFF] = entry;
    entry->nextAdded = nullptr;
    if (map.lastAdded)
        map.lastAdded->nextAdded = entry;
    else
        map.firstAdded = entry;
    map.lastAdded = entry;
}
