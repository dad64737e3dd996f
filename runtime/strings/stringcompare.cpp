// String comparison: by the user's collation (with or without case) and byte by byte.
#include "runtime/strings/string.h"

#include <windows.h>

#include <cstring>

namespace {
// -1, 0 or 1; a comparison the system cannot make counts as equal.
int32_t collate(StringRecord* a, StringRecord* b, DWORD flags)
{
    int result =
        CompareStringA(LOCALE_USER_DEFAULT, flags, stringText(a), stringLength(a), stringText(b), stringLength(b));
    return result == 0 ? 0 : result - CSTR_EQUAL;
}

int32_t compareBytes(StringRecord* a, StringRecord* b)
{
    int32_t aLength = stringLength(a), bLength = stringLength(b);
    int order = memcmp(stringText(a), stringText(b), aLength < bLength ? aLength : bLength);
    if (order != 0)
        return order < 0 ? -1 : 1;
    return aLength == bLength ? 0 : (aLength < bLength ? -1 : 1);
}
} // namespace

extern "C" int32_t RuntimeStringCompare(StringRecord* a, StringRecord* b)
{
    return collate(a, b, NORM_IGNORECASE);
}

// Mode 0 compares bytes; any other mode uses the collation with case.
extern "C" int32_t StringStrCompare(StringRecord* a, StringRecord* b, int32_t mode)
{
    return mode == 0 ? compareBytes(a, b) : collate(a, b, 0);
}
