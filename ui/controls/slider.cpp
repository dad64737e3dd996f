// Slider: a native trackbar ("msctls_trackbar32"); moving it raises ValueChanged.
#include "ui/controls/controlkinds.h"
#include "ui/controls/rangeobject.h"
#include "ui/windows/fieldaccessors.h"
#include "ui/windows/nativepane.h"

#include <commctrl.h>

namespace {

class SliderPane : public NativePane {
public:
    using NativePane::NativePane;

    bool usesArrowKeys() const override { return true; }
    void open(NativeWindow* native) override
    {
        nativeEnsureCommonControls();
        DWORD style = WS_TABSTOP | (rangeIsVertical(control()) ? TBS_VERT : TBS_HORZ);
        if (createControl(native, TRACKBAR_CLASSA, style, 0, ""))
            propertiesChanged();
    }
    void propertiesChanged() override
    {
        const RangeObject* range = asRange(control());
        SendMessageA(windowHandle, TBM_SETRANGEMIN, FALSE, range->minimum);
        SendMessageA(windowHandle, TBM_SETRANGEMAX, FALSE, range->maximum);
        SendMessageA(windowHandle, TBM_SETPOS, TRUE, range->value);
    }
    void scroll(bool, int32_t) override
    {
        rangeValueChosen(control(), static_cast<int32_t>(SendMessageA(windowHandle, TBM_GETPOS, 0, 0)));
    }
};

} // namespace

void sliderSetUpClass(ClassDescriptor* cls)
{
    rangeDeclareProperties(cls);
    classAddRuntimeHandler(cls, "CreatePane", accessor(createNativePane<SliderPane>));
}
