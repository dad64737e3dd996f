// Texts of the application code: joined, held in properties, borrowed and copied.
#pragma once

#include "app/owned.h"
#include "app/runtime.h"

inline OwnedText joined(StringRecord* left, StringRecord* right)
{
    return OwnedText(RuntimeAddString(left, right));
}

inline OwnedText joined(StringRecord* left, StringRecord* middle, StringRecord* right)
{
    return joined(joined(left, middle).get(), right);
}

// Puts a string into a string property of an object, which keeps its own reference.
inline void holdText(StringRecord*& property, StringRecord* value)
{
    RuntimeLockString(value);
    RuntimeUnlockString(property);
    property = value;
}

// A string record over bytes of the caller's, for reading and joining only: nothing may keep it.
template <unsigned N> struct BorrowedText {
    BorrowedText(const char* text, int length) : record{1, bytes, length + 2, length}
    {
        bytes[0] = static_cast<unsigned char>(length);
        for (int i = 0; i < length; ++i)
            bytes[i + 1] = static_cast<unsigned char>(text[i]);
        bytes[length + 1] = 0;
    }
    // The record points into the object itself: it is never copied (a returned one is made in place).
    BorrowedText(const BorrowedText&) = delete;
    BorrowedText& operator=(const BorrowedText&) = delete;
    static_assert(N < 255, "the length byte holds the length");
    StringRecord record;
    unsigned char bytes[N + 2];
};

// A string of its own with the bytes (Nil for none): a join of two records always makes a new
// one, and here the first is empty.
template <unsigned N> OwnedText copiedText(BorrowedText<N>& text)
{
    BorrowedText<0> nothing(nullptr, 0);
    return joined(&nothing.record, &text.record);
}
