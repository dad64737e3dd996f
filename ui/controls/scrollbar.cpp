// ScrollBar: a native "SCROLLBAR", upright when taller than wide; its arrows move the value by
// LineStep, the track by PageStep, the thumb to where it is dragged; each move raises
// ValueChanged.
#include "ui/controls/controlkinds.h"
#include "ui/controls/rangeobject.h"
#include "ui/windows/fieldaccessors.h"
#include "ui/windows/nativepane.h"

#include <cstddef>

namespace {

struct ScrollBarObject {
    RangeObject range;
    int32_t lineStep;
    int32_t pageStep;
};
static_assert(sizeof(ScrollBarObject) <= 124, "the ScrollBar class is 124 bytes");

ScrollBarObject* asScrollBar(ObjectHeader* object)
{
    return reinterpret_cast<ScrollBarObject*>(object);
}

class ScrollBarPane : public NativePane {
public:
    using NativePane::NativePane;

    bool usesArrowKeys() const override { return true; }
    void open(NativeWindow* native) override
    {
        DWORD style = WS_TABSTOP | (rangeIsVertical(control()) ? SBS_VERT : SBS_HORZ);
        if (createControl(native, "SCROLLBAR", style, 0, ""))
            propertiesChanged();
    }
    void propertiesChanged() override
    {
        const RangeObject& range = asScrollBar(control())->range;
        SCROLLINFO info = {sizeof info, SIF_RANGE | SIF_POS, range.minimum, range.maximum, 0, range.value, 0};
        SetScrollInfo(windowHandle, SB_CTL, &info, TRUE);
    }
    void scroll(bool, int32_t code) override
    {
        const ScrollBarObject* bar = asScrollBar(control());
        int32_t value = bar->range.value;
        switch (code) {
        case SB_LINEUP:
            value -= bar->lineStep;
            break;
        case SB_LINEDOWN:
            value += bar->lineStep;
            break;
        case SB_PAGEUP:
            value -= bar->pageStep;
            break;
        case SB_PAGEDOWN:
            value += bar->pageStep;
            break;
        case SB_TOP:
            value = bar->range.minimum;
            break;
        case SB_BOTTOM:
            value = bar->range.maximum;
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            value = trackedPosition();
            break;
        default:
            return;
        }
        value = value < bar->range.minimum   ? bar->range.minimum
                : value > bar->range.maximum ? bar->range.maximum
                                             : value;
        rangeValueChosen(control(), value);
        propertiesChanged();
    }

private:
    int32_t trackedPosition() const
    {
        SCROLLINFO info = {sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
        GetScrollInfo(windowHandle, SB_CTL, &info);
        return info.nTrackPos;
    }
};

// Steps of 1 and 20 unless the template says otherwise.
void initScrollBar(ObjectHeader* object, ClassDescriptor*)
{
    asScrollBar(object)->lineStep = 1;
    asScrollBar(object)->pageStep = 20;
    asScrollBar(object)->range.maximum = 100;
}

} // namespace

void scrollBarSetUpClass(ClassDescriptor* cls)
{
    cls->constructor = initScrollBar;
    rangeDeclareProperties(cls);
    void* const getter = accessor(integerFieldGetter);
    void* const setter = accessor(integerFieldSetter);
    classDeclareProperties(cls, {
                                    {"LineStep", getter, setter, offsetof(ScrollBarObject, lineStep), propertyInteger},
                                    {"PageStep", getter, setter, offsetof(ScrollBarObject, pageStep), propertyInteger},
                                });
    classAddRuntimeHandler(cls, "CreatePane", accessor(createNativePane<ScrollBarPane>));
}
