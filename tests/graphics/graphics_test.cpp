// The Graphics object drawing into pictures with real GDI: text against the same text drawn by
// GDI directly, shapes and pens pixel by pixel, pictures with the -10000 sizes and their masks,
// and Graphics whose owner has nothing (more) to draw on.
#include "graphics/fontcache.h"
#include "graphics/graphics.h"
#include "graphics/graphicsexports.h"
#include "graphics/picture.h"
#include "graphics/picturedata.h"
#include "tests/support/testpicture.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr uint16_t white555 = 0x7FFF;
constexpr uint32_t white = 0xFFFFFF;
constexpr int32_t ownSize = -10000;

StringRef text(const char* bytes)
{
    return StringRef(stringFromText(bytes));
}

// The pixels of a 32-bit top-down DIB section as 0xRRGGBB.
std::vector<uint32_t> dibPixels(HBITMAP bitmap)
{
    GdiFlush();
    DIBSECTION section = {};
    GetObjectA(bitmap, sizeof section, &section);
    auto* bits = static_cast<const uint32_t*>(section.dsBm.bmBits);
    std::vector<uint32_t> pixels(bits, bits + section.dsBm.bmWidth * section.dsBm.bmHeight);
    for (uint32_t& pixel : pixels)
        pixel &= 0xFFFFFF;
    return pixels;
}

// A picture made from picture data, and a Graphics drawing into it.
class Surface {
public:
    Surface(int32_t width, int32_t height, uint16_t fill = white555, int32_t transparent = 0)
        : Surface(testPictureFormFilled(width, height, fill), transparent)
    {}
    Surface(std::vector<uint8_t> data, int32_t transparent)
        : form(std::move(data)),
          picture(pictureFromImageData(form.data(), uint32_t(form.size()), transparent)),
          graphics(pictureGraphicsGetter(picture.get(), 0))
    {}

    ObjectHeader* g() const { return graphics.get(); }
    ObjectHeader* asPicture() const { return picture.get(); }
    int32_t width() const { return graphicsWidthGetter(g(), 0); }
    std::vector<uint32_t> pixels() const
    {
        PictureBitmaps bitmaps;
        return pictureBitmaps(picture.get(), bitmaps) ? dibPixels(bitmaps.image) : std::vector<uint32_t>{};
    }
    uint32_t at(int32_t x, int32_t y) const { return pixels()[size_t(y * width() + x)]; }
    // Whether any pixel of the area differs from white.
    bool inkIn(RECT area) const
    {
        std::vector<uint32_t> all = pixels();
        for (int32_t y = area.top; y < area.bottom; ++y) {
            for (int32_t x = area.left; x < area.right; ++x) {
                if (all[size_t(y * width() + x)] != white)
                    return true;
            }
        }
        return false;
    }

private:
    std::vector<uint8_t> form; // the picture reads its data in place
    ObjectRef picture;
    ObjectRef graphics;
};

// A white bitmap drawn on by GDI directly: what the runtime's drawing must look like.
class Reference {
public:
    Reference(int32_t width, int32_t height) : dc(CreateCompatibleDC(nullptr))
    {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB};
        void* bits = nullptr;
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        previous = SelectObject(dc, bitmap);
        RECT all = {0, 0, width, height};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SetBkMode(dc, TRANSPARENT);
    }
    ~Reference()
    {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    std::vector<uint32_t> pixels() const { return dibPixels(bitmap); }

    HDC dc;

private:
    HBITMAP bitmap;
    HGDIOBJ previous;
};

// The font a Graphics of this name and size uses, held for one test.
class HeldFont {
public:
    HeldFont(const char* name, int32_t size) : font(fontAcquire(name, size, false, false, false)) {}
    ~HeldFont() { fontRelease(font); }
    HFONT get() const { return font; }
    TEXTMETRICA metrics(HDC dc) const
    {
        HGDIOBJ previous = SelectObject(dc, font);
        TEXTMETRICA metrics = {};
        GetTextMetricsA(dc, &metrics);
        SelectObject(dc, previous);
        return metrics;
    }

private:
    HFONT font;
};

TEST(Rgb, ClampsEachComponentToABye)
{
    struct Case {
        int32_t red, green, blue;
        int32_t color;
    };
    const Case cases[] = {
        {300, -5, 128, 16711808},  {0, 0, 0, 0},
        {255, 255, 255, 16777215}, {256, 1, 2, 0xFF0102},
        {-1, 1000, -1, 0x00FF00},  {INT32_MIN, INT32_MAX, 7, 0x00FF07},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RuntimeRGB(c.red, c.green, c.blue), c.color) << c.red << " " << c.green << " " << c.blue;
}

