// Text conversions for comparing what a program shows or writes (code page 932, or UTF-16) with
// the UTF-8 literals of the tests.
#include "tests/support/codepages.h"

#include <windows.h>

std::string utf8FromWide(const std::wstring& wide)
{
    if (wide.empty())
        return {};
    int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string text(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), text.data(), size, nullptr, nullptr);
    return text;
}

std::string utf8FromAnsi(const std::string& ansi)
{
    if (ansi.empty())
        return {};
    int size = MultiByteToWideChar(CP_ACP, 0, ansi.data(), int(ansi.size()), nullptr, 0);
    std::wstring wide(size, L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), int(ansi.size()), wide.data(), size);
    return utf8FromWide(wide);
}

std::string ansiFromUtf8(const std::string& utf8)
{
    if (utf8.empty())
        return {};
    int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring wide(size, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), size);
    int ansiSize = WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string ansi(ansiSize, '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), size, ansi.data(), ansiSize, nullptr, nullptr);
    return ansi;
}
