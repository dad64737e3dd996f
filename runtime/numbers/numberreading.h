// Text read as a number: "&H", "&O" and "&B" integers and the longest decimal prefix.
#pragma once

#include "runtime/strings/string.h"

#include <string>

// The value of the text as StringVal reads it.
double numberFromText(const std::string& text);

extern "C" {
// 0 for Nil and for text that does not start with a number.
double StringVal(StringRecord* s);
// StringVal after removing the user's thousands separators and turning the user's decimal
// separator into ".".
double runCDbl(StringRecord* s);
}