TEST(GraphicsProperties, ReadBackWhatWasSet)
{
    Surface surface(30, 20);
    ObjectHeader* g = surface.g();
    EXPECT_EQ(graphicsWidthGetter(g, 0), 30);
    EXPECT_EQ(graphicsHeightGetter(g, 0), 20);
    graphicsForeColorSetter(g, 0, 0x123456);
    EXPECT_EQ(graphicsForeColorGetter(g, 0), 0x123456);
    graphicsForeColorSetter(g, 0, 0x7F000000 | 0xFEDCBA);
    EXPECT_EQ(graphicsForeColorGetter(g, 0), 0xFEDCBA) << "only the three components are kept";
    StringRef name = text("MS Gothic");
    graphicsTextFontSetter(g, 0, name.get());
    StringRef readBack(graphicsTextFontGetter(g, 0));
    EXPECT_STREQ(stringText(readBack.get()), "MS Gothic");
    graphicsTextSizeSetter(g, 0, 18);
    EXPECT_EQ(graphicsTextSizeGetter(g, 0), 18);
    using Getter = int32_t (*)(ObjectHeader*, int32_t);
    using Setter = void (*)(ObjectHeader*, int32_t, int32_t);
    const std::pair<Getter, Setter> styles[] = {{graphicsBoldGetter, graphicsBoldSetter},
                                                {graphicsItalicGetter, graphicsItalicSetter},
                                                {graphicsUnderlineGetter, graphicsUnderlineSetter}};
    for (const auto& [get, set] : styles) {
        EXPECT_EQ(get(g, 0), 0);
        set(g, 0, 0x100); // a Boolean is its low byte
        EXPECT_EQ(get(g, 0), 0);
        set(g, 0, 1);
        EXPECT_EQ(get(g, 0), 1);
    }
    EXPECT_EQ(graphicsPenWidthGetter(g, 0), 1);
    EXPECT_EQ(graphicsPenHeightGetter(g, 0), 1);
    graphicsPenWidthSetter(g, 0, 4);
    graphicsPenHeightSetter(g, 0, 5);
    EXPECT_EQ(graphicsPenWidthGetter(g, 0), 4);
    EXPECT_EQ(graphicsPenHeightGetter(g, 0), 5);
}

// Each draw of a sequence, as DrawString is given it and as GDI draws it: the lines of the text
// from the top of the font's cell, each one line height lower.
struct TextDraw {
    int32_t size;
    const char* text;
    int32_t x;
    int32_t baselineBelowAscent; // y = the font's ascent + this
    std::vector<const char*> lines;
};

void drawReference(const Reference& reference, const TextDraw& draw, uint32_t color)
{
    HeldFont font("System", draw.size);
    TEXTMETRICA metrics = font.metrics(reference.dc);
    HGDIOBJ previous = SelectObject(reference.dc, font.get());
    SetTextColor(reference.dc, color);
    int32_t top = draw.baselineBelowAscent;
    for (const char* line : draw.lines) {
        TextOutA(reference.dc, draw.x, top, line, int(strlen(line)));
        top += metrics.tmHeight;
    }
    SelectObject(reference.dc, previous);
}

TEST(GraphicsText, DrawStringPutsTheFirstBaselineAtYAsGdiDrawsText)
{
    const std::vector<TextDraw> draws = {
        {14, "A&B touches the top", 0, 0, {"A&B touches the top"}},
        {14, "one\r\ntwo\nthree", 4, 20, {"one", "two", "three"}},
        {30, "Big", 120, 0, {"Big"}},
        {10, "small again", 120, 40, {"small again"}},
    };
    Surface surface(240, 120);
    Reference reference(240, 120);
    graphicsForeColorSetter(surface.g(), 0, 0x2040C0);
    for (const TextDraw& draw : draws) {
        graphicsTextSizeSetter(surface.g(), 0, draw.size);
        int32_t ascent = RuntimeGraphicsTextAscent(surface.g());
        StringRef drawn = text(draw.text);
        RuntimeGraphicsDrawString(surface.g(), drawn.get(), draw.x, ascent + draw.baselineBelowAscent, 0);
        drawReference(reference, draw, RGB(0x20, 0x40, 0xC0));
    }
    EXPECT_TRUE(surface.inkIn({0, 0, 240, 3})) << "text drawn at y = ascent reaches the top";
    EXPECT_TRUE(surface.pixels() == reference.pixels());
}

