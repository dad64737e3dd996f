// Splitting the command line into OpenDocument arguments.
#include "host/base/commandline.h"

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

} // namespace
