// Graphics on the screen as a person sees them: a window whose Paint event draws every kind of
// drawing, a canvas painting within its pane, and the Graphics that windows and canvases give
// on request. The window is written to screenshots/graphics-paint.bmp and its pixels checked.
#include "graphics/graphicsexports.h"
#include "graphics/picture.h"
#include "tests/support/codepages.h"
#include "tests/support/screencapture.h"
#include "tests/support/testpicture.h"
#include "tests/ui/windows/windowtesting.h"
#include "ui/templates/windowtemplate.h"
#include "ui/windows/panegraphics.h"
#include "ui/windows/windowvisibility.h"

#include <gtest/gtest.h>

extern "C" ObjectHeader* canvasGraphicsGetter(ObjectHeader* canvas, int32_t);

namespace {

constexpr uint32_t back = 0xF0F0F0;
constexpr int32_t ownSize = -10000;

// A 6 x 4 picture, white but for a red frame, transparent: the window shows through inside.
const std::vector<uint8_t>& framedForm()
{
    static const std::vector<uint8_t> form = [] {
        std::vector<uint16_t> pixels(24, 0x7FFF);
        for (int32_t i = 0; i < 24; ++i) {
            if (i % 6 == 0 || i % 6 == 5 || i < 6 || i >= 18)
                pixels[size_t(i)] = 0x7C00;
        }
        return testPictureForm(6, 4, pixels);
    }();
    return form;
}

void setColor(ObjectHeader* g, int32_t rgb)
{
    graphicsForeColorSetter(g, 0, rgb);
}

int32_t paintEverything(ObjectHeader*, ObjectHeader* g)
{
    setColor(g, 0xFF0000);
    RuntimeGraphicsFillRect(g, 10, 10, 60, 40);
    setColor(g, 0x0000FF);
    RuntimeGraphicsDrawRect(g, 80, 10, 60, 40);
    setColor(g, 0x008000);
    RuntimeGraphicsFillOval(g, 150, 10, 60, 40);
    RuntimeGraphicsDrawOval(g, 220, 10, 60, 40);
    setColor(g, 0x800080);
    RuntimeGraphicsFillRoundRect(g, 290, 10, 60, 40, 20, 20);
    RuntimeGraphicsDrawRoundRect(g, 360, 10, 30, 40, 10, 10);
    setColor(g, 0xFF0000);
    graphicsPenHeightSetter(g, 0, 3);
    RuntimeGraphicsDrawLine(g, 10, 70, 200, 70);
    graphicsPenHeightSetter(g, 0, 1);
    setColor(g, 0x000000);
    StringRef font(stringFromText("MS UI Gothic"));
    graphicsTextFontSetter(g, 0, font.get());
    graphicsTextSizeSetter(g, 0, 20);
    StringRef caption(stringFromText(ansiFromUtf8("約束手形 & Graphics").c_str()));
    RuntimeGraphicsDrawString(g, caption.get(), 10, 90 + RuntimeGraphicsTextAscent(g), 0);
    graphicsDrawStopIcon(g, 10, 130);
    graphicsDrawNoteIcon(g, 50, 130);
    graphicsDrawCautionIcon(g, 90, 130);
    RuntimeGraphicsFillRect(g, 220, 80, 60, 60);
    RuntimeGraphicsClearRect(g, 230, 90, 40, 40);
    ObjectRef picture(pictureFromImageData(framedForm().data(), uint32_t(framedForm().size()), 1));
    RuntimeGraphicsDrawPicture(g, picture.get(), 300, 80, 60, 40, 0, 0, 6, 4);
    graphicsPixelSetter(g, 5, 5, 0x00FF00);
    return 0;
}

// The fill reaches past the pane on every side: what shows is the pane only.
int32_t paintCanvas(ObjectHeader*, ObjectHeader* g)
{
    setColor(g, 0x0000FF);
    RuntimeGraphicsFillRect(g, -10, -10, graphicsWidthGetter(g, 0) + 20, graphicsHeightGetter(g, 0) + 20);
    return 0;
}

// Pixels of the area that are (or, with `other`, are not) of the colour.
int32_t pixelsOf(const Capture& shot, RECT area, uint32_t color, bool other = false)
{
    int32_t count = 0;
    for (int32_t y = area.top; y < area.bottom; ++y) {
        for (int32_t x = area.left; x < area.right; ++x)
            count += (shot.at(x, y) == color) != other;
    }
    return count;
}

ObjectHeader* openPaintedWindow()
{
    windowTestSetUp();
    int32_t window = testClass(BuiltinClassId::Window, {{"Paint", reinterpret_cast<void*>(paintEverything)}});
    int32_t canvas = testClass(BuiltinClassId::Canvas, {{"Paint", reinterpret_cast<void*>(paintCanvas)}});
    std::string stream = templateStream(
        window, windowProperties("Painted", 400, 260, {{"HasBackColor", "True"}, {"BackColor", "15790320"}}),
        {{canvas, controlProperties("Canvas1", 150, 180, 100, 50, {{"Backdrop", "0"}, {"Enabled", "True"}})}});
    ObjectHeader* created = openWindow(stream);
    if (created) {
        bringToFront(created);
        pumpFor(300);
    }
    return created;
}

TEST(GraphicsOnScreen, APaintEventDrawsEveryKindOfDrawing)
{
    ObjectRef window(openPaintedWindow());
    ASSERT_NE(window.get(), nullptr);
    Capture shot = captureClient(windowHandleOf(window.get()));
    CreateDirectoryA("screenshots", nullptr);
    writeBmp("screenshots/graphics-paint.bmp", shot);

    struct Probe {
        const char* what;
        int32_t x, y;
        uint32_t rgb;
    };
    const Probe probes[] = {
        {"window back colour", 395, 255, back},
        {"filled rectangle", 40, 30, 0xFF0000},
        {"frame: top-left corner", 80, 10, 0x0000FF},
        {"frame: bottom-right corner", 140, 50, 0x0000FF},
        {"inside the frame", 110, 30, back},
        {"filled oval", 180, 30, 0x008000},
        {"corner outside the oval", 151, 11, back},
        {"inside the drawn oval", 250, 30, back},
        {"drawn oval's left", 220, 30, 0x008000},
        {"filled round rectangle", 320, 30, 0x800080},
        {"rounded corner", 291, 11, back},
        {"line, first row", 100, 70, 0xFF0000},
        {"line, third row", 100, 72, 0xFF0000},
        {"below a PenHeight of 3", 100, 73, back},
        {"cleared to the window's colour", 250, 110, back},
        {"around the cleared part", 225, 85, 0x000000},
        {"picture frame, stretched", 302, 82, 0xFF0000},
        {"transparent picture inside", 330, 100, back},
        {"pixel", 5, 5, 0x00FF00},
        {"canvas painted", 200, 205, 0x0000FF},
        {"canvas paint kept to its pane: left", 149, 205, back},
        {"canvas paint kept to its pane: below", 200, 230, back},
    };
    for (const Probe& probe : probes)
        EXPECT_EQ(shot.at(probe.x, probe.y), probe.rgb) << probe.what;
    EXPECT_GT(pixelsOf(shot, {10, 90, 300, 120}, 0x000000), 100) << "text";
    EXPECT_GT(pixelsOf(shot, {10, 90, 300, 94}, 0x000000), 0) << "text drawn at y = ascent reaches its top";
    for (int32_t left : {10, 50, 90})
        EXPECT_GT(pixelsOf(shot, {left, 130, left + 32, 162}, back, true), 50) << "icon at " << left;
    windowsCloseAll();
}

TEST(GraphicsOnScreen, WindowsAndCanvasesGiveGraphicsOnRequest)
{
    ObjectRef window(openPaintedWindow());
    ASSERT_NE(window.get(), nullptr);
    StringRef canvasName(stringFromText("Canvas1"));
    ObjectRef canvasGraphics(canvasGraphicsGetter(RuntimeControlFetch(window.get(), canvasName.get()), 0));
    ObjectRef windowGraphics(windowGraphicsGetter(window.get(), 0));
    EXPECT_EQ(graphicsWidthGetter(canvasGraphics.get(), 0), 100);
    EXPECT_EQ(graphicsHeightGetter(windowGraphics.get(), 0), 260);
    setColor(canvasGraphics.get(), 0xFFFF00);
    RuntimeGraphicsFillRect(canvasGraphics.get(), 0, 0, 10, 10);
    setColor(windowGraphics.get(), 0x00FFFF);
    RuntimeGraphicsFillRect(windowGraphics.get(), 380, 200, 10, 10);
    GdiFlush();
    pumpFor(100);
    Capture shot = captureClient(windowHandleOf(window.get()));
    EXPECT_EQ(shot.at(155, 185), 0xFFFF00u) << "drawn on the canvas";
    EXPECT_EQ(shot.at(165, 195), 0x0000FFu) << "the canvas beside it";
    EXPECT_EQ(shot.at(385, 205), 0x00FFFFu) << "drawn on the window";
    windowsCloseAll();
    setColor(canvasGraphics.get(), 0xFFFF00);
    RuntimeGraphicsFillRect(canvasGraphics.get(), 0, 0, 10, 10); // a closed window: nothing, quietly
}

} // namespace
