// Image streams written: the numbers, texts, bytes and longs that settings, the menu bar and
// window templates are made of.
#include "resgen/stream_writer.h"

#include "common/endian.h"

namespace resgen {

void StreamWriter::number(int32_t value) {
  const bool negative = value < 0;
  uint32_t magnitude = negative ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
  uint8_t first = static_cast<uint8_t>((magnitude & 0x3F) | (negative ? 0x40 : 0));
  magnitude >>= 6;
  if (magnitude != 0) first |= 0x80;
  bytes_.push_back(first);
  while (magnitude != 0) {
    uint8_t next = static_cast<uint8_t>(magnitude & 0x7F);
    magnitude >>= 7;
    if (magnitude != 0) next |= 0x80;
    bytes_.push_back(next);
  }
}

void StreamWriter::text(std::string_view bytes) {
  number(static_cast<int32_t>(bytes.size()));
  bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

void StreamWriter::byte(uint8_t value) { bytes_.push_back(value); }

void StreamWriter::longValue(uint32_t value) { tools::appendU32BE(bytes_, value); }

}  // namespace resgen
