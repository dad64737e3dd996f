// The start of a PE file: the DOS header, the "PE\0\0" signature it points to and the COFF
// file header after it, checked to lie inside the file.
#include "common/pe_headers.h"

#include "base/bytecursor.h"
#include "common/diagnostics.h"

#include <cstring>

namespace tools {

namespace {
constexpr uint32_t kDosHeaderSize = 64;
constexpr uint32_t kPeHeaderOffsetField = 0x3C;
} // namespace

bool readPeHeaders(std::span<const uint8_t> file, PeHeaders& headers, std::string& error)
{
    if (file.size() < kDosHeaderSize || file[0] != 'M' || file[1] != 'Z') {
        error = "not a PE file (no MZ header)";
        return false;
    }
    const uint32_t peOffset = loadU32LE(file.data() + kPeHeaderOffsetField);
    if (!rangeFits(peOffset, 4 + kCoffHeaderSize, file.size())) {
        error = "PE header offset " + hex(peOffset) + " lies past the end of the file";
        return false;
    }
    if (std::memcmp(file.data() + peOffset, "PE\0\0", 4) != 0) {
        error = "no PE signature at " + hex(peOffset);
        return false;
    }
    const uint8_t* coff = file.data() + peOffset + 4;
    headers = {peOffset + 4, loadU16LE(coff + 2), loadU16LE(coff + 16), loadU16LE(coff + 18)};
    return true;
}

} // namespace tools
