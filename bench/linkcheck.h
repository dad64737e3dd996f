// Checks of a linked synthetic image: the calls land on their routines, the words hold their bases.
#pragma once

#include "bench/syntheticimage.h"

#include <cstdint>
#include <string>

// Every call site calls its routine, and every other code byte is as stored.
bool checkLinkedCode(const SyntheticImage& image, const uint8_t* linked, std::string& problem);
// Every relocated word holds its base plus what was stored, and every other byte is as stored.
bool checkRelocatedData(const SyntheticImage& image, const uint8_t* relocated, uint32_t codeBase, uint32_t dataBase,
                        std::string& problem);
