// Text of the descriptions (UTF-8) turned into the Shift-JIS bytes that the image carries.
#include "resgen/shift_jis.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>

namespace resgen {

namespace {

// One conversion descriptor per call keeps the function free of shared state; the
// descriptions are small.
class Converter {
public:
    Converter() : handle_(iconv_open("CP932", "UTF-8")) {}
    ~Converter()
    {
        if (valid())
            iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t handle() const { return handle_; }

private:
    iconv_t handle_;
};

uint32_t codePointOf(std::string_view sequence)
{
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(sequence[i]); };
    switch (sequence.size()) {
    case 1:
        return byte(0);
    case 2:
        return (byte(0) & 0x1Fu) << 6 | (byte(1) & 0x3Fu);
    case 3:
        return (byte(0) & 0x0Fu) << 12 | (byte(1) & 0x3Fu) << 6 | (byte(2) & 0x3Fu);
    default:
        return (byte(0) & 0x07u) << 18 | (byte(1) & 0x3Fu) << 12 | (byte(2) & 0x3Fu) << 6 | (byte(3) & 0x3Fu);
    }
}

std::string noFormMessage(std::string_view rest)
{
    const std::string_view character = rest.substr(0, utf8SequenceLength(rest));
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", codePointOf(character));
    return std::string("no Shift-JIS form for ") + code + " \"" + std::string(character) + "\"";
}

size_t lengthFromLeadByte(uint8_t lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead < 0xE0)
        return 2;
    if (lead >= 0xE0 && lead < 0xF0)
        return 3;
    if (lead >= 0xF0 && lead < 0xF5)
        return 4;
    return 0;
}

} // namespace

size_t utf8SequenceLength(std::string_view text)
{
    if (text.empty())
        return 0;
    const size_t length = lengthFromLeadByte(static_cast<uint8_t>(text[0]));
    if (length == 0 || length > text.size())
        return 0;
    for (size_t i = 1; i < length; ++i) {
        if ((static_cast<uint8_t>(text[i]) & 0xC0) != 0x80)
            return 0;
    }
    const uint32_t code = codePointOf(text.substr(0, length));
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return overlong || surrogate || code > 0x10FFFF ? 0 : length;
}

bool isValidUtf8(std::string_view text)
{
    for (size_t i = 0; i < text.size();) {
        const size_t length = utf8SequenceLength(text.substr(i));
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

bool toShiftJis(std::string_view utf8, std::string& shiftJis, std::string& error)
{
    if (!isValidUtf8(utf8)) {
        error = "text is not valid UTF-8";
        return false;
    }
    Converter converter;
    if (!converter.valid()) {
        error = "this system's iconv cannot convert UTF-8 to CP932";
        return false;
    }
    std::string out(utf8.size() * 2 + 1, '\0'); // never more than two bytes per character
    char* in = const_cast<char*>(utf8.data());
    size_t inLeft = utf8.size();
    char* outPosition = out.data();
    size_t outLeft = out.size();
    if (iconv(converter.handle(), &in, &inLeft, &outPosition, &outLeft) == static_cast<size_t>(-1)) {
        error = errno == EILSEQ ? noFormMessage(std::string_view(in, inLeft)) : "text cannot be converted to Shift-JIS";
        return false;
    }
    out.resize(out.size() - outLeft);
    shiftJis = std::move(out);
    return true;
}

} // namespace resgen
