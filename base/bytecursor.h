// A bounds-checked reader over untrusted bytes, and the fixed-width loads and stores it is made
// of. The runtime and the native build tools both read with it, so it stays free of Win32.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

inline uint16_t loadU16LE(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

inline uint32_t loadU32LE(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

inline uint16_t loadU16BE(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] << 8 | p[1]);
}

inline uint32_t loadU32BE(const uint8_t* p)
{
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | uint32_t(p[3]);
}

inline void storeU32LE(uint8_t* p, uint32_t value)
{
    p[0] = uint8_t(value);
    p[1] = uint8_t(value >> 8);
    p[2] = uint8_t(value >> 16);
    p[3] = uint8_t(value >> 24);
}

inline void storeU32BE(uint8_t* p, uint32_t value)
{
    p[0] = uint8_t(value >> 24);
    p[1] = uint8_t(value >> 16);
    p[2] = uint8_t(value >> 8);
    p[3] = uint8_t(value);
}

// True when [offset, offset + length) lies inside `size` bytes. Compared by subtraction in 64
// bits, so that no sum can wrap.
constexpr bool rangeFits(uint64_t offset, uint64_t length, uint64_t size)
{
    return offset <= size && length <= size - offset;
}

// A read position over a span of bytes. Every read first checks that its bytes are there, in 64
// bits (`count <= remaining()`), and when they are not it returns false and leaves the position
// and the value unchanged, so that the caller can report and stop.
class ByteCursor {
public:
    explicit ByteCursor(std::span<const uint8_t> bytes, size_t position = 0)
        : bytes(bytes), pos(position <= bytes.size() ? position : bytes.size())
    {}
    ByteCursor(const uint8_t* bytes, size_t size) : ByteCursor(std::span<const uint8_t>(bytes, size)) {}

    size_t position() const { return pos; }
    size_t size() const { return bytes.size(); }
    size_t remaining() const { return bytes.size() - pos; }
    bool atEnd() const { return pos == bytes.size(); }
    bool has(uint64_t count) const { return count <= remaining(); }

    bool seek(uint64_t position)
    {
        if (position > bytes.size())
            return false;
        pos = static_cast<size_t>(position);
        return true;
    }

    bool skip(uint64_t count)
    {
        if (!has(count))
            return false;
        pos += static_cast<size_t>(count);
        return true;
    }

    bool readU8(uint8_t& value)
    {
        if (!has(1))
            return false;
        value = bytes[pos++];
        return true;
    }

    bool readU16LE(uint16_t& value) { return readWith<uint16_t, loadU16LE>(value); }
    bool readU32LE(uint32_t& value) { return readWith<uint32_t, loadU32LE>(value); }
    bool readU16BE(uint16_t& value) { return readWith<uint16_t, loadU16BE>(value); }
    bool readU32BE(uint32_t& value) { return readWith<uint32_t, loadU32BE>(value); }

    // Hands out a view of the next `count` bytes.
    bool readBytes(uint64_t count, std::span<const uint8_t>& view)
    {
        if (!has(count))
            return false;
        view = bytes.subspan(pos, static_cast<size_t>(count));
        pos += static_cast<size_t>(count);
        return true;
    }

private:
    template <typename Value, Value (*load)(const uint8_t*)> bool readWith(Value& value)
    {
        if (!has(sizeof(Value)))
            return false;
        value = load(bytes.data() + pos);
        pos += sizeof(Value);
        return true;
    }

    std::span<const uint8_t> bytes;
    size_t pos;
};
