// Oval: a filled ellipse inside the control's rectangle, with a border.
#include "ui/controls/controlkinds.h"
#include "ui/controls/shapedrawing.h"
#include "ui/windows/fieldaccessors.h"

#include <cstddef>

namespace {

struct OvalObject {
    RectControlObject rect;
    int32_t fillColor;
    int32_t borderWidth;
    int32_t borderColor;
};
static_assert(sizeof(OvalObject) <= 116, "the Oval class is 116 bytes");

class OvalPane : public DrawnPane {
public:
    using DrawnPane::DrawnPane;

protected:
    void drawContent(HDC dc) override
    {
        const auto* shape = reinterpret_cast<const OvalObject*>(control());
        int32_t width = paneBounds.width(), height = paneBounds.height();
        drawFramedShape(dc, shape->fillColor, shape->borderWidth, shape->borderColor,
                        [&](HDC target) { Ellipse(target, 0, 0, width, height); });
    }
};

} // namespace

void ovalSetUpClass(ClassDescriptor* cls)
{
    void* const getter = accessor(integerFieldGetter);
    void* const setter = accessor(controlIntegerSetter);
    classDeclareProperties(cls, {
                                    {"FillColor", getter, setter, offsetof(OvalObject, fillColor), propertyColor},
                                    {"BorderWidth", getter, setter, offsetof(OvalObject, borderWidth), propertyInteger},
                                    {"BorderColor", getter, setter, offsetof(OvalObject, borderColor), propertyColor},
                                });
    classAddRuntimeHandler(cls, "CreatePane", accessor(createDrawnPane<OvalPane>));
}
