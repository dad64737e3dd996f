// Text in lines: a block word-wrapped to a rectangle, and the lines a text is cut into at its
// line breaks.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

enum class TextBlockAlign : int32_t { left = 0, centre = 1, right = 2 };

// Drawn from the rectangle's top with the device context's font and text colour: lines end at
// line breaks and are broken between words to fit the rectangle's width, each one line height
// lower than the one before; an ampersand is drawn as itself.
void textBlockDraw(HDC dc, std::string_view text, RECT area, TextBlockAlign align);

// Calls visit(line) for each line of the text, in order: lines end at CR, LF or CR LF (which
// counts once), so a text that ends in a line break ends with an empty line.
template <typename Visit> void textForEachLine(std::string_view text, Visit visit)
{
    size_t start = 0;
    for (;;) {
        size_t end = text.find_first_of("\r\n", start);
        visit(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            return;
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
}
