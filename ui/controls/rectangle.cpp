// Rectangle: a filled rectangle with a border, its top and left edges in one colour and its
// bottom and right edges in another.
#include "ui/controls/controlkinds.h"
#include "ui/controls/shapedrawing.h"
#include "ui/windows/fieldaccessors.h"

#include <cstddef>

namespace {

struct RectangleObject {
    RectControlObject rect;
    int32_t fillColor;
    int32_t borderWidth;
    int32_t topLeftColor;
    int32_t bottomRightColor;
};
static_assert(sizeof(RectangleObject) <= 116, "the Rectangle class is 116 bytes");

void fillStrip(HDC dc, RECT strip, int32_t rgb)
{
    OwnedBrush brush(CreateSolidBrush(colorRefFromRgb(rgb)));
    FillRect(dc, &strip, brush.get());
}

class RectanglePane : public DrawnPane {
public:
    using DrawnPane::DrawnPane;

protected:
    void drawContent(HDC dc) override
    {
        const auto* shape = reinterpret_cast<const RectangleObject*>(control());
        int32_t width = paneBounds.width(), height = paneBounds.height();
        int32_t border = shape->borderWidth;
        fillStrip(dc, {0, 0, width, height}, shape->fillColor);
        if (border <= 0)
            return;
        fillStrip(dc, {0, 0, width, border}, shape->topLeftColor);
        fillStrip(dc, {0, 0, border, height}, shape->topLeftColor);
        fillStrip(dc, {0, height - border, width, height}, shape->bottomRightColor);
        fillStrip(dc, {width - border, 0, width, height}, shape->bottomRightColor);
    }
};

} // namespace

void rectangleSetUpClass(ClassDescriptor* cls)
{
    void* const getter = accessor(integerFieldGetter);
    void* const setter = accessor(controlIntegerSetter);
    classDeclareProperties(
        cls, {
                 {"FillColor", getter, setter, offsetof(RectangleObject, fillColor), propertyColor},
                 {"BorderWidth", getter, setter, offsetof(RectangleObject, borderWidth), propertyInteger},
                 {"TopLeftColor", getter, setter, offsetof(RectangleObject, topLeftColor), propertyColor},
                 {"BottomRightColor", getter, setter, offsetof(RectangleObject, bottomRightColor), propertyColor},
             });
    classAddRuntimeHandler(cls, "CreatePane", accessor(createDrawnPane<RectanglePane>));
}
