// RoundRectangle: a filled rectangle with rounded corners and a border.
#include "ui/controls/controlkinds.h"
#include "ui/controls/shapedrawing.h"
#include "ui/windows/fieldaccessors.h"

#include <cstddef>

namespace {

struct RoundRectangleObject {
    RectControlObject rect;
    int32_t fillColor;
    int32_t borderWidth;
    int32_t borderColor;
    int32_t ovalWidth; // width and height of the ellipse that rounds the corners
    int32_t ovalHeight;
};
static_assert(sizeof(RoundRectangleObject) <= 124, "the RoundRectangle class is 124 bytes");

class RoundRectanglePane : public DrawnPane {
public:
    using DrawnPane::DrawnPane;

protected:
    void drawContent(HDC dc) override
    {
        const auto* shape = reinterpret_cast<const RoundRectangleObject*>(control());
        int32_t width = paneBounds.width(), height = paneBounds.height();
        drawFramedShape(dc, shape->fillColor, shape->borderWidth, shape->borderColor, [&](HDC target) {
            RoundRect(target, 0, 0, width, height, shape->ovalWidth, shape->ovalHeight);
        });
    }
};

} // namespace

void roundRectangleSetUpClass(ClassDescriptor* cls)
{
    void* const getter = accessor(integerFieldGetter);
    void* const setter = accessor(controlIntegerSetter);
    classDeclareProperties(
        cls, {
                 {"FillColor", getter, setter, offsetof(RoundRectangleObject, fillColor), propertyColor},
                 {"BorderWidth", getter, setter, offsetof(RoundRectangleObject, borderWidth), propertyInteger},
                 {"BorderColor", getter, setter, offsetof(RoundRectangleObject, borderColor), propertyColor},
                 {"OvalWidth", getter, setter, offsetof(RoundRectangleObject, ovalWidth), propertyInteger},
                 {"OvalHeight", getter, setter, offsetof(RoundRectangleObject, ovalHeight), propertyInteger},
             });
    classAddRuntimeHandler(cls, "CreatePane", accessor(createDrawnPane<RoundRectanglePane>));
}
