// Image streams written: the numbers, texts, bytes and longs that settings, the menu bar and
// window templates are made of.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace resgen {

class StreamWriter {
 public:
  // First byte: bit 7 more bytes follow, bit 6 negative, bits 0-5 the low 6 bits of the
  // magnitude; each further byte: bit 7 more follow, bits 0-6 the next 7 bits. The most
  // negative number is written as the magnitude 0x80000000 with the sign set.
  void number(int32_t value);
  // A number N, then N bytes; the empty text is the number 0 alone.
  void text(std::string_view bytes);
  void byte(uint8_t value);
  // Four bytes, most significant first.
  void longValue(uint32_t value);

  const std::vector<uint8_t>& bytes() const { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace resgen
