// An image stream read record by record, its faults reported with the place being read, the
// byte offset the reading has reached and what is wrong.
#pragma once

#include "image/imagefault.h"
#include "image/imagestream.h"

#include <string>
#include <utility>

class CheckedStream : public ImageStream, public ImageFaults {
public:
    CheckedStream(const uint8_t* bytes, uint32_t length, std::string where)
        : ImageStream(bytes, length), where(std::move(where))
    {}

    // False, with "the stream ends inside the record", once a read has run past the end.
    bool intact();
    // Reads a count of items that take at least `smallestItem` bytes each, and checks it.
    bool count(int32_t& value, uint32_t smallestItem);
    // False for a negative count, or for one that the bytes left cannot hold (no such check
    // when `smallestItem` is 0).
    bool countFits(int32_t value, uint32_t smallestItem);

    std::string where; // the stream and its record being read: "menu bar stream, title 1"

protected:
    ImageFaultPlace faultPlace() const override { return {where, ImageOffsetUnit::byte, position()}; }
};
