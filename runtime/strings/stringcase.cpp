// Upper, lower and title case of strings, by the system's case rules for the ANSI code page.
#include "runtime/strings/chartables.h"
#include "runtime/strings/string.h"

#include <windows.h>

namespace {
using Convert = DWORD(WINAPI*)(LPSTR, DWORD);

StringRecord* convertedCopy(StringRecord* s, Convert convert)
{
    StringRecord* copy = stringMake(stringText(s), stringLength(s));
    if (copy)
        convert(reinterpret_cast<char*>(copy->buffer + 1), copy->length);
    return copy;
}

WORD characterType(const uint8_t* at, int32_t size)
{
    WORD types[2] = {0, 0}; // one entry per character, or per byte on some systems
    GetStringTypeExA(LOCALE_USER_DEFAULT, CT_CTYPE1, reinterpret_cast<const char*>(at), size, types);
    return types[0];
}

// Upper-cases a character that starts a word and lower-cases an upper-case one inside a word.
void titleCaseCharacter(uint8_t* at, int32_t size, WORD type, bool wordStart)
{
    char* bytes = reinterpret_cast<char*>(at);
    if (wordStart && !(type & C1_UPPER))
        CharUpperBuffA(bytes, size);
    else if (!wordStart && (type & C1_UPPER))
        CharLowerBuffA(bytes, size);
}
} // namespace

extern "C" StringRecord* StringUCase(StringRecord* s)
{
    return convertedCopy(s, CharUpperBuffA);
}

extern "C" StringRecord* StringLCase(StringRecord* s)
{
    return convertedCopy(s, CharLowerBuffA);
}

// A word starts the text and follows every white-space character. A lead byte with no trail
// byte after it is left alone.
extern "C" StringRecord* StringTitleCase(StringRecord* s)
{
    StringRecord* copy = stringMake(stringText(s), stringLength(s));
    if (!copy)
        return nullptr;
    const CharTables& tables = charTables();
    uint8_t* end = copy->buffer + 1 + copy->length;
    bool wordStart = true;
    for (uint8_t* at = copy->buffer + 1; at < end;) {
        int32_t size = charSize(tables, at, end);
        WORD type = characterType(at, size);
        if (!(tables.lead[*at] && size == 1))
            titleCaseCharacter(at, size, type, wordStart);
        wordStart = (type & (C1_SPACE | C1_BLANK)) != 0;
        at += size;
    }
    return copy;
}
