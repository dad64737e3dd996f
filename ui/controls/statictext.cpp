// StaticText: text drawn by the runtime in its font and colour, one block when multi-line,
// else line by line at the line ends, each line aligned left, centred or right.
#include "graphics/fontcache.h"
#include "graphics/gdiobjects.h"
#include "graphics/textblock.h"
#include "ui/controls/controlkinds.h"
#include "ui/windows/fieldaccessors.h"

#include <cstddef>
#include <string_view>

namespace {

struct StaticTextObject {
    RectControlObject rect;
    StringRecord* text; // Text and Caption are the same value
    StringRecord* textFont;
    int32_t textAlign; // 0 left, 1 centred, 2 right
    int32_t textColor; // 0xRRGGBB
    int16_t textSize;
    uint8_t bold;
    uint8_t italic;
    uint8_t underline;
    uint8_t multiLine;
};
static_assert(sizeof(StaticTextObject) <= 124, "the StaticText class is 124 bytes");

StaticTextObject* asStaticText(ObjectHeader* object)
{
    return reinterpret_cast<StaticTextObject*>(object);
}

// Disabled text is drawn in a muted tone: each 16-bit component c becomes (c + 98304) / 4.
int32_t mutedComponent(int32_t component8)
{
    return ((component8 * 257 + 98304) / 4) >> 8;
}

COLORREF textColorOf(const StaticTextObject* text, bool enabled)
{
    int32_t rgb = text->textColor;
    int32_t red = (rgb >> 16) & 0xFF, green = (rgb >> 8) & 0xFF, blue = rgb & 0xFF;
    if (!enabled)
        return RGB(mutedComponent(red), mutedComponent(green), mutedComponent(blue));
    return RGB(red, green, blue);
}

// The font of the control's description.
HFONT textFont(const StaticTextObject* text)
{
    return fontAcquire(text->textFont ? stringText(text->textFont) : "System", text->textSize, text->bold != 0,
                       text->italic != 0, text->underline != 0);
}

int32_t alignedX(HDC dc, std::string_view line, int32_t align, int32_t width)
{
    if (align != 1 && align != 2)
        return 0;
    SIZE extent = {};
    GetTextExtentPoint32A(dc, line.data(), static_cast<int>(line.size()), &extent);
    return align == 1 ? (width - extent.cx) / 2 : width - extent.cx;
}

// An empty line still takes its height.
void drawLines(HDC dc, std::string_view text, int32_t align, int32_t width)
{
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    int32_t y = 0;
    textForEachLine(text, [&](std::string_view line) {
        if (!line.empty())
            TextOutA(dc, alignedX(dc, line, align, width), y, line.data(), static_cast<int>(line.size()));
        y += metrics.tmHeight + metrics.tmExternalLeading;
    });
}

void drawBlock(HDC dc, std::string_view text, int32_t align, const PaneRect& bounds)
{
    TextBlockAlign blockAlign = align == 1   ? TextBlockAlign::centre
                                : align == 2 ? TextBlockAlign::right
                                             : TextBlockAlign::left;
    textBlockDraw(dc, text, {0, 0, bounds.width(), bounds.height()}, blockAlign);
}

class StaticTextPane : public DrawnPane {
public:
    using DrawnPane::DrawnPane;

protected:
    void drawContent(HDC dc) override
    {
        const StaticTextObject* text = asStaticText(control());
        if (!isVisible || !text->text)
            return;
        HeldFont font(textFont(text));
        Selection selected(dc, font.get());
        SetBkMode(dc, TRANSPARENT);
        SetTextAlign(dc, TA_LEFT | TA_TOP);
        COLORREF previous = SetTextColor(dc, textColorOf(text, isEnabled));
        std::string_view content(stringText(text->text), stringLength(text->text));
        if (text->multiLine)
            drawBlock(dc, content, text->textAlign, paneBounds);
        else
            drawLines(dc, content, text->textAlign, paneBounds.width());
        SetTextColor(dc, previous);
    }
};

void destroyStaticText(ObjectHeader* object, ClassDescriptor*)
{
    RuntimeUnlockString(asStaticText(object)->text);
    RuntimeUnlockString(asStaticText(object)->textFont);
}

} // namespace

extern "C" StringRecord* staticCaptionGetter(ObjectHeader* text, int32_t)
{
    return text ? RuntimeLockString(asStaticText(text)->text) : nullptr;
}

extern "C" void staticCaptionSetter(ObjectHeader* text, int32_t, StringRecord* caption)
{
    controlStringSetter(text, offsetof(StaticTextObject, text), caption);
}

void staticTextSetUpClass(ClassDescriptor* cls)
{
    cls->destructor = destroyStaticText;
    void* const booleanGetter = accessor(booleanFieldGetter);
    void* const booleanSetter = accessor(controlBooleanSetter);
    void* const integerGetter = accessor(integerFieldGetter);
    void* const integerSetter = accessor(controlIntegerSetter);
    classDeclareProperties(
        cls, {
                 {"TextFont", accessor(stringGetter), accessor(controlStringSetter),
                  offsetof(StaticTextObject, textFont), propertyString},
                 {"TextSize", accessor(shortFieldGetter), accessor(controlShortSetter),
                  offsetof(StaticTextObject, textSize), propertyInteger},
                 {"Bold", booleanGetter, booleanSetter, offsetof(StaticTextObject, bold), propertyBoolean},
                 {"Italic", booleanGetter, booleanSetter, offsetof(StaticTextObject, italic), propertyBoolean},
                 {"Underline", booleanGetter, booleanSetter, offsetof(StaticTextObject, underline), propertyBoolean},
                 {"Text", accessor(staticCaptionGetter), accessor(staticCaptionSetter), 0, propertyString},
                 {"Caption", accessor(staticCaptionGetter), accessor(staticCaptionSetter), 0, propertyString},
                 {"TextAlign", integerGetter, integerSetter, offsetof(StaticTextObject, textAlign), propertyInteger},
                 {"TextColor", integerGetter, integerSetter, offsetof(StaticTextObject, textColor), propertyColor},
                 {"MultiLine", booleanGetter, booleanSetter, offsetof(StaticTextObject, multiLine), propertyBoolean},
             });
    classAddRuntimeHandler(cls, "CreatePane", accessor(createDrawnPane<StaticTextPane>));
}
