// Helpers of the number tests: strings in and out of the runtime's records.
#pragma once

#include "runtime/numbers/numberlocale.h"
#include "runtime/strings/string.h"

#include <string>

// The text of a result, releasing the reference the runtime handed over.
inline std::string taken(StringRecord* result)
{
    StringRef owned(result);
    return std::string(stringText(result), stringLength(result));
}

// A runtime string to pass as an argument; released when the variable goes.
struct TestString {
    StringRef owned;
    explicit TestString(const std::string& text) : owned(stringFromView(text)) {}
    StringRecord* get() const { return owned.get(); }
};

// Separators other than the test locale's, for as long as the guard lives.
struct SeparatorOverride {
    SeparatorOverride(const char* decimal, const char* thousands) { numberOverrideSeparators(decimal, thousands); }
    ~SeparatorOverride() { numberOverrideSeparators(nullptr, nullptr); }
};
