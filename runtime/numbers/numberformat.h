// Numbers formatted with picture patterns: the section for the number, and the number in it.
#pragma once

#include "runtime/strings/string.h"

extern "C" {
// Up to three ";" sections, for positive, negative and zero numbers; "Scientific" stands for
// "-#.000000E+". An empty pattern gives the general form of StringStr.
StringRecord* StringFormat(double x, StringRecord* pattern);
}
