// Per-process character tables: lead bytes of the ANSI code page and single-byte case and space.
#include "runtime/strings/chartables.h"

#include <windows.h>

#include <cstring>

namespace {
CharTables tables;
bool built;

void buildLeadBytes(bool forceSingleByte)
{
    tables.doubleByte = false;
    for (int byte = 0; byte < 256; ++byte) {
        tables.lead[byte] = !forceSingleByte && IsDBCSLeadByte(static_cast<BYTE>(byte)) ? 1 : 0;
        tables.doubleByte |= tables.lead[byte] != 0;
    }
}

void buildSingleByteTables()
{
    for (int byte = 0; byte < 256; ++byte) {
        char upper = static_cast<char>(byte), lower = static_cast<char>(byte);
        CharUpperBuffA(&upper, 1);
        CharLowerBuffA(&lower, 1);
        tables.upper[byte] = static_cast<uint8_t>(upper);
        tables.lower[byte] = static_cast<uint8_t>(lower);
        char text = static_cast<char>(byte);
        WORD type = 0;
        GetStringTypeExA(LOCALE_USER_DEFAULT, CT_CTYPE1, &text, 1, &type);
        tables.space[byte] = (type & (C1_SPACE | C1_BLANK)) ? 1 : 0;
    }
}

void build(bool forceSingleByte)
{
    memset(&tables, 0, sizeof tables);
    buildLeadBytes(forceSingleByte);
    if (!tables.doubleByte)
        buildSingleByteTables();
    built = true;
}
} // namespace

const CharTables& charTables()
{
    if (!built)
        build(false);
    return tables;
}

void charTablesForceSingleByte(bool force)
{
    build(force);
}
