// Reference-counted strings: records, sharing and the core text functions.
#pragma once

#include <cstdint>

// A string record is never made for zero bytes: Nil (nullptr) is the empty string.
// The buffer holds a length byte (length, at most 255), the text and a closing 0, so every
// string is both a length-prefixed and a zero-terminated text without copying.
struct StringRecord {
    int32_t count;
    uint8_t* buffer;
    int32_t bufferSize;   // length + 2, the size the buffer was taken from the pool with
    int32_t length;
};

// Makes a new record holding a copy of the bytes (count 1); Nil for length <= 0, and Nil
// when the character buffer cannot be had.
StringRecord* stringMake(const char* bytes, int32_t length);
StringRecord* stringFromText(const char* zeroTerminated);
// The zero-terminated text; a static empty text for Nil.
const char* stringText(const StringRecord* s);
inline int32_t stringLength(const StringRecord* s) { return s ? s->length : 0; }

extern "C" {
StringRecord* RuntimeLockString(StringRecord* s);
void RuntimeUnlockString(StringRecord* s);
StringRecord* RuntimeAddString(StringRecord* a, StringRecord* b);
int32_t RuntimeStringCompare(StringRecord* a, StringRecord* b);
}

// Owns one reference for the runtime's own C++ code; releases it when it goes.
class StringRef {
public:
    StringRef() = default;
    explicit StringRef(StringRecord* adopted) : record(adopted) {}
    StringRef(const StringRef&) = delete;
    StringRef& operator=(const StringRef&) = delete;
    ~StringRef() { RuntimeUnlockString(record); }
    StringRecord* get() const { return record; }
    StringRecord* release() { StringRecord* r = record; record = nullptr; return r; }

private:
    StringRecord* record = nullptr;
};
