// Little- and big-endian appends to growing byte vectors; the loads and stores they build on are
// the runtime's own (base/bytecursor.h).
#pragma once

#include "base/bytecursor.h"

#include <cstdint>
#include <vector>

namespace tools {

inline void appendU8(std::vector<uint8_t>& out, uint8_t v)
{
    out.push_back(v);
}

inline void appendU16LE(std::vector<uint8_t>& out, uint16_t v)
{
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

inline void appendU32LE(std::vector<uint8_t>& out, uint32_t v)
{
    uint8_t b[4];
    storeU32LE(b, v);
    out.insert(out.end(), b, b + 4);
}

inline void appendU32BE(std::vector<uint8_t>& out, uint32_t v)
{
    uint8_t b[4];
    storeU32BE(b, v);
    out.insert(out.end(), b, b + 4);
}

} // namespace tools
