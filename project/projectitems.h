// The project items of the image: pictures, the menu bar, movies, sounds, cursors, the
// settings, databases and the single instances of its modules, by item number.
#pragma once

#include "runtime/objects/object.h"

#include <cstdint>
#include <string>

// Reads every item named after the classes of the class table, then builds them in order.
// Project objects get the numbers 1 ... NP; items that make none leave their number empty.
// An item of an unknown kind is a failed assertion and is skipped. False, with the message
// to show, for an item whose data does not lie in the data block (nothing is built then).
// Runs after the classes are built: module items name classes by index.
bool registryBuildProjectItems(const uint32_t* classTable, std::string& error);

// The menu bar stream of the image (kind 2), read by the menus; empty when there is none.
struct MenuBarStream {
    const uint8_t* bytes;
    uint32_t length;
};
MenuBarStream projectMenuBarStream();

extern "C" {
// The project object with that number, with a reference added; Nil for 0, for a number out
// of range and for an item that made no object.
ObjectHeader* RuntimeProjectObject(int32_t number);
// The same operation: pictures of the project are project objects.
ObjectHeader* RuntimePictureReference(int32_t number);
}