// A line longer than any block is drawn whole: its end shows, on the first line.
TEST(GraphicsText, OnlyAPositiveWrapWidthBreaksLines)
{
    std::string longText;
    for (int i = 0; i < 1500; ++i)
        longText += "word ";
    longText += "end";
    StringRef drawn = text(longText.c_str());
    struct Case {
        int32_t wrap;
        bool wraps;
    };
    for (const Case& c : {Case{0, false}, Case{-40, false}, Case{80, true}}) {
        Surface surface(120, 80);
        int32_t ascent = RuntimeGraphicsTextAscent(surface.g());
        int32_t height = RuntimeGraphicsTextHeight(surface.g());
        int32_t width = RuntimeGraphicsStringWidth(surface.g(), drawn.get());
        ASSERT_GT(width, 30000) << "longer than any block";
        RuntimeGraphicsDrawString(surface.g(), drawn.get(), c.wraps ? 0 : 100 - width, ascent, c.wrap);
        EXPECT_TRUE(surface.inkIn({0, 0, 120, height})) << c.wrap;
        EXPECT_EQ(surface.inkIn({0, height, 120, 80}), c.wraps) << c.wrap;
        if (!c.wraps) {
            EXPECT_TRUE(surface.inkIn({90, 0, 100, height})) << c.wrap << ": the end of the line";
        }
    }
}

TEST(GraphicsText, MeasuresWithTheFontOfItsDescription)
{
    Surface surface(10, 10);
    Reference reference(10, 10);
    graphicsTextSizeSetter(surface.g(), 0, 22);
    HeldFont font("System", 22);
    TEXTMETRICA metrics = font.metrics(reference.dc);
    EXPECT_EQ(RuntimeGraphicsTextHeight(surface.g()), metrics.tmHeight);
    EXPECT_EQ(RuntimeGraphicsTextAscent(surface.g()), metrics.tmAscent);
    SIZE extent = {};
    HGDIOBJ previous = SelectObject(reference.dc, font.get());
    GetTextExtentPoint32A(reference.dc, "Width of this", 13, &extent);
    SelectObject(reference.dc, previous);
    StringRef measured = text("Width of this");
    EXPECT_EQ(RuntimeGraphicsStringWidth(surface.g(), measured.get()), extent.cx);
    EXPECT_EQ(RuntimeGraphicsStringWidth(surface.g(), nullptr), 0);
}

// Only one port is current at a time: a port drawn on again after another keeps its own font.
TEST(GraphicsText, GraphicsDrawnInTurnEachKeepTheirFont)
{
    Surface small(120, 40), big(120, 40);
    Reference smallReference(120, 40), bigReference(120, 40);
    graphicsTextSizeSetter(small.g(), 0, 10);
    graphicsTextSizeSetter(big.g(), 0, 26);
    for (int32_t x : {0, 40, 80}) {
        for (auto [surface, reference, size] : {std::tuple{&small, &smallReference, 10}, {&big, &bigReference, 26}}) {
            StringRef drawn = text("Mg");
            RuntimeGraphicsDrawString(surface->g(), drawn.get(), x, RuntimeGraphicsTextAscent(surface->g()), 0);
            drawReference(*reference, {size, "Mg", x, 0, {"Mg"}}, 0);
        }
    }
    EXPECT_TRUE(small.pixels() == smallReference.pixels());
    EXPECT_TRUE(big.pixels() == bigReference.pixels());
}

