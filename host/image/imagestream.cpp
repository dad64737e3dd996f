// Image streams: the numbers, texts, bytes and longs of settings, menu bars and window templates.
#include "host/image/imagestream.h"

int32_t ImageStream::readNumber()
{
    uint8_t byte = readByte();
    bool negative = byte & 0x40;
    uint32_t magnitude = byte & 0x3F;
    // Bits beyond the 32nd of an overlong number are dropped.
    for (uint32_t shift = 6; byte & 0x80 && !failedState; shift += 7) {
        byte = readByte();
        if (shift < 32)
            magnitude |= uint32_t(byte & 0x7F) << shift;
    }
    if (failedState)
        return 0;
    if (magnitude == 0x80000000u)
        return INT32_MIN;
    return static_cast<int32_t>(negative ? 0u - magnitude : magnitude);
}

std::string_view ImageStream::readText()
{
    int32_t length = readNumber();
    if (failedState || length <= 0)
        return {};
    const uint8_t* bytes = nullptr;
    if (!cursor.readBytes(static_cast<uint32_t>(length), bytes)) {
        failedState = true;
        return {};
    }
    return {reinterpret_cast<const char*>(bytes), static_cast<size_t>(length)};
}

uint8_t ImageStream::readByte()
{
    uint8_t value = 0;
    if (failedState || !cursor.readU8(value)) {
        failedState = true;
        return 0;
    }
    return value;
}

uint32_t ImageStream::readLong()
{
    uint32_t value = 0;
    if (failedState || !cursor.readU32BE(value)) {
        failedState = true;
        return 0;
    }
    return value;
}
