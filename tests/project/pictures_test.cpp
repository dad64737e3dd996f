// Pictures of the image: 16-bit rows decoded into bitmaps on first use, the mask of a
// transparent picture, and picture data whose header does not fit its bytes.
#include "graphics/picture.h"
#include "graphics/picturedata.h"
#include "graphics/picturedrawing.h"
#include "project/projectitems.h"
#include "tests/support/testimage.h"
#include "tests/support/testpicture.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

const std::vector<uint16_t> sixPixels = {0x7C00, 0x03E0, 0x001F, 0x7FFF, 0x4210, 0x0000};

// The pixels of a bitmap as 0xRRGGBB, read back through GDI, rows top to bottom.
std::vector<uint32_t> pixelsOf(HBITMAP bitmap, int32_t width, int32_t height)
{
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB};
    std::vector<uint32_t> pixels(size_t(width) * height);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    for (uint32_t& pixel : pixels)
        pixel &= 0xFFFFFF;
    return pixels;
}

TEST(Pictures, RowsOfFiveBitComponentsAreDecodedOnFirstUse)
{
    std::vector<uint8_t> form = testPictureForm(3, 2, sixPixels);
    ObjectRef picture(pictureFromImageData(form.data(), uint32_t(form.size()), 0));
    EXPECT_EQ(reinterpret_cast<PictureObject*>(picture.get())->image, nullptr) << "nothing decoded yet";
    PictureBitmaps bitmaps;
    ASSERT_TRUE(pictureBitmaps(picture.get(), bitmaps));
    EXPECT_EQ(bitmaps.width, 3);
    EXPECT_EQ(bitmaps.height, 2);
    EXPECT_EQ(bitmaps.mask, nullptr) << "an opaque picture";
    const std::vector<uint32_t> expected = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x848484, 0x000000};
    EXPECT_EQ(pixelsOf(bitmaps.image, 3, 2), expected);
}

TEST(Pictures, ATransparentPictureClearsItsWhitePixelsThroughItsMask)
{
    std::vector<uint8_t> form = testPictureForm(3, 2, sixPixels);
    ObjectRef picture(pictureFromImageData(form.data(), uint32_t(form.size()), 1));
    PictureBitmaps bitmaps;
    ASSERT_TRUE(pictureBitmaps(picture.get(), bitmaps));
    ASSERT_NE(bitmaps.mask, nullptr);
    EXPECT_EQ(pixelsOf(bitmaps.mask, 3, 2), (std::vector<uint32_t>{0, 0, 0, 0xFFFFFF, 0, 0}));

    // Drawn as pictures are drawn: the background shows through.
    uint32_t* background = nullptr;
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, 3, -2, 1, 32, BI_RGB};
    HBITMAP target =
        CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&background), nullptr, 0);
    ASSERT_NE(target, nullptr);
    std::fill(background, background + 6, 0x123456u);
    HDC targetDc = CreateCompatibleDC(nullptr);
    HGDIOBJ oldTarget = SelectObject(targetDc, target);
    pictureDrawAt(targetDc, picture.get(), 0, 0);
    GdiFlush();
    EXPECT_EQ(background[3] & 0xFFFFFF, 0x123456u) << "the white pixel lets the background show";
    EXPECT_EQ(background[0] & 0xFFFFFF, 0xFF0000u);
    SelectObject(targetDc, oldTarget);
    DeleteDC(targetDc);
    DeleteObject(target);
}

struct BadHeader {
    const char* what;
    size_t keep; // bytes of the form given (0: all)
    int word;    // a header word to change (-1: none)
    uint32_t value;
    const char* fault;
};

TEST(Pictures, DataWhoseHeaderDoesNotFitItsBytesDecodesToNothing)
{
    const std::vector<uint8_t> form = testPictureForm(3, 2, sixPixels); // 16 bytes of header, rows of 8
    const BadHeader cases[] = {
        {"header cut", 10, -1, 0, "picture at byte 0: the header of 16 bytes is cut short at 10"},
        {"last row cut", form.size() - 1, -1, 0,
         "picture at byte 12: the byte count 16 runs past the 15 bytes "
         "after the header"},
        {"byte count past the data", 0, 3, 17,
         "picture at byte 12: the byte count 17 does not match the 16 bytes of the rows"},
        {"byte count short of the rows", 0, 3, 15,
         "picture at byte 12: the byte count 15 does not match the 16 bytes of the rows"},
        {"a width that does not fit the byte count", 0, 1, 5,
         "picture at byte 12: the byte count 16 does not match the 24 bytes of the rows"},
        {"8 bits per pixel", 0, 0, 8, "picture at byte 0: 8 bits per pixel instead of 16"},
        {"no width", 0, 1, 0, "picture at byte 4: the width 0 is not between 1 and 16384"},
        {"no height", 0, 2, 0, "picture at byte 8: the height 0 is not between 1 and 16384"},
        {"huge width", 0, 1, 0x40000000, "picture at byte 4: the width 1073741824 is not between 1 and 16384"},
        {"huge height", 0, 2, 0xFFFFFFFF, "picture at byte 8: the height 4294967295 is not between 1 and 16384"},
    };
    for (const BadHeader& c : cases) {
        std::vector<uint8_t> bytes(form.begin(), c.keep ? form.begin() + c.keep : form.end());
        if (c.word >= 0)
            memcpy(&bytes[c.word * 4], &c.value, 4);
        PictureData data;
        std::string fault;
        EXPECT_FALSE(pictureDataRead(bytes.data(), uint32_t(bytes.size()), data, fault)) << c.what;
        EXPECT_EQ(fault, c.fault) << c.what;
        ObjectRef picture(pictureFromImageData(bytes.data(), uint32_t(bytes.size()), 0));
        PictureBitmaps bitmaps;
        EXPECT_FALSE(pictureBitmaps(picture.get(), bitmaps)) << c.what;
        EXPECT_EQ(bitmaps.image, nullptr) << c.what;
    }
}

TEST(Pictures, APictureItemAtTheEndOfTheDataBlockNeverReadsPastIt)
{
    TestImage image;
    uint32_t table = image.words({0, 1, 0});
    uint32_t item = image.words({1, 0});
    image.bytes(testPictureForm(3, 2, sixPixels));
    reinterpret_cast<uint32_t*>(image.dataBytes(table))[2] = item;
    std::string error;
    ASSERT_TRUE(image.link(error, 2)) << error;
    ASSERT_TRUE(registryBuildProjectItems(tableAt(table), error)) << error;
    ObjectRef picture(RuntimePictureReference(1));
    ASSERT_NE(picture.get(), nullptr);
    PictureBitmaps bitmaps;
    EXPECT_FALSE(pictureBitmaps(picture.get(), bitmaps));
}

} // namespace
