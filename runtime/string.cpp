// Reference-counted strings: records, sharing and the core text functions.
#include "runtime/string.h"

#include "host/assertion.h"
#include "host/memorypool.h"

#include <windows.h>

#include <cstring>

namespace {
const char emptyText[1] = {0};

// A length is at most INT32_MAX - 2 so that the buffer size cannot overflow.
StringRecord* makeUninitialised(int32_t length)
{
    if (length <= 0 || length > INT32_MAX - 2)
        return nullptr;
    auto* buffer = static_cast<uint8_t*>(poolAllocate(length + 2, true));
    if (!buffer)
        return nullptr;
    auto* s = static_cast<StringRecord*>(poolAllocate(sizeof(StringRecord), false));
    s->count = 1;
    s->buffer = buffer;
    s->bufferSize = length + 2;
    s->length = length;
    buffer[0] = static_cast<uint8_t>(length < 255 ? length : 255);
    buffer[length + 1] = 0;
    return s;
}
} // namespace

StringRecord* stringMake(const char* bytes, int32_t length)
{
    StringRecord* s = makeUninitialised(length);
    if (s)
        memcpy(s->buffer + 1, bytes, length);
    return s;
}

StringRecord* stringFromText(const char* zeroTerminated)
{
    return stringMake(zeroTerminated, static_cast<int32_t>(strlen(zeroTerminated)));
}

const char* stringText(const StringRecord* s)
{
    return s ? reinterpret_cast<const char*>(s->buffer + 1) : emptyText;
}

extern "C" StringRecord* RuntimeLockString(StringRecord* s)
{
    if (!s)
        return s;
    if (s->count == 0)
        assertFailed(assertCategoryRuntime, 4, "string", __LINE__);
    ++s->count;
    return s;
}

extern "C" void RuntimeUnlockString(StringRecord* s)
{
    if (!s)
        return;
    if (s->count <= 0) {
        assertFailed(assertCategoryRuntime, 4, "string", __LINE__);
        return;
    }
    if (--s->count > 0)
        return;
    poolFree(s->buffer, s->bufferSize);
    poolFree(s, sizeof(StringRecord));
}

extern "C" StringRecord* RuntimeAddString(StringRecord* a, StringRecord* b)
{
    if (!b)
        return RuntimeLockString(a);
    if (!a)
        return RuntimeLockString(b);
    if (a->length > INT32_MAX - 2 - b->length)
        return nullptr;
    StringRecord* s = makeUninitialised(a->length + b->length);
    if (!s)
        return nullptr;
    memcpy(s->buffer + 1, a->buffer + 1, a->length);
    memcpy(s->buffer + 1 + a->length, b->buffer + 1, b->length);
    return s;
}

extern "C" int32_t RuntimeStringCompare(StringRecord* a, StringRecord* b)
{
    int result = CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, stringText(a), stringLength(a),
                                stringText(b), stringLength(b));
    return result == 0 ? 0 : result - CSTR_EQUAL;
}
