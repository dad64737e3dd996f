// Helpers of the string tests: Shift-JIS strings from UTF-8 literals, results as readable text,
// and fixtures that check every test gives back what it took from the pool.
#include "tests/runtime/strings/stringtesting.h"

#include "base/memorypool.h"
#include "runtime/strings/chartables.h"
#include "tests/support/codepages.h"

StringRecord* sjis(const char* utf8)
{
    return utf8 ? bytes(ansiFromUtf8(utf8)) : nullptr;
}

StringRecord* bytes(const std::string& raw)
{
    return stringFromView(raw);
}

std::string shown(const StringRecord* s)
{
    if (!s)
        return "<Nil>";
    if (s->length <= 0)
        return "<empty record>";
    return utf8FromAnsi(std::string(stringText(s), s->length));
}

std::string expected(const char* utf8)
{
    return utf8 ? std::string(utf8) : "<Nil>";
}

std::string take(StringRecord* result)
{
    std::string text = shown(result);
    RuntimeUnlockString(result);
    return text;
}

void StringTest::SetUp()
{
    poolBytesBefore = poolBytesInUse();
}

void StringTest::TearDown()
{
    EXPECT_EQ(poolBytesInUse(), poolBytesBefore) << "pool memory not given back";
}

void BothModes::SetUp()
{
    charTablesForceSingleByte(!GetParam());
    StringTest::SetUp();
}

void BothModes::TearDown()
{
    StringTest::TearDown();
    charTablesForceSingleByte(false);
}

std::string modeName(const testing::TestParamInfo<bool>& info)
{
    return info.param ? "DoubleByte" : "SingleByte";
}
