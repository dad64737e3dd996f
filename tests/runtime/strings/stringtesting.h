// Helpers of the string tests: Shift-JIS strings from UTF-8 literals, results as readable text,
// and fixtures that check every test gives back what it took from the pool.
#pragma once

#include "runtime/strings/string.h"

#include <gtest/gtest.h>
#include <string>

// A new string holding the UTF-8 text converted to the ANSI code page; Nil for nullptr or "".
StringRecord* sjis(const char* utf8);
// A new string of exactly these bytes.
StringRecord* bytes(const std::string& raw);

// A result as a test reads it: its text in UTF-8, or "<Nil>"; a record of no bytes (which
// must never exist) reads as "<empty record>".
std::string shown(const StringRecord* s);
// The expected text in the same form: nullptr stands for Nil.
std::string expected(const char* utf8);

// Releases the result, after reading it.
std::string take(StringRecord* result);

// Every test gives back all pool memory it took.
class StringTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

private:
    uint32_t poolBytesBefore = 0;
};

constexpr bool doubleByteMode = true;
constexpr bool singleByteMode = false;

// Runs each test twice: with the system's lead bytes (code page 932) and with none.
class BothModes : public StringTest, public testing::WithParamInterface<bool> {
protected:
    void SetUp() override;
    void TearDown() override;
    bool doubleByte() const { return GetParam(); }
};

std::string modeName(const testing::TestParamInfo<bool>& info);

#define INSTANTIATE_BOTH_MODES(fixture)                                                                                \
    INSTANTIATE_TEST_SUITE_P(, fixture, testing::Values(doubleByteMode, singleByteMode), modeName)
