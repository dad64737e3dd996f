// Faults in image data, worded one way by every reader: where the fault lies (the table,
// stream, window or control and the part of it), the byte offset, and what is wrong.
#pragma once

#include <cstdint>
#include <string>

// How a place counts its byte offset, which decides how the offset is written.
enum class ImageOffsetUnit : uint8_t {
    none,         // the place needs none: an address outside its block names it
    byte,         // "at byte 12": from the first byte of a stream or file
    dataOffset,   // "at data offset 0x1C": from the start of the data block
    recordOffset, // "at 0x1C": from the start of the block of records the place is one of
};

struct ImageFaultPlace {
    std::string where; // "class table entry 3", "menu bar stream, title 1, item 2"
    ImageOffsetUnit unit = ImageOffsetUnit::none;
    uint64_t offset = 0;
};

// "<where> at <offset>: <what>", the what formatted as printf does.
std::string imageFault(const ImageFaultPlace& place, const char* format, ...) __attribute__((format(printf, 2, 3)));

// A reader's faults: it names the place it is reading, and the first fault is kept, since the
// ones after it only follow from it.
class ImageFaults {
public:
    // Always false, so that a read can return it.
    bool fail(const char* format, ...) __attribute__((format(printf, 2, 3)));
    const std::string& fault() const { return first; }

protected:
    ~ImageFaults() = default;
    virtual ImageFaultPlace faultPlace() const = 0;

private:
    std::string first;
};

// The message that stops the start: "The application could not be loaded because its image is
// damaged: " and the fault.
std::string imageDamaged(const std::string& fault);
std::string formatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
