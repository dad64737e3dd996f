// Text in lines: a block word-wrapped to a rectangle, and the lines a text is cut into at its
// line breaks.
#include "graphics/textblock.h"

void textBlockDraw(HDC dc, std::string_view text, RECT area, TextBlockAlign align)
{
    static const UINT alignments[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
    UINT format = DT_WORDBREAK | DT_NOPREFIX | alignments[static_cast<int32_t>(align)];
    DrawTextA(dc, text.data(), static_cast<int>(text.size()), &area, format);
}
