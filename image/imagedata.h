// The linked image's data and code blocks as the class table and project items see them:
// every address they hold is checked against its block before it is followed.
#pragma once

#include <cstdint>
#include <string_view>

class ImageData {
public:
    ImageData(const uint8_t* data, uint32_t dataSize, const uint8_t* code, uint32_t codeSize)
        : data(data), size(dataSize), code(code), codeSize(codeSize)
    {}
    // The blocks the linker was last given.
    static ImageData linked();

    // The offset of `address` in the data block, when `length` bytes from it lie inside.
    bool dataOffset(uint32_t address, uint64_t length, uint32_t& offset) const;
    const uint8_t* at(uint32_t offset) const { return data + offset; }
    uint32_t dataSize() const { return size; }
    uint32_t addressOf(uint32_t offset) const;
    // Whether a code pointer lies in the code block (0 is not).
    bool isCode(uint32_t address) const;
    // The text of a string constant: its record and its buffer (length byte, text, NUL) must
    // lie in the data block. Address 0 is the empty text.
    bool stringConstant(uint32_t address, std::string_view& text) const;

private:
    const uint8_t* data;
    uint32_t size;
    const uint8_t* code;
    uint32_t codeSize;
};
