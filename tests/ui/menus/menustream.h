// Menu bar streams written for tests, as the image carries them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct MenuItemEntry {
    std::string name;
    std::string text;
    std::string commandKey;
    int32_t classIndex = 0;
    int32_t index = INT32_MIN;
    int32_t kind = 0;
    std::vector<MenuItemEntry> submenu;
};

struct MenuTitleEntry {
    std::string text;
    std::vector<MenuItemEntry> items;
    int32_t kind = 0;
};

std::string menuBarStream(const std::vector<MenuTitleEntry>& titles);
// One item record (without a submenu) and one title record with its item count, for
// hand-made streams.
std::string itemRecord(const MenuItemEntry& item);
std::string titleRecordHead(const MenuTitleEntry& title);
