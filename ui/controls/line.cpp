// Line: drawn between two points in the window; its pane covers the two points and the pen.
#include "ui/controls/controlkinds.h"
#include "ui/controls/shapedrawing.h"
#include "ui/windows/controlproperties.h"
#include "ui/windows/fieldaccessors.h"

#include <algorithm>
#include <cstddef>

namespace {

struct LineObject {
    RectControlObject rect;
    int32_t x1;
    int32_t y1;
    int32_t x2;
    int32_t y2;
    int32_t borderWidth;
    int32_t borderColor;
};
static_assert(sizeof(LineObject) <= 120, "the Line class is 120 bytes");

LineObject* asLine(ObjectHeader* object)
{
    return reinterpret_cast<LineObject*>(object);
}

// The rectangle the line's pen can touch.
PaneRect lineBounds(const LineObject* line)
{
    int32_t reach = std::max(line->borderWidth, 1);
    return {static_cast<int16_t>(std::min(line->y1, line->y2) - reach),
            static_cast<int16_t>(std::min(line->x1, line->x2) - reach),
            static_cast<int16_t>(std::max(line->y1, line->y2) + reach + 1),
            static_cast<int16_t>(std::max(line->x1, line->x2) + reach + 1)};
}

class LinePane : public DrawnPane {
public:
    using DrawnPane::DrawnPane;

protected:
    void drawContent(HDC dc) override
    {
        const LineObject* line = asLine(control());
        OwnedPen pen(CreatePen(PS_SOLID, std::max(line->borderWidth, 1), colorRefFromRgb(line->borderColor)));
        Selection selected(dc, pen.get());
        MoveToEx(dc, line->x1 - paneBounds.left, line->y1 - paneBounds.top, nullptr);
        LineTo(dc, line->x2 - paneBounds.left, line->y2 - paneBounds.top);
    }
};

void placeLine(ObjectHeader* object)
{
    LineObject* line = asLine(object);
    line->rect.bounds = lineBounds(line);
    if (Pane* pane = line->rect.control.pane)
        pane->setBounds(line->rect.bounds);
}

} // namespace

// Coordinates and the pen move the line's rectangle with them.
extern "C" void lineCoordinateSetter(ObjectHeader* line, int32_t offset, int32_t value)
{
    if (!line)
        return;
    integerFieldSetter(line, offset, value);
    placeLine(line);
}

void lineSetUpClass(ClassDescriptor* cls)
{
    void* const getter = accessor(integerFieldGetter);
    void* const setter = accessor(lineCoordinateSetter);
    classDeclareProperties(
        cls,
        {
            {"X1", getter, setter, offsetof(LineObject, x1), propertyInteger},
            {"Y1", getter, setter, offsetof(LineObject, y1), propertyInteger},
            {"X2", getter, setter, offsetof(LineObject, x2), propertyInteger},
            {"Y2", getter, setter, offsetof(LineObject, y2), propertyInteger},
            {"BorderWidth", getter, setter, offsetof(LineObject, borderWidth), propertyInteger},
            {"BorderColor", getter, accessor(controlIntegerSetter), offsetof(LineObject, borderColor), propertyColor},
            {"Visible", accessor(controlVisibleGetter), accessor(ControlVisibleSetter), 0, propertyBoolean},
        });
    classAddRuntimeHandler(cls, "CreatePane", accessor(createDrawnPane<LinePane>));
}
