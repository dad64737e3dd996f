// Little- and big-endian loads, stores and appends on raw bytes.
#pragma once

#include <cstdint>
#include <vector>

namespace tools {

inline uint16_t loadU16LE(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

inline uint32_t loadU32LE(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

inline uint16_t loadU16BE(const uint8_t* p) { return static_cast<uint16_t>(p[0] << 8 | p[1]); }

inline uint32_t loadU32BE(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 |
         static_cast<uint32_t>(p[2]) << 8 | static_cast<uint32_t>(p[3]);
}

inline void storeU32LE(uint8_t* p, uint32_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
  p[2] = static_cast<uint8_t>(v >> 16);
  p[3] = static_cast<uint8_t>(v >> 24);
}

inline void storeU32BE(uint8_t* p, uint32_t v) {
  p[0] = static_cast<uint8_t>(v >> 24);
  p[1] = static_cast<uint8_t>(v >> 16);
  p[2] = static_cast<uint8_t>(v >> 8);
  p[3] = static_cast<uint8_t>(v);
}

inline void appendU8(std::vector<uint8_t>& out, uint8_t v) { out.push_back(v); }

inline void appendU16LE(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

inline void appendU32LE(std::vector<uint8_t>& out, uint32_t v) {
  uint8_t b[4];
  storeU32LE(b, v);
  out.insert(out.end(), b, b + 4);
}

inline void appendU32BE(std::vector<uint8_t>& out, uint32_t v) {
  uint8_t b[4];
  storeU32BE(b, v);
  out.insert(out.end(), b, b + 4);
}

}  // namespace tools
