// Bounds-checked reading of fixed-width fields from an untrusted byte buffer.
#include "common/byte_cursor.h"

#include "common/endian.h"

namespace tools {

bool ByteCursor::seek(uint64_t position) {
  if (position > bytes_.size()) return false;
  position_ = static_cast<size_t>(position);
  return true;
}

bool ByteCursor::skip(uint64_t count) {
  if (!has(count)) return false;
  position_ += static_cast<size_t>(count);
  return true;
}

bool ByteCursor::readU8(uint8_t& value) {
  if (!has(1)) return false;
  value = bytes_[position_++];
  return true;
}

bool ByteCursor::readU16LE(uint16_t& value) {
  if (!has(2)) return false;
  value = loadU16LE(bytes_.data() + position_);
  position_ += 2;
  return true;
}

bool ByteCursor::readU32LE(uint32_t& value) {
  if (!has(4)) return false;
  value = loadU32LE(bytes_.data() + position_);
  position_ += 4;
  return true;
}

bool ByteCursor::readU16BE(uint16_t& value) {
  if (!has(2)) return false;
  value = loadU16BE(bytes_.data() + position_);
  position_ += 2;
  return true;
}

bool ByteCursor::readU32BE(uint32_t& value) {
  if (!has(4)) return false;
  value = loadU32BE(bytes_.data() + position_);
  position_ += 4;
  return true;
}

bool ByteCursor::readBytes(uint64_t count, std::span<const uint8_t>& out) {
  if (!has(count)) return false;
  out = bytes_.subspan(position_, static_cast<size_t>(count));
  position_ += static_cast<size_t>(count);
  return true;
}

}  // namespace tools
