// The command line after the program's name, and its split into OpenDocument arguments.
#include "base/commandline.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandLine, QuotesHoldBlanksAndBlanksSeparate)
{
    struct Case {
        const char* line;
        std::vector<std::string> arguments;
    } cases[] = {
        {"\"C:\\My Notes\\a.txt\" plain", {"C:\\My Notes\\a.txt", "plain"}},
        {"   ", {}},
        {"", {}},
        {nullptr, {}},
        {"one  two", {"one", "two"}},
        {"\"unclosed quote", {"unclosed quote"}},
        {"a\"b c", {"a\"b", "c"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(commandLineArguments(c.line), c.arguments) << (c.line ? c.line : "(null)");
}

TEST(CommandLine, TheProgramNameAndTheBlankAfterItAreSkippedAndFurtherBlanksKept)
{
    struct Case {
        const char* raw;
        const char* rest;
    } cases[] = {
        {"\"C:\\My Programs\\tegata.exe\" \"a b\" c", "\"a b\" c"},
        {"\"C:\\My Programs\\tegata.exe\"   ", "  "},
        {"\"C:\\My Programs\\tegata.exe\" ", ""},
        {"\"C:\\My Programs\\tegata.exe\"", ""},
        {"tegata.exe one", "one"},
        {"tegata.exe\t\ttwo", "\ttwo"},
        {"tegata.exe", ""},
        {"\"unclosed name", ""},
        {"", ""},
        {nullptr, ""},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(commandLineAfterProgramName(c.raw), c.rest) << (c.raw ? c.raw : "(null)");
}

} // namespace
