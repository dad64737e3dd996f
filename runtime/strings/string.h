// Reference-counted strings: records, sharing and the core text functions.
#pragma once

#include "runtime/objects/ownedref.h"

#include <cstdint>
#include <string_view>

// A string record is never made for zero bytes: Nil (nullptr) is the empty string.
// The buffer holds a length byte (length, at most 255), the text and a closing 0, so every
// string is both a length-prefixed and a zero-terminated text without copying. Strings never
// change once made, so a result equal to a whole argument is that argument's record.
struct StringRecord {
    int32_t count;
    uint8_t* buffer;
    int32_t bufferSize; // length + 2
    int32_t length;
};

// The longest text a record can hold: record and buffer together must fit a pool block size.
constexpr int32_t stringLongest = INT32_MAX - 2 - static_cast<int32_t>(sizeof(StringRecord));

// Makes a new record holding a copy of the bytes (count 1); Nil for length <= 0 or above
// stringLongest, and Nil when the memory cannot be had.
StringRecord* stringMake(const char* bytes, int32_t length);
// The same for the bytes of a view (a std::string, a part of an image, a literal): Nil for an
// empty view and for one longer than a record can hold.
StringRecord* stringFromView(std::string_view text);
StringRecord* stringFromText(const char* zeroTerminated);
// A record of `length` bytes whose text the caller fills in; Nil as for stringMake.
StringRecord* stringMakeUninitialised(int32_t length);
// The zero-terminated text; a static empty text for Nil.
const char* stringText(const StringRecord* s);
inline const uint8_t* stringBytes(const StringRecord* s)
{
    return reinterpret_cast<const uint8_t*>(stringText(s));
}
inline int32_t stringLength(const StringRecord* s)
{
    return s ? s->length : 0;
}

// Stores `value` in `target`, keeping the counts right; storing what is already there is safe.
void stringAssign(StringRecord*& target, StringRecord* value);
// Replaces `target` by `target` followed by `tail`.
void stringAppend(StringRecord*& target, StringRecord* tail);

// Parts by 0-based byte offset, each a new reference (the argument itself when it is all of
// it): the first n bytes, the last n bytes, and n bytes from `offset` cut at the end.
StringRecord* stringLeftPart(StringRecord* s, int32_t n);
StringRecord* stringRightPart(StringRecord* s, int32_t n);
StringRecord* stringMiddlePart(StringRecord* s, int32_t offset, int32_t n);

// The string with every occurrence of `find` (ignoring case) replaced, left to right.
StringRecord* stringReplaceAll(StringRecord* s, StringRecord* find, StringRecord* replacement);

// Exported string routines: each borrows its string arguments and returns a new reference.
extern "C" {
StringRecord* RuntimeLockString(StringRecord* s);
void RuntimeUnlockString(StringRecord* s);
StringRecord* RuntimeAddString(StringRecord* a, StringRecord* b);
int32_t RuntimeStringCompare(StringRecord* a, StringRecord* b);
int32_t StringStrCompare(StringRecord* a, StringRecord* b, int32_t mode);

int32_t StringLen(StringRecord* s);
int32_t StringAsc(StringRecord* s);
StringRecord* StringChr(int32_t code);
StringRecord* StringLeft(StringRecord* s, int32_t n);
StringRecord* StringRight(StringRecord* s, int32_t n);
StringRecord* StringMid2(StringRecord* s, int32_t start);
StringRecord* StringMid3(StringRecord* s, int32_t start, int32_t n);
const char* StringToCString(StringRecord* s);
const uint8_t* StringToPString(StringRecord* s);

StringRecord* StringUCase(StringRecord* s);
StringRecord* StringLCase(StringRecord* s);
StringRecord* StringTitleCase(StringRecord* s);
StringRecord* runLTrim(StringRecord* s);
StringRecord* runRTrim(StringRecord* s);
StringRecord* runTrim(StringRecord* s);

int32_t StringInStr(int32_t start, StringRecord* s, StringRecord* find);
int32_t StringInStrB(int32_t start, StringRecord* s, StringRecord* find);
StringRecord* StringReplace(StringRecord* s, StringRecord* find, StringRecord* replacement);
StringRecord* StringReplaceAll(StringRecord* s, StringRecord* find, StringRecord* replacement);
int32_t StringCountFields(StringRecord* s, StringRecord* separator);
StringRecord* StringNthField(StringRecord* s, StringRecord* separator, int32_t k);
}

// Owns one reference for the runtime's own C++ code.
using StringRef = OwnedRef<StringRecord, RuntimeUnlockString>;
