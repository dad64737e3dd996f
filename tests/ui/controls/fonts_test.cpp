// Fonts: the face-name table, the character set of the application's language, and one shared
// Win32 font per description, deleted with its last holder.
#include "graphics/fontcache.h"
#include "tests/ui/controls/controltesting.h"
#include "ui/windows/windowvisibility.h"

#include <cstring>

namespace {

TEST(FontNames, AreMappedExactlyAndCaseSensitively)
{
    struct Case {
        const char* requested;
        const char* face;
    };
    const Case cases[] = {
        {"System", "MS Sans Serif"},
        {"Application", "MS Sans Serif"},
        {"Geneva", "MS Sans Serif"},
        {"Courier", "Courier New"},
        {"Times", "Times New Roman"},
        {"Helvetica", "Arial"},
        {"Osaka", "MS UI Gothic"},
        {"helvetica", "helvetica"},
        {"Helvetica Neue", "Helvetica Neue"},
        {"", ""},
        {"MS Gothic", "MS Gothic"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(fontFaceName(c.requested), c.face) << c.requested;
}

LOGFONTA describe(HFONT font)
{
    LOGFONTA description = {};
    GetObjectA(font, sizeof description, &description);
    return description;
}

class Fonts : public ControlTest {};

TEST_F(Fonts, AreMadeWithTheMappedNameTheSizeAndTheJapaneseCharacterSet)
{
    HFONT font = fontAcquire("Helvetica", 14, true, false, true);
    ASSERT_NE(font, nullptr);
    LOGFONTA description = describe(font);
    EXPECT_STREQ(description.lfFaceName, "Arial");
    EXPECT_EQ(description.lfHeight, -14);
    EXPECT_EQ(description.lfWeight, FW_BOLD);
    EXPECT_TRUE(description.lfUnderline);
    EXPECT_FALSE(description.lfItalic);
    EXPECT_EQ(description.lfCharSet, SHIFTJIS_CHARSET);
    fontRelease(font);
    EXPECT_EQ(GetObjectType(font), 0u);
}

TEST_F(Fonts, NativeControlsOfOneDescriptionShareOneFontUntilTheLastGoes)
{
    ASSERT_NE(open({{pushButtonClass(), controlProperties("One", 10, 10, 80, 24)},
                    {pushButtonClass(), controlProperties("Two", 100, 10, 80, 24)},
                    {pushButtonClass(),
                     controlProperties("Big", 10, 50, 80, 24, {{"TextFont", "Times"}, {"TextSize", "18"}})}}),
              nullptr);
    auto fontOf = [this](const char* name) {
        return reinterpret_cast<HFONT>(SendMessageA(handleOf(name), WM_GETFONT, 0, 0));
    };
    HFONT shared = fontOf("One");
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(fontOf("Two"), shared);
    LOGFONTA big = describe(fontOf("Big"));
    EXPECT_STREQ(big.lfFaceName, "Times New Roman");
    EXPECT_EQ(big.lfHeight, -18);
    HFONT again = fontAcquire("System", 0, false, false, false);
    EXPECT_EQ(again, shared);
    fontRelease(again);
    windowsCloseAll();
    pumpFor(50);
    EXPECT_EQ(GetObjectType(shared), 0u);
}

// The system draws with a font of its choosing; the field and its text are there as usual.
TEST_F(Fonts, AFontTheMachineDoesNotHaveStillGivesAWorkingField)
{
    ASSERT_NE(open({{editFieldClass(),
                     controlProperties(
                         "Field", 10, 10, 200, 24,
                         {{"TextFont", "No Such Face 12"}, {"TextSize", "16"}, {"Text", "\x8b\xe0\x8a\x7a"}})}}),
              nullptr);
    EXPECT_EQ(windowText(handleOf("Field")), "\x8b\xe0\x8a\x7a");
    HFONT font = fontAcquire("No Such Face 12", 16, false, false, false); // the field's, shared
    ASSERT_NE(font, nullptr);
    EXPECT_STREQ(describe(font).lfFaceName, "No Such Face 12");
    fontRelease(font);
}

TEST(FontCache, ReleasingAFontItDoesNotHoldIsHarmless)
{
    fontRelease(nullptr);
    fontRelease(reinterpret_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    EXPECT_NE(GetObjectType(GetStockObject(DEFAULT_GUI_FONT)), 0u);
}

} // namespace
