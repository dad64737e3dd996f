// The encoding of image streams (settings, the menu bar, window templates): numbers, texts,
// bytes and longs. The resource generator writes it, the runtime reads it and the tests build
// streams with it, all from this one header; it stays free of Win32 for the native tools.
#pragma once

#include "base/bytecursor.h"

#include <cstdint>
#include <string_view>
#include <vector>

// A number: the first byte holds the sign and the low 6 bits of the magnitude, each further byte
// the next 7 bits; every byte but the last has `streamMoreBytes` set. A magnitude of exactly
// 0x80000000 is the most negative number, whatever its sign bit says.
constexpr uint8_t streamMoreBytes = 0x80;
constexpr uint8_t streamNegative = 0x40; // first byte only
constexpr uint8_t streamFirstBits = 0x3F;
constexpr uint8_t streamNextBits = 0x7F;
constexpr uint32_t streamFirstShift = 6, streamNextShift = 7;
constexpr uint32_t streamMostNegative = 0x80000000u;

// The Index of a control or a menu item that is not an element of an array.
constexpr int32_t streamNotInArray = INT32_MIN;

// The kind of a menu bar record: only plain ones are made into menus; titles of the other two
// kinds and items of the last are read and passed over.
constexpr int32_t streamMenuPlain = 0, streamMenuSkippedTitle = 1, streamMenuSkipped = 2;

// The index of a menu item as read: streams from elsewhere also write two other values for
// "not an element of an array".
constexpr int32_t streamArrayIndex(int32_t value)
{
    auto raw = static_cast<uint32_t>(value);
    return raw == 0x80000010u || raw == 0x80100000u ? streamNotInArray : value;
}

// Appends to any container of bytes with push_back: the generator's vectors, the tests' strings.
template <typename Bytes> void streamAppendNumber(Bytes& out, int32_t value)
{
    using Byte = typename Bytes::value_type;
    uint32_t magnitude = value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
    uint8_t first = static_cast<uint8_t>((magnitude & streamFirstBits) | (value < 0 ? streamNegative : 0));
    magnitude >>= streamFirstShift;
    out.push_back(static_cast<Byte>(first | (magnitude ? streamMoreBytes : 0)));
    while (magnitude) {
        uint8_t next = static_cast<uint8_t>(magnitude & streamNextBits);
        magnitude >>= streamNextShift;
        out.push_back(static_cast<Byte>(next | (magnitude ? streamMoreBytes : 0)));
    }
}

// A number N, then N bytes; the empty text is the number 0 alone.
template <typename Bytes> void streamAppendText(Bytes& out, std::string_view text)
{
    streamAppendNumber(out, static_cast<int32_t>(text.size()));
    out.insert(out.end(), text.begin(), text.end());
}

// Four bytes, most significant first.
template <typename Bytes> void streamAppendLong(Bytes& out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<typename Bytes::value_type>(value >> shift));
}

// Reads a number at the cursor, taking every byte it announces; bits beyond the 32nd of an
// overlong number are dropped. False when the bytes end inside it.
inline bool streamReadNumber(ByteCursor& cursor, int32_t& value)
{
    uint8_t byte = 0;
    if (!cursor.readU8(byte))
        return false;
    bool negative = byte & streamNegative;
    uint32_t magnitude = byte & streamFirstBits;
    uint32_t shift = streamFirstShift;
    while (byte & streamMoreBytes) {
        if (!cursor.readU8(byte))
            return false;
        if (shift < 32) {
            magnitude |= uint32_t(byte & streamNextBits) << shift;
            shift += streamNextShift;
        }
    }
    if (magnitude == streamMostNegative)
        value = INT32_MIN;
    else
        value = static_cast<int32_t>(negative ? 0u - magnitude : magnitude);
    return true;
}

// A stream written into its own bytes; every call returns the writer, so that a stream can be
// written as one expression.
class ImageStreamWriter {
public:
    ImageStreamWriter& number(int32_t value)
    {
        streamAppendNumber(written, value);
        return *this;
    }
    ImageStreamWriter& text(std::string_view bytes)
    {
        streamAppendText(written, bytes);
        return *this;
    }
    ImageStreamWriter& byte(uint8_t value)
    {
        written.push_back(value);
        return *this;
    }
    ImageStreamWriter& longValue(uint32_t value)
    {
        streamAppendLong(written, value);
        return *this;
    }

    const std::vector<uint8_t>& bytes() const { return written; }

private:
    std::vector<uint8_t> written;
};
