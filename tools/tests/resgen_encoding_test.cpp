// The generator's encoders on their own: stream numbers and texts, Shift-JIS conversion and
// the 16-bit picture form.
#include "image/imagestream.h"
#include "image/streamencoding.h"
#include "resgen/png_picture.h"
#include "resgen/shift_jis.h"
#include "tests/resgen_fixture.h"
#include "tests/test_files.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

using namespace testsupport;
using Bytes = std::vector<uint8_t>;

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

struct NumberCase {
    int32_t value;
    Bytes bytes;
};

TEST(StreamNumbers, AreWrittenSixBitsFirstThenSevenBitsABite)
{
    const NumberCase cases[] = {
        {0, {0x00}},
        {1, {0x01}},
        {63, {0x3F}},
        {64, {0x80, 0x01}},
        {-1, {0x41}},
        {-63, {0x7F}},
        {-64, {0xC0, 0x01}},
        {8191, {0xBF, 0x7F}},
        {8192, {0x80, 0x80, 0x01}},
        {kMax, {0xBF, 0xFF, 0xFF, 0xFF, 0x0F}},
        {-kMax, {0xFF, 0xFF, 0xFF, 0xFF, 0x0F}},
        {kMin, {0xC0, 0x80, 0x80, 0x80, 0x10}}, // the magnitude 0x80000000, sign set
    };
    for (const NumberCase& c : cases) {
        ImageStreamWriter out;
        out.number(c.value);
        EXPECT_EQ(out.bytes(), c.bytes) << c.value;
    }
}

TEST(StreamNumbers, RoundTripThroughTheRuntimesReader)
{
    std::vector<int32_t> values{kMin, kMin + 1, kMax, kMax - 1};
    for (int64_t v = 1; v < kMax; v = v * 3 + 1) {
        values.push_back(static_cast<int32_t>(v));
        values.push_back(static_cast<int32_t>(-v));
    }
    ImageStreamWriter out;
    for (int32_t value : values)
        out.number(value);
    ImageStream in(out.bytes().data(), out.bytes().size());
    for (int32_t value : values)
        EXPECT_EQ(in.readNumber(), value);
    EXPECT_TRUE(in.atEnd());
    EXPECT_FALSE(in.failed());
}

TEST(StreamTexts, AreALengthNumberAndTheBytes)
{
    const std::string hundred(100, 'x');
    ImageStreamWriter out;
    out.text("");
    out.text("ab");
    out.text(hundred);
    out.byte(0xFE);
    out.longValue(0x01020304);
    const Bytes& bytes = out.bytes();
    ASSERT_EQ(bytes.size(), 1u + 3u + 102u + 1u + 4u);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 4), (Bytes{0x00, 0x02, 'a', 'b'}));
    EXPECT_EQ(Bytes(bytes.begin() + 4, bytes.begin() + 6), (Bytes{0xA4, 0x01})); // 100 = 0x24 + (1 << 6)
    EXPECT_EQ(Bytes(bytes.end() - 5, bytes.end()), (Bytes{0xFE, 0x01, 0x02, 0x03, 0x04}));
    ImageStream in(bytes.data(), bytes.size());
    EXPECT_EQ(in.readString(), "");
    EXPECT_EQ(in.readString(), "ab");
    EXPECT_EQ(in.readString(), hundred);
    EXPECT_EQ(in.readByte(), 0xFE);
    EXPECT_EQ(in.readLong(), 0x01020304u);
    EXPECT_TRUE(in.atEnd());
}

struct ShiftJisCase {
    const char* utf8;
    const char* shiftJis; // null: the conversion fails with `error`
    const char* error;
};

TEST(ShiftJis, ConvertsWhatCodePage932HoldsAndNamesWhatItDoesNot)
{
    const ShiftJisCase cases[] = {
        {"Amount 12", "Amount 12", nullptr},
        {"手形・小切手", "\x8E\xE8\x8C\x60\x81\x45\x8F\xAC\x90\xD8\x8E\xE8", nullptr},
        {"ｱ", "\xB1", nullptr},                // half-width katakana: one byte
        {"①", "\x87\x40", nullptr},            // a character of the code page's own additions
        {"〜～", "\x81\x60\x81\x60", nullptr}, // both wave dashes become the one the code page has
        {"", "", nullptr},
        {"料金€", nullptr, "no Shift-JIS form for U+20AC \"€\""},
        {"😀", nullptr, "no Shift-JIS form for U+1F600 \"😀\""},
        {"a\xFF", nullptr, "text is not valid UTF-8"},
        {"\xE6\x89", nullptr, "text is not valid UTF-8"},     // cut off inside a character
        {"\xED\xA0\x80", nullptr, "text is not valid UTF-8"}, // a surrogate
    };
    for (const ShiftJisCase& c : cases) {
        std::string converted, error;
        const bool ok = resgen::toShiftJis(c.utf8, converted, error);
        ASSERT_EQ(ok, c.shiftJis != nullptr) << c.utf8;
        EXPECT_EQ(ok ? converted : error, ok ? c.shiftJis : c.error) << c.utf8;
    }
}

uint16_t pixelAt(const Bytes& picture, size_t offset)
{
    return static_cast<uint16_t>(picture.at(offset) | picture.at(offset + 1) << 8);
}

TEST(Pictures, BecomeSixteenBitRowsPaddedToFourBytes)
{
    TempDir dir;
    // Red, green, blue; white, black at half opacity, and a fully transparent pixel.
    writePng(dir.path("tiny.png"), 3, 2,
             {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 255, 0, 0, 0, 128, 10, 20, 30, 0});
    Bytes picture;
    std::string error;
    ASSERT_TRUE(resgen::pictureFromPng(readBytes(dir.path("tiny.png")), picture, error)) << error;
    ASSERT_EQ(picture.size(), 16u + 2 * 8);
    EXPECT_EQ(Bytes(picture.begin(), picture.begin() + 16),
              (Bytes{16, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 16, 0, 0, 0})); // bits, width, height, pixel bytes
    EXPECT_EQ(pixelAt(picture, 16), 0x7C00);
    EXPECT_EQ(pixelAt(picture, 18), 0x03E0);
    EXPECT_EQ(pixelAt(picture, 20), 0x001F);
    EXPECT_EQ(pixelAt(picture, 22), 0x0000); // row padding
    EXPECT_EQ(pixelAt(picture, 24), 0x7FFF);
    EXPECT_EQ(pixelAt(picture, 26), 15 << 10 | 15 << 5 | 15); // half-opaque black over white: mid grey
    EXPECT_EQ(pixelAt(picture, 28), 0x7FFF);                  // transparent: white
    EXPECT_EQ(pixelAt(picture, 30), 0x0000);
}

TEST(Pictures, WithAnEvenWidthNeedNoPadding)
{
    const Bytes rgba(4 * 2 * 1, 255);
    const Bytes picture = resgen::encodePicture16(2, 1, rgba);
    EXPECT_EQ(picture.size(), 16u + 4);
    EXPECT_EQ(picture[12], 4);
}

TEST(Pictures, ThatAreNoPngAreRefused)
{
    const Bytes notPng{'G', 'I', 'F', '8', '9', 'a', 0, 0};
    Bytes picture;
    std::string error;
    EXPECT_FALSE(resgen::pictureFromPng(notPng, picture, error));
    EXPECT_TRUE(error.starts_with("not a PNG picture: ")) << error;
}

} // namespace
