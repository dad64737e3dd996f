// Image streams: the numbers, texts, bytes and longs of settings, menu bars and window templates.
#pragma once

#include "host/base/bytecursor.h"

#include <cstdint>
#include <string>
#include <string_view>

// Reads never leave the bytes given. A read past the end puts the stream in the failed state
// and yields 0 or an empty text, and so does every read after it.
class ImageStream {
public:
    ImageStream(const uint8_t* bytes, uint32_t size) : cursor(bytes, size) {}

    // First byte: bit 7 more bytes follow, bit 6 negative, bits 0-5 the low 6 bits of the
    // magnitude; each further byte: bit 7 more follow, bits 0-6 the next 7 bits. A magnitude
    // of exactly 0x80000000 is the most negative number, whatever its sign bit says.
    int32_t readNumber();
    // A number N, then N bytes of text (N <= 0: empty). The view points into the stream.
    std::string_view readText();
    std::string readString() { return std::string(readText()); }
    uint8_t readByte();
    // Four bytes, most significant first.
    uint32_t readLong();

    bool failed() const { return failedState; }
    uint32_t position() const { return cursor.position(); }
    bool atEnd() const { return cursor.atEnd(); }

private:
    ByteCursor cursor;
    bool failedState = false;
};
