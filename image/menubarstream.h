// The menu bar stream of the image, read into checked records before anything is built.
#pragma once

#include "image/streamencoding.h"

#include <cstdint>
#include <string>
#include <vector>

// Index of an item that is not a member of a menu array.
constexpr int32_t notInMenuArray = streamNotInArray;

struct MenuItemRecord {
    int32_t kind; // streamMenuSkipped: read but not made
    std::string text;
    std::string name;
    int32_t index; // notInMenuArray outside an array
    std::string commandKey;
    std::string extra1;
    std::string extra2;
    uint8_t flag;
    int32_t classIndex;
    std::vector<MenuItemRecord> submenu;
    bool hasSubmenu;
};

struct MenuTitleRecord {
    int32_t kind; // streamMenuSkippedTitle and streamMenuSkipped: read but not made
    std::string text;
    std::string name;
    int32_t index;
    std::string commandKey;
    std::string extra1;
    std::string extra2;
    uint8_t flags[2];
    int32_t classIndex;
    std::vector<MenuItemRecord> items;
};

// Submenus deeper than this are a damaged stream.
constexpr int32_t menuNestingLimit = 16;

// False, with the message naming the title, the item and the byte offset, for a stream that
// ends inside a record, a negative count or one the remaining bytes cannot hold, or submenus
// nested too deep. Bytes after the last title are ignored.
bool menuBarRead(const uint8_t* bytes, uint32_t length, std::vector<MenuTitleRecord>& titles, std::string& error);
