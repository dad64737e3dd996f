// Image streams: numbers with sign and continuation bits, texts, bytes, longs, and reads that
// stop at the end of the stream.
#include "image/imagestream.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct NumberCase {
    const char* what;
    std::vector<uint8_t> bytes;
    int32_t expected;
};

TEST(ImageStream, NumbersTakeSixThenSevenBitsPerByte)
{
    const NumberCase cases[] = {
        {"zero", {0x00}, 0},
        {"largest single byte", {0x3F}, 63},
        {"sign bit", {0x45}, -5},
        {"two bytes", {0x80 | 0x01, 0x02}, 1 + (2 << 6)},
        {"negative two bytes", {0xC0 | 0x3F, 0x7F}, -(63 + (127 << 6))},
        {"five bytes", {0x80, 0x80, 0x80, 0x80, 0x01}, 1 << 27},
        {"0x80000000 without its sign", {0x80, 0x80, 0x80, 0x80, 0x10}, INT32_MIN},
        {"0x80000000 keeps its sign unapplied", {0xC0, 0x80, 0x80, 0x80, 0x10}, INT32_MIN},
        {"-2147483647", {0xC0 | 0x3F, 0xFF, 0xFF, 0xFF, 0x0F}, -2147483647},
        {"bits past the 32nd are dropped", {0x81, 0x80, 0x80, 0x80, 0x80, 0x7F}, 1},
    };
    for (const NumberCase& c : cases) {
        ImageStream stream(c.bytes.data(), uint32_t(c.bytes.size()));
        EXPECT_EQ(stream.readNumber(), c.expected) << c.what;
        EXPECT_FALSE(stream.failed()) << c.what;
        EXPECT_TRUE(stream.atEnd()) << c.what;
    }
}

TEST(ImageStream, TextsBytesAndLongs)
{
    const std::vector<uint8_t> bytes = {0x03, 'a', 'b', 'c', 0x00, 0x41, 0x07, 0x12, 0x34, 0x56, 0x78};
    ImageStream stream(bytes.data(), uint32_t(bytes.size()));
    EXPECT_EQ(stream.readString(), "abc");
    EXPECT_EQ(stream.readString(), "") << "length 0";
    EXPECT_EQ(stream.readString(), "") << "a negative length is empty and reads nothing more";
    EXPECT_EQ(stream.readByte(), 0x07);
    EXPECT_EQ(stream.readLong(), 0x12345678u) << "most significant byte first";
    EXPECT_TRUE(stream.atEnd());
    EXPECT_FALSE(stream.failed());
}

struct ShortCase {
    const char* what;
    std::vector<uint8_t> bytes;
    int (*read)(ImageStream& stream); // the value read, as a number
};

TEST(ImageStream, AReadPastTheEndFailsYieldsNothingAndStaysFailed)
{
    const ShortCase cases[] = {
        {"empty number", {}, [](ImageStream& s) { return s.readNumber(); }},
        {"number cut after its continuation bit", {0x85}, [](ImageStream& s) { return s.readNumber(); }},
        {"text longer than the stream", {0x05, 'a', 'b'}, [](ImageStream& s) { return int(s.readString().size()); }},
        {"long of three bytes", {1, 2, 3}, [](ImageStream& s) { return int(s.readLong()); }},
        {"byte of an empty stream", {}, [](ImageStream& s) { return int(s.readByte()); }},
    };
    for (const ShortCase& c : cases) {
        ImageStream stream(c.bytes.data(), uint32_t(c.bytes.size()));
        EXPECT_EQ(c.read(stream), 0) << c.what;
        EXPECT_TRUE(stream.failed()) << c.what;
        EXPECT_EQ(stream.readByte(), 0) << c.what << ": later reads fail too";
        EXPECT_TRUE(stream.failed()) << c.what;
    }
}

} // namespace