// A line is drawn once for every pixel of the pen, each copy that far right and down; its end
// point is drawn too.
TEST(GraphicsLines, ThePenCopiesTheLineRightAndDown)
{
    struct Case {
        const char* what;
        int32_t penWidth, penHeight;
        int32_t x1, y1, x2, y2;
        RECT inked; // right and bottom excluded
    };
    const Case cases[] = {
        {"one pixel", 1, 1, 2, 5, 10, 5, {2, 5, 11, 6}},
        {"PenHeight 3", 1, 3, 2, 5, 10, 5, {2, 5, 11, 8}},
        {"PenWidth 2, vertical", 2, 1, 4, 1, 4, 9, {4, 1, 6, 10}},
        {"drawn backwards", 1, 2, 10, 5, 2, 5, {2, 5, 11, 7}},
        {"a pen larger than the picture", 1 << 30, 1 << 30, 3, 4, 3, 4, {3, 4, 16, 12}},
        {"a line from outside, PenHeight 4", 1, 4, 0, -2, 5, -2, {0, 0, 6, 2}},
        {"no pen", 0, 1, 2, 5, 10, 5, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        Surface surface(16, 12);
        graphicsForeColorSetter(surface.g(), 0, 0xFF0000);
        graphicsPenWidthSetter(surface.g(), 0, c.penWidth);
        graphicsPenHeightSetter(surface.g(), 0, c.penHeight);
        RuntimeGraphicsDrawLine(surface.g(), c.x1, c.y1, c.x2, c.y2);
        std::vector<uint32_t> pixels = surface.pixels();
        int32_t wrong = 0;
        for (int32_t y = 0; y < 12; ++y) {
            for (int32_t x = 0; x < 16; ++x) {
                bool inked = x >= c.inked.left && x < c.inked.right && y >= c.inked.top && y < c.inked.bottom;
                wrong += pixels[size_t(y * 16 + x)] != (inked ? 0xFF0000u : white);
            }
        }
        EXPECT_EQ(wrong, 0) << c.what;
    }
}

struct Probe {
    int32_t x, y;
    uint32_t rgb;
};

TEST(GraphicsShapes, AreDrawnInTheForeColourOnTheirRectangle)
{
    constexpr uint32_t ink = 0x00A000;
    struct Case {
        const char* what;
        void (*draw)(ObjectHeader* g);
        std::vector<Probe> probes;
    };
    const Case cases[] = {
        {"DrawRect runs through all four corners",
         [](ObjectHeader* g) { RuntimeGraphicsDrawRect(g, 2, 2, 10, 6); },
         {{2, 2, ink}, {12, 2, ink}, {12, 8, ink}, {2, 8, ink}, {7, 5, white}, {13, 8, white}, {12, 9, white}}},
        {"FillRect fills width by height",
         [](ObjectHeader* g) { RuntimeGraphicsFillRect(g, 2, 2, 10, 6); },
         {{2, 2, ink}, {11, 7, ink}, {12, 7, white}, {11, 8, white}, {1, 2, white}}},
        {"ClearRect leaves the picture's white",
         [](ObjectHeader* g) {
             RuntimeGraphicsFillRect(g, 0, 0, 20, 12);
             RuntimeGraphicsClearRect(g, 4, 4, 4, 4);
         },
         {{3, 4, ink}, {4, 4, white}, {7, 7, white}, {8, 7, ink}}},
        {"DrawOval is a ring",
         [](ObjectHeader* g) { RuntimeGraphicsDrawOval(g, 2, 1, 14, 10); },
         {{8, 6, white}, {2, 6, ink}, {8, 1, ink}, {2, 1, white}, {15, 10, white}}},
        {"FillOval leaves its corners",
         [](ObjectHeader* g) { RuntimeGraphicsFillOval(g, 2, 1, 14, 10); },
         {{8, 6, ink}, {2, 6, ink}, {2, 1, white}, {15, 10, white}}},
        {"DrawRoundRect rounds its corners",
         [](ObjectHeader* g) { RuntimeGraphicsDrawRoundRect(g, 1, 1, 18, 10, 8, 8); },
         {{10, 1, ink}, {1, 6, ink}, {10, 6, white}, {1, 1, white}}},
        {"FillRoundRect fills inside the rounded corners",
         [](ObjectHeader* g) { RuntimeGraphicsFillRoundRect(g, 1, 1, 18, 10, 8, 8); },
         {{10, 6, ink}, {1, 6, ink}, {1, 1, white}, {18, 10, white}}},
        {"Pixel sets one pixel",
         [](ObjectHeader* g) { graphicsPixelSetter(g, 5, 6, 0x123456); },
         {{5, 6, 0x123456}, {4, 6, white}, {5, 5, white}}},
    };
    for (const Case& c : cases) {
        Surface surface(20, 12);
        graphicsForeColorSetter(surface.g(), 0, int32_t(ink));
        c.draw(surface.g());
        for (const Probe& probe : c.probes)
            EXPECT_EQ(surface.at(probe.x, probe.y), probe.rgb) << c.what << " at " << probe.x << "," << probe.y;
    }
}

TEST(GraphicsShapes, PixelReadsBackTheColourAndBlackOutside)
{
    Surface surface(8, 8);
    graphicsPixelSetter(surface.g(), 3, 4, 0xC08040);
    EXPECT_EQ(graphicsPixelGetter(surface.g(), 3, 4), 0xC08040);
    EXPECT_EQ(graphicsPixelGetter(surface.g(), 0, 0), int32_t(white));
    EXPECT_EQ(graphicsPixelGetter(surface.g(), 100, 100), 0);
}

TEST(GraphicsShapes, TheThreeIconsAreDrawnAtTheirPoint)
{
    for (auto draw : {graphicsDrawStopIcon, graphicsDrawNoteIcon, graphicsDrawCautionIcon}) {
        Surface surface(48, 48);
        draw(surface.g(), 8, 8);
        std::vector<uint32_t> pixels = surface.pixels();
        int32_t inside = 0, outside = 0;
        for (int32_t y = 0; y < 48; ++y) {
            for (int32_t x = 0; x < 48; ++x) {
                bool within =
                    x >= 8 && x < 8 + GetSystemMetrics(SM_CXICON) && y >= 8 && y < 8 + GetSystemMetrics(SM_CYICON);
                (within ? inside : outside) += pixels[size_t(y * 48 + x)] != white;
            }
        }
        EXPECT_GT(inside, 50);
        EXPECT_EQ(outside, 0);
    }
}

// A 4 x 3 picture whose pixels all differ.
uint16_t sourcePixel(int32_t x, int32_t y)
{
    return uint16_t((x * 7 + 1) << 10 | (y * 9 + 3) << 5 | (x + y * 4));
}

std::vector<uint8_t> sourceForm()
{
    std::vector<uint16_t> pixels;
    for (int32_t y = 0; y < 3; ++y) {
        for (int32_t x = 0; x < 4; ++x)
            pixels.push_back(sourcePixel(x, y));
    }
    return testPictureForm(4, 3, pixels);
}

TEST(GraphicsPictures, MinusTenThousandStandsForTheSizeNotGiven)
{
    struct Case {
        const char* what;
        int32_t x, y, width, height, sourceX, sourceY, sourceWidth, sourceHeight;
        // where the destination pixel (x + i, y + j) comes from: source (sx + i / scale, ...)
        int32_t copiedWidth, copiedHeight, fromX, fromY, scale;
    };
    const Case cases[] = {
        {"all sizes left out: the picture at its size", 2, 1, ownSize, ownSize, 0, 0, ownSize, ownSize, 4, 3, 0, 0, 1},
        {"a destination alone: a source of its size", 3, 3, 2, 2, 1, 1, ownSize, ownSize, 2, 2, 1, 1, 1},
        {"both sizes: stretched", 0, 0, 8, 6, 0, 0, 4, 3, 8, 6, 0, 0, 2},
    };
    Surface source(sourceForm(), 0);
    for (const Case& c : cases) {
        Surface surface(10, 8);
        RuntimeGraphicsDrawPicture(surface.g(), source.asPicture(), c.x, c.y, c.width, c.height, c.sourceX, c.sourceY,
                                   c.sourceWidth, c.sourceHeight);
        for (int32_t j = 0; j < c.copiedHeight; ++j) {
            for (int32_t i = 0; i < c.copiedWidth; ++i) {
                uint16_t from = sourcePixel(c.fromX + i / c.scale, c.fromY + j / c.scale);
                EXPECT_EQ(surface.at(c.x + i, c.y + j), pictureRgbFrom555(from)) << c.what << " at " << i << "," << j;
            }
        }
        EXPECT_EQ(surface.at(c.x + c.copiedWidth, c.y), white) << c.what;
    }
}

TEST(GraphicsPictures, ATransparentPictureLeavesTheBackgroundUnderItsWhite)
{
    std::vector<uint16_t> pixels = {0x7C00, white555, white555, 0x001F};
    Surface transparent(testPictureForm(2, 2, pixels), 1);
    Surface opaque(testPictureForm(2, 2, pixels), 0);
    for (auto [picture, showsThrough] : {std::pair{&transparent, true}, {&opaque, false}}) {
        Surface surface(4, 4);
        graphicsForeColorSetter(surface.g(), 0, 0x00FF00);
        RuntimeGraphicsFillRect(surface.g(), 0, 0, 4, 4);
        RuntimeGraphicsDrawPicture(surface.g(), picture->asPicture(), 1, 1, ownSize, ownSize, 0, 0, ownSize, ownSize);
        EXPECT_EQ(surface.at(1, 1), 0xFF0000u);
        EXPECT_EQ(surface.at(2, 2), 0x0000FFu);
        EXPECT_EQ(surface.at(2, 1), showsThrough ? 0x00FF00u : white);
        EXPECT_EQ(surface.at(0, 0), 0x00FF00u);
    }
}

// A bitmap can be selected in one device context at a time: the picture's own Graphics holds
// its image, and the picture drawn elsewhere meanwhile still shows.
TEST(GraphicsPictures, APictureBeingDrawnIntoCanBeDrawnElsewhere)
{
    Surface drawnInto(6, 6);
    graphicsForeColorSetter(drawnInto.g(), 0, 0x0000FF);
    RuntimeGraphicsFillRect(drawnInto.g(), 0, 0, 3, 6);
    Surface target(6, 6);
    RuntimeGraphicsDrawPicture(target.g(), drawnInto.asPicture(), 0, 0, ownSize, ownSize, 0, 0, ownSize, ownSize);
    EXPECT_EQ(target.at(1, 1), 0x0000FFu);
    EXPECT_EQ(target.at(4, 1), white);
    RuntimeGraphicsDrawPicture(drawnInto.g(), drawnInto.asPicture(), 3, 0, 3, 6, 0, 0, ownSize, ownSize);
    EXPECT_EQ(drawnInto.at(4, 1), 0x0000FFu) << "a picture drawn onto itself";
}

TEST(GraphicsPictures, NothingIsDrawnForNilOrUndecodablePictures)
{
    std::vector<uint8_t> damaged = testPictureFormFilled(3, 3, 0);
    damaged[12] = 1; // a byte count that does not match the rows
    Surface undecodable(damaged, 0);
    EXPECT_EQ(graphicsWidthGetter(undecodable.g(), 0), 0);
    RuntimeGraphicsFillRect(undecodable.g(), 0, 0, 3, 3);

    Surface surface(4, 4);
    RuntimeGraphicsDrawPicture(surface.g(), nullptr, 0, 0, ownSize, ownSize, 0, 0, ownSize, ownSize);
    RuntimeGraphicsDrawPicture(surface.g(), undecodable.asPicture(), 0, 0, ownSize, ownSize, 0, 0, ownSize, ownSize);
    RuntimeGraphicsDrawPicture(surface.g(), surface.g(), 0, 0, 4, 4, 0, 0, 4, 4);
    EXPECT_EQ(surface.pixels(), std::vector<uint32_t>(16, white));
    EXPECT_EQ(pictureGraphicsGetter(nullptr, 0), nullptr);
}

// Every operation takes Nil for the Graphics (and a Graphics whose owner gave it nothing to
// draw on) and does nothing.
TEST(GraphicsOwners, NothingIsDrawnWithoutADeviceContext)
{
    Reference reference(4, 4);
    ObjectRef lent(graphicsNew(graphicsOwnerLending(nullptr, reference.dc), {0, 0, 4, 4, RGB(255, 255, 255)}));
    ObjectRef noWindow(graphicsNew(graphicsOwnerOfWindow(nullptr, nullptr), {0, 0, 4, 4, RGB(255, 255, 255)}));
    graphicsForeColorSetter(lent.get(), 0, 0xFF0000);
    graphicsPixelSetter(lent.get(), 0, 0, 0x0000FF);
    EXPECT_EQ(reference.pixels()[0], 0x0000FFu) << "drawn while lent";
    graphicsDetach(lent.get());
    StringRef drawn = text("Text");
    for (ObjectHeader* g : {lent.get(), noWindow.get(), static_cast<ObjectHeader*>(nullptr)}) {
        RuntimeGraphicsDrawString(g, drawn.get(), 0, 10, 0);
        RuntimeGraphicsFillRect(g, 0, 0, 4, 4);
        RuntimeGraphicsDrawLine(g, 0, 1, 3, 1);
        RuntimeGraphicsFillOval(g, 0, 0, 4, 4);
        graphicsPixelSetter(g, 1, 1, 0);
        graphicsDrawStopIcon(g, 0, 0);
        RuntimeGraphicsNextPage(g);
        EXPECT_EQ(RuntimeGraphicsStringWidth(g, drawn.get()), 0);
        EXPECT_EQ(RuntimeGraphicsTextHeight(g), 0);
        EXPECT_EQ(graphicsPixelGetter(g, 0, 0), 0);
    }
    std::vector<uint32_t> expected(16, white);
    expected[0] = 0x0000FF;
    EXPECT_EQ(reference.pixels(), expected);
}

} // namespace
