// Building the menu bar from the image's menu bar stream, once at start-up.
#pragma once

#include <cstdint>
#include <string>

// Builds the bar from the image's stream (after the classes and project items exist, before
// the window that carries it is made). A damaged stream builds no bar; its message is kept
// in menuBarError().
void menuBarBuild();
// The same from given bytes. False, with the message, for a damaged stream; items whose class
// is missing or no MenuItem are built as plain MenuItems and reported in `error` too.
bool menuBarBuildFrom(const uint8_t* bytes, uint32_t length, std::string& error);
// The problems found by menuBarBuild; empty when there were none.
const std::string& menuBarError();
