// Data relocation instructions: 16-bit words that add the code or data base to runs of words.
#pragma once

#include <cstdint>
#include <string>

// Applies the instructions (length / 2 words; an odd last byte is ignored) to the data block.
// Every run is checked against the block before it is written; false with a message otherwise.
bool relocateData(uint8_t* data, uint32_t dataSize, const uint8_t* instructions, uint32_t length, uint32_t codeBase,
                  uint32_t dataBase, std::string& error);
