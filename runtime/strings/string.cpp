// Reference-counted strings: records, sharing and the core text functions.
#include "runtime/strings/string.h"

#include "base/assertion.h"
#include "base/memorypool.h"

#include <cstring>

namespace {
const char emptyText[1] = {0};

// A record given back to the pool keeps no buffer (the pool reuses only its first word), so
// retaining or releasing it again is caught as long as the block has not been handed out anew.
bool isLive(const StringRecord* s)
{
    return s->count > 0 && s->buffer;
}

// A record made here and its buffer are one pool block, the buffer right behind the record:
// one allocation and one free per string. Only such records are ever freed (a constant of
// the image keeps its count), so the block size follows from the buffer size.
int32_t blockSize(int32_t bufferSize)
{
    return static_cast<int32_t>(sizeof(StringRecord)) + bufferSize;
}

void destroy(StringRecord* s)
{
    s->buffer = nullptr;
    poolFree(s, blockSize(s->bufferSize));
}

// Nil, a dead record (left as it is: counting it up would bring freed memory back to life),
// and the last release are handled out of line, so the common path needs no stack frame.
[[gnu::noinline]] StringRecord* retainUnusual(StringRecord* s)
{
    if (s)
        assertFailed(assertCategoryRuntime, assertInconsistent, "string", __LINE__);
    return s;
}

[[gnu::noinline]] void releaseUnusual(StringRecord* s)
{
    if (!s)
        return;
    if (!isLive(s)) {
        assertFailed(assertCategoryRuntime, assertInconsistent, "string", __LINE__);
        return;
    }
    s->count = 0;
    destroy(s);
}

// A text this short is copied in place: a call of the C library's memcpy costs more.
constexpr int32_t copiedInPlace = 32;

// `size` to 2 * `size` bytes as two pieces that overlap in the middle: neither reads nor
// writes a byte outside the text. Copies of a constant size are plain loads and stores.
template <int32_t size> void copyBothEnds(uint8_t* to, const uint8_t* from, int32_t length)
{
    memcpy(to, from, size);
    memcpy(to + length - size, from + length - size, size);
}

// Inline where a join copies its two texts, like copyBytes and makeRecord below: joining short
// strings is the most frequent way the runtime makes one, and calls are a good part of its cost.
[[gnu::always_inline]] inline void copyShort(uint8_t* to, const uint8_t* from, int32_t length)
{
    if (length >= 16)
        copyBothEnds<16>(to, from, length);
    else if (length >= 8)
        copyBothEnds<8>(to, from, length);
    else if (length >= 4)
        copyBothEnds<4>(to, from, length);
    else if (length >= 2)
        copyBothEnds<2>(to, from, length);
    else if (length == 1)
        to[0] = from[0];
}

[[gnu::always_inline]] inline void copyBytes(uint8_t* to, const uint8_t* from, int32_t length)
{
    if (length > copiedInPlace)
        memcpy(to, from, length);
    else
        copyShort(to, from, length);
}

[[gnu::always_inline]] inline StringRecord* makeRecord(int32_t length)
{
    if (length <= 0 || length > stringLongest)
        return nullptr;
    auto* s = static_cast<StringRecord*>(poolAllocate(blockSize(length + 2), true));
    if (!s)
        return nullptr;
    auto* buffer = reinterpret_cast<uint8_t*>(s + 1);
    s->count = 1;
    s->buffer = buffer;
    s->bufferSize = length + 2;
    s->length = length;
    buffer[0] = static_cast<uint8_t>(length < 255 ? length : 255);
    buffer[length + 1] = 0;
    return s;
}
} // namespace

StringRecord* stringMakeUninitialised(int32_t length)
{
    return makeRecord(length);
}

StringRecord* stringMake(const char* bytes, int32_t length)
{
    StringRecord* s = stringMakeUninitialised(length);
    if (s)
        copyBytes(s->buffer + 1, reinterpret_cast<const uint8_t*>(bytes), length);
    return s;
}

// A size that does not fit the record's length is refused here, before it could wrap.
StringRecord* stringFromView(std::string_view text)
{
    if (text.size() > static_cast<size_t>(stringLongest))
        return nullptr;
    return stringMake(text.data(), static_cast<int32_t>(text.size()));
}

StringRecord* stringFromText(const char* zeroTerminated)
{
    return stringFromView(zeroTerminated);
}

const char* stringText(const StringRecord* s)
{
    return s ? reinterpret_cast<const char*>(s->buffer + 1) : emptyText;
}

// The new value is retained before the old one is released, so that storing the value the
// variable already holds cannot free it on the way.
void stringAssign(StringRecord*& target, StringRecord* value)
{
    if (target == value)
        return;
    RuntimeLockString(value);
    StringRecord* old = target;
    target = value;
    RuntimeUnlockString(old);
}

void stringAppend(StringRecord*& target, StringRecord* tail)
{
    StringRecord* joined = RuntimeAddString(target, tail);
    RuntimeUnlockString(target);
    target = joined;
}

extern "C" StringRecord* RuntimeLockString(StringRecord* s)
{
    if (s && isLive(s)) {
        ++s->count;
        return s;
    }
    return retainUnusual(s);
}

extern "C" void RuntimeUnlockString(StringRecord* s)
{
    if (s && s->count > 1 && s->buffer) {
        --s->count;
        return;
    }
    releaseUnusual(s);
}

extern "C" StringRecord* RuntimeAddString(StringRecord* a, StringRecord* b)
{
    if (!b)
        return RuntimeLockString(a);
    if (!a)
        return RuntimeLockString(b);
    if (a->length > stringLongest - b->length)
        return nullptr;
    StringRecord* s = makeRecord(a->length + b->length);
    if (!s)
        return nullptr;
    copyBytes(s->buffer + 1, a->buffer + 1, a->length);
    copyBytes(s->buffer + 1 + a->length, b->buffer + 1, b->length);
    return s;
}
