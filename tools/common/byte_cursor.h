// Bounds-checked reading of fixed-width fields from an untrusted byte buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace tools {

// True when [offset, offset + length) lies inside a buffer of `size` bytes. Compared by
// subtraction so that no sum can wrap.
constexpr bool rangeFits(uint64_t offset, uint64_t length, uint64_t size) {
  return offset <= size && length <= size - offset;
}

// A read position over a byte span. Every read checks the bytes are there first and
// leaves the position unchanged when they are not, so a caller can report and stop.
class ByteCursor {
 public:
  explicit ByteCursor(std::span<const uint8_t> bytes, size_t position = 0)
      : bytes_(bytes), position_(position <= bytes.size() ? position : bytes.size()) {}

  size_t position() const { return position_; }
  size_t size() const { return bytes_.size(); }
  size_t remaining() const { return bytes_.size() - position_; }
  bool atEnd() const { return position_ == bytes_.size(); }
  bool has(uint64_t count) const { return count <= remaining(); }

  bool seek(uint64_t position);
  bool skip(uint64_t count);
  bool readU8(uint8_t& value);
  bool readU16LE(uint16_t& value);
  bool readU32LE(uint32_t& value);
  bool readU16BE(uint16_t& value);
  bool readU32BE(uint32_t& value);
  bool readBytes(uint64_t count, std::span<const uint8_t>& out);

 private:
  std::span<const uint8_t> bytes_;
  size_t position_;
};

}  // namespace tools
