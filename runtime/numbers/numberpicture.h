// Picture sections of StringFormat, scanned once into tokens and the places they ask for.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class PictureTokenKind {
    literal,       // copied as it stands
    integerDigit,  // "#" or "0" before the decimal point
    decimalPoint,  // the first "." before any exponent mark
    decimalDigit,  // "#" or "0" after the decimal point
    exponentMark,  // the first "e" or "E"
    exponentDigit, // "#" or "0" after the exponent mark
    numberSign,    // "+" or "-" anywhere but right after the exponent mark
    percent,       // "%" multiplies by 100 and is printed as it stands
    grouping,      // "," asks for thousands separators and prints nothing itself
};

struct PictureToken {
    PictureTokenKind kind;
    std::string text;
    char exponentSign = 0; // the "+" or "-" right after an exponent mark, if any
};

struct Picture {
    std::vector<PictureToken> tokens;
    std::string integerPlaceholders; // in order, so that padding can tell "0" from "#"
    int32_t decimalPlaces = 0;
    int32_t exponentPlaces = 0;
    int32_t exponentZeros = 0; // the least number of exponent digits
    bool percent = false;
    bool grouping = false;
    bool exponent = false;
    bool numberSign = false;
};

// "\" makes the next character literal; double-byte characters are always literal.
Picture pictureScan(const std::string& section);
