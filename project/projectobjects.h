// The plain objects among the project items: movies, sounds, databases and the value items.
#pragma once

#include "runtime/objects/object.h"

#include <cstdint>
#include <string_view>

// Plays item data of its resource number from the resource table.
struct MovieObject {
    ObjectHeader header;
    int32_t resourceNumber;
};

struct SoundObject {
    ObjectHeader header;
    uint32_t value;
    const uint8_t* data; // the sound data in place in the image
    uint32_t dataSize;   // bytes from `data` to the end of its block
    uint8_t playing;
};

// Items of kinds 7 and 8.
struct ValueObject {
    ObjectHeader header;
    uint32_t value;
};

struct DatabaseObject {
    ObjectHeader header;
    StringRecord* name;
    uint32_t valueA;
    uint32_t valueB;
};

// Each returns a new object with one reference.
ObjectHeader* movieFromResource(int32_t resourceNumber);
ObjectHeader* soundFromImageData(uint32_t value, const uint8_t* data, uint32_t available);
ObjectHeader* valueItemObject(uint32_t kind, uint32_t value);
ObjectHeader* databaseFromImage(std::string_view name, uint32_t valueA, uint32_t valueB);

ClassDescriptor* databaseClass();
ClassDescriptor* valueItemClass(uint32_t kind);
