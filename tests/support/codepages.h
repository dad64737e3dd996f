// Text conversions for comparing what a program shows or writes (code page 932, or UTF-16) with
// the UTF-8 literals of the tests.
#pragma once

#include <string>

std::string utf8FromAnsi(const std::string& ansi);
std::string ansiFromUtf8(const std::string& utf8);
std::string utf8FromWide(const std::wstring& wide);
