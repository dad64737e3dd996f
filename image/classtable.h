// The image's class table read and checked: every count, address and index of every entry,
// before anything is built from it.
#pragma once

#include "image/imagedata.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct ClassTableMethod {
    std::string_view name;
    uint32_t code; // 0 for the methods of an interface
};

struct ClassTableHandler {
    std::string_view name;
    uint32_t code;
    uint32_t key;
};

struct ClassTableMenuHandler {
    std::string_view itemName;
    uint32_t code;
};

// A reference (kind 1) carries only its name; the rest belongs to definitions (kind 0).
// Texts point into the data block.
struct ClassTableEntry {
    bool isReference = false;
    std::string_view name; // empty for an unnamed subclass
    uint32_t instanceSize = 0;
    int32_t superclass = -1; // an index of the table, or -1
    uint32_t constructor = 0;
    uint32_t destructor = 0;
    bool isInterface = false;
    std::vector<int32_t> interfaces; // indexes of the table
    std::vector<ClassTableMethod> methods;
    std::vector<ClassTableHandler> handlers;
    std::vector<ClassTableMenuHandler> menuHandlers;
    uint32_t virtualTable = 0; // address of the table in the data block
    uint32_t virtualTableSize = 0;
};

// Instance sizes outside this range are refused: the header must fit, and a size near the
// top of the address range cannot be allocated.
constexpr uint32_t classSmallestInstance = 16;
constexpr uint32_t classLargestInstance = 0x100000;

// Reads the classes of the table at `address`; on failure `error` says which entry and what.
// Superclass and interface indexes are in range and no chain of superclasses loops.
bool classTableRead(const ImageData& image, uint32_t address, std::vector<ClassTableEntry>& classes,
                    std::string& error);
// Reads the project item addresses that follow the classes (0: an empty slot).
bool classTableReadItems(const ImageData& image, uint32_t address, std::vector<uint32_t>& items, std::string& error);
