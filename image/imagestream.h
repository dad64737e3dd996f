// Image streams read: the numbers, texts, bytes and longs of settings, menu bars and window
// templates (encoded as streamencoding.h says). Header-only, so that the native tools' tests
// read what the generator wrote the way the runtime does.
#pragma once

#include "base/bytecursor.h"
#include "image/streamencoding.h"

#include <cstdint>
#include <string>
#include <string_view>

// Reads never leave the bytes given. A read past the end puts the stream in the failed state
// and yields 0 or an empty text, and so does every read after it.
class ImageStream {
public:
    ImageStream(const uint8_t* bytes, size_t size) : cursor(bytes, size) {}

    int32_t readNumber()
    {
        int32_t value = 0;
        failedState = failedState || !streamReadNumber(cursor, value);
        return failedState ? 0 : value;
    }

    // A number N, then N bytes of text (N <= 0: empty). The view points into the stream.
    std::string_view readText()
    {
        int32_t length = readNumber();
        std::span<const uint8_t> bytes;
        if (failedState || length <= 0)
            return {};
        if (!cursor.readBytes(static_cast<uint32_t>(length), bytes)) {
            failedState = true;
            return {};
        }
        return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
    }

    std::string readString() { return std::string(readText()); }

    uint8_t readByte()
    {
        uint8_t value = 0;
        failedState = failedState || !cursor.readU8(value);
        return failedState ? 0 : value;
    }

    // Four bytes, most significant first.
    uint32_t readLong()
    {
        uint32_t value = 0;
        failedState = failedState || !cursor.readU32BE(value);
        return failedState ? 0 : value;
    }

    bool failed() const { return failedState; }
    uint32_t position() const { return static_cast<uint32_t>(cursor.position()); }
    uint32_t remaining() const { return static_cast<uint32_t>(cursor.remaining()); }
    bool atEnd() const { return cursor.atEnd(); }

private:
    ByteCursor cursor;
    bool failedState = false;
};
