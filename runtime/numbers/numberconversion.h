// Conversions between integers and floating point, and the bitwise operations on integers.
#pragma once

#include <cstdint>

extern "C" {
// Truncation toward zero; anything outside the 32-bit range, infinities and NaN give
// INT32_MIN. The x87 rounding mode is round-to-nearest afterwards, whatever it was before.
int32_t FPToInt(double x);
int32_t SingleToInt(float x);
double IntToFP(int32_t i);
int32_t BitwiseAnd(int32_t a, int32_t b);
int32_t BitwiseOr(int32_t a, int32_t b);
int32_t BitwiseXor(int32_t a, int32_t b);
}
