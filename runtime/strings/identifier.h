// Identifier comparison: names of classes, members and keys, folded through a fixed case table.
#pragma once

#include "runtime/strings/string.h"

#include <cstdint>
#include <string_view>

// -1, 0 or 1. Each byte is folded to upper case by a table that does not depend on the system;
// when one name is a prefix of the other, the shorter is the smaller.
int32_t identifierCompare(const char* a, int32_t aLength, const char* b, int32_t bLength);
// The fixed upper-case fold of one byte.
uint8_t identifierFold(uint8_t byte);

// Whether two names are equal under the identifier comparison.
bool identifierEquals(std::string_view a, std::string_view b);
bool identifierEquals(const StringRecord* a, std::string_view b);
// The bytes of a name held in a runtime string (none for Nil).
std::string_view identifierName(const StringRecord* name);
