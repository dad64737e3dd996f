// A bounds-checked reader over untrusted bytes: every read says whether it fitted.
#pragma once

#include <cstdint>

class ByteCursor {
public:
    ByteCursor(const uint8_t* bytes, uint32_t size) : bytes(bytes), size(size) {}

    uint32_t position() const { return pos; }
    uint32_t remaining() const { return size - pos; }
    bool atEnd() const { return pos == size; }

    bool readU8(uint8_t& value)
    {
        if (remaining() < 1)
            return false;
        value = bytes[pos++];
        return true;
    }

    bool readU16LE(uint16_t& value)
    {
        if (remaining() < 2)
            return false;
        value = static_cast<uint16_t>(bytes[pos] | bytes[pos + 1] << 8);
        pos += 2;
        return true;
    }

    bool readU32LE(uint32_t& value)
    {
        if (remaining() < 4)
            return false;
        value = load32LE(bytes + pos);
        pos += 4;
        return true;
    }

    bool readU32BE(uint32_t& value)
    {
        if (remaining() < 4)
            return false;
        const uint8_t* p = bytes + pos;
        value = uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
        pos += 4;
        return true;
    }

    // Hands out a view of the next `count` bytes.
    bool readBytes(uint32_t count, const uint8_t*& view)
    {
        if (remaining() < count)
            return false;
        view = bytes + pos;
        pos += count;
        return true;
    }

    static uint32_t load32LE(const uint8_t* p)
    {
        return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
    }

    static void store32LE(uint8_t* p, uint32_t value)
    {
        p[0] = uint8_t(value);
        p[1] = uint8_t(value >> 8);
        p[2] = uint8_t(value >> 16);
        p[3] = uint8_t(value >> 24);
    }

private:
    const uint8_t* bytes;
    uint32_t size;
    uint32_t pos = 0;
};
