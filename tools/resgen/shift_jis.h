// Text of the descriptions (UTF-8) turned into the Shift-JIS bytes that the image carries.
#pragma once

#include <string>
#include <string_view>

namespace resgen {

// Converts UTF-8 text to Shift-JIS (Windows code page 932). On failure returns false and
// sets `error`: the text is not valid UTF-8, or names the first character that has no
// Shift-JIS form, as in: no Shift-JIS form for U+301C "〜".
bool toShiftJis(std::string_view utf8, std::string& shiftJis, std::string& error);

// The length of the UTF-8 sequence that starts `text`, or 0 when it is not a valid one.
size_t utf8SequenceLength(std::string_view text);
bool isValidUtf8(std::string_view text);

} // namespace resgen
