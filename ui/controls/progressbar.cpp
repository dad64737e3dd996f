// ProgressBar: a native progress bar ("msctls_progress32") showing Value between Minimum and
// Maximum.
#include "ui/controls/controlkinds.h"
#include "ui/controls/rangeobject.h"
#include "ui/windows/fieldaccessors.h"
#include "ui/windows/nativepane.h"

#include <commctrl.h>

namespace {

class ProgressBarPane : public NativePane {
public:
    using NativePane::NativePane;

    void open(NativeWindow* native) override
    {
        nativeEnsureCommonControls();
        DWORD style = rangeIsVertical(control()) ? PBS_VERTICAL : 0;
        if (createControl(native, PROGRESS_CLASSA, style, 0, ""))
            propertiesChanged();
    }
    bool acceptsFocus() const override { return false; }
    void propertiesChanged() override
    {
        const RangeObject* range = asRange(control());
        SendMessageA(windowHandle, PBM_SETRANGE32, range->minimum, range->maximum);
        SendMessageA(windowHandle, PBM_SETPOS, range->value, 0);
    }
};

} // namespace

void progressBarSetUpClass(ClassDescriptor* cls)
{
    rangeDeclareProperties(cls);
    classAddRuntimeHandler(cls, "CreatePane", accessor(createNativePane<ProgressBarPane>));
}
