// Double-byte text: string functions that count characters of one or two bytes.
#pragma once

#include "runtime/strings/string.h"

#include <cstdint>

// Positions of character k (1-based) as 1-based byte positions: where it begins and where its
// last byte is. Both are 0 for k < 1 or an empty string, and just past the text when the
// string has fewer than k characters.
int32_t dbcsStartByte(const StringRecord* s, int32_t k);
int32_t dbcsEndByte(const StringRecord* s, int32_t k);
int32_t dbcsCharacterCount(const StringRecord* s);

// The exported functions count characters; when the code page has no lead bytes each one
// behaves exactly as its byte counterpart.
extern "C" {
int32_t StringDBCSLen(StringRecord* s);
StringRecord* StringDBCSLeft(StringRecord* s, int32_t n);
StringRecord* StringDBCSRight(StringRecord* s, int32_t n);
StringRecord* StringDBCSMid2(StringRecord* s, int32_t k);
StringRecord* StringDBCSMid3(StringRecord* s, int32_t k, int32_t n);
int32_t StringDBCSInStr(int32_t k, StringRecord* s, StringRecord* find);
int32_t StringDBCSAsc(StringRecord* s);
StringRecord* StringDBCSChr(int32_t code);
}
