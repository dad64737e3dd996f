// A window of runtime-drawn controls as a person sees it: the picture is written to
// screenshots/drawn-controls.bmp and its telling pixels are checked.
#include "graphics/graphicsexports.h"
#include "tests/support/codepages.h"
#include "tests/support/screencapture.h"
#include "tests/ui/windows/windowtesting.h"
#include "ui/templates/windowtemplate.h"
#include "ui/windows/controlproperties.h"
#include "ui/windows/windowvisibility.h"

#include <gtest/gtest.h>

namespace {

int32_t paintBlueSquare(ObjectHeader*, ObjectHeader* graphics)
{
    graphicsForeColorSetter(graphics, 0, 0x0000FF);
    RuntimeGraphicsFillRect(graphics, 20, 20, 80, 80);
    return 0;
}

// Pixels darker than this count as ink of text.
int32_t inkIn(const Capture& capture, RECT area, uint32_t darkerThan)
{
    int32_t ink = 0;
    for (int32_t y = area.top; y < area.bottom; ++y) {
        for (int32_t x = area.left; x < area.right; ++x)
            ink += ((capture.at(x, y) >> 8) & 0xFF) < darkerThan;
    }
    return ink;
}

TEST(Screenshot, DrawnControlsLookAsDesigned)
{
    windowTestSetUp();
    int32_t window = testClass(BuiltinClassId::Window, {});
    int32_t canvas = testClass(BuiltinClassId::Canvas, {{"Paint", reinterpret_cast<void*>(paintBlueSquare)}});
    int32_t text = testClass(BuiltinClassId::StaticText, {});
    int32_t rectangle = testClass(BuiltinClassId::Rectangle, {});
    int32_t oval = testClass(BuiltinClassId::Oval, {});
    int32_t roundRectangle = testClass(BuiltinClassId::RoundRectangle, {});
    int32_t line = testClass(BuiltinClassId::Line, {});
    auto font = [](const std::string& caption, const Properties& more = {}) {
        Properties properties = {{"TextFont", "MS UI Gothic"}, {"TextSize", "14"},     {"Bold", "False"},
                                 {"Italic", "False"},          {"Underline", "False"}, {"Text", ansiFromUtf8(caption)},
                                 {"TextAlign", "0"},           {"TextColor", "0"},     {"MultiLine", "False"}};
        for (const auto& [key, value] : more) {
            for (auto& property : properties) {
                if (property.first == key)
                    property.second = value;
            }
        }
        return properties;
    };
    std::string stream = templateStream(
        window, windowProperties("Drawn", 400, 330, {{"HasBackColor", "True"}, {"BackColor", "15790320"}}),
        {
            {canvas, controlProperties("Canvas1", 10, 10, 180, 120, {{"Backdrop", "0"}, {"Enabled", "True"}})},
            {text, controlProperties("Title", 200, 10, 190, 20, font("手形・小切手"))},
            {text, controlProperties("Lines", 200, 40, 190, 40, font("一行目\r\n二行目", {{"TextAlign", "1"}}))},
            {text, controlProperties("Muted", 200, 90, 190, 20, font("使用不可"))},
            {text,
             controlProperties("Right", 200, 260, 190, 60,
                               font("短い行\r\nもう少し長い二行目", {{"TextAlign", "2"}, {"MultiLine", "True"}}))},
            {text, controlProperties("Over", 30, 60, 150, 20, font("Over the canvas", {{"TextColor", "16777215"}}))},
            {rectangle, controlProperties("Rect", 10, 140, 100, 60,
                                          {{"FillColor", "16711680"},
                                           {"BorderWidth", "3"},
                                           {"TopLeftColor", "0"},
                                           {"BottomRightColor", "8421504"}})},
            {oval, controlProperties("Oval", 120, 140, 100, 60,
                                     {{"FillColor", "65280"}, {"BorderWidth", "2"}, {"BorderColor", "255"}})},
            {roundRectangle, controlProperties("Round", 230, 140, 120, 60,
                                               {{"FillColor", "16776960"},
                                                {"BorderWidth", "2"},
                                                {"BorderColor", "0"},
                                                {"OvalWidth", "20"},
                                                {"OvalHeight", "20"}})},
            {line, controlProperties("Line", 0, 0, 0, 0,
                                     {{"BorderWidth", "2"},
                                      {"BorderColor", "255"},
                                      {"X1", "10"},
                                      {"Y1", "215"},
                                      {"X2", "380"},
                                      {"Y2", "250"}})},
        });
    ObjectRef created(openWindow(stream));
    ASSERT_NE(created.get(), nullptr);
    StringRef mutedName(stringFromText("Muted"));
    controlEnabledSetter(RuntimeControlFetch(created.get(), mutedName.get()), 0, 0);
    bringToFront(created.get());
    pumpFor(300);
    Capture shot = captureClient(windowHandleOf(created.get()));
    CreateDirectoryA("screenshots", nullptr);
    writeBmp("screenshots/drawn-controls.bmp", shot);

    struct Probe {
        const char* what;
        int32_t x;
        int32_t y;
        uint32_t rgb;
    };
    const Probe probes[] = {
        {"window back colour", 395, 5, 0xF0F0F0},
        {"canvas paint", 40, 40, 0x0000FF},
        {"canvas backdrop-less corner", 12, 12, 0xF0F0F0},
        {"rectangle fill", 60, 170, 0xFF0000},
        {"rectangle top-left edge", 11, 141, 0x000000},
        {"rectangle bottom-right edge", 108, 198, 0x808080},
        {"oval fill", 170, 170, 0x00FF00},
        {"outside the oval", 121, 141, 0xF0F0F0},
        {"round rectangle fill", 290, 170, 0xFFFF00},
        {"rounded corner", 231, 141, 0xF0F0F0},
        {"line", 195, 232, 0x0000FF},
    };
    for (const Probe& probe : probes)
        EXPECT_EQ(shot.at(probe.x, probe.y), probe.rgb) << probe.what;
    EXPECT_GT(inkIn(shot, {200, 10, 390, 30}, 0x40), 30) << "title text";
    EXPECT_GT(inkIn(shot, {200, 40, 390, 60}, 0x40), 20) << "first line";
    EXPECT_GT(inkIn(shot, {200, 60, 390, 80}, 0x40), 20) << "second line";
    EXPECT_EQ(inkIn(shot, {200, 90, 390, 110}, 0x40), 0) << "disabled text is muted";
    EXPECT_GT(inkIn(shot, {200, 90, 390, 110}, 0xD0), 20) << "disabled text is drawn";
    EXPECT_EQ(shot.at(31, 62), 0x0000FF) << "the canvas shows through around the text over it";
    // A right-aligned block: both lines end at the right edge, the short one starts past the middle.
    EXPECT_GT(inkIn(shot, {370, 258, 390, 274}, 0x40), 10) << "right-aligned first line at the edge";
    EXPECT_EQ(inkIn(shot, {200, 258, 300, 274}, 0x40), 0) << "nothing of the short line on the left";
    EXPECT_GT(inkIn(shot, {370, 275, 390, 291}, 0x40), 10) << "right-aligned second line at the edge";
    windowsCloseAll();
}

} // namespace
