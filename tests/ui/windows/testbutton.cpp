// A push button for window tests: a native "BUTTON" pane that takes focus, Return and clicks,
// raising Action. Its Name decides whether it is the default ("OK") or cancel ("Cancel") button.
#include "tests/ui/windows/testbutton.h"

#include "tests/ui/windows/windowtesting.h"
#include "ui/windows/events.h"
#include "ui/windows/nativewindow.h"
#include "ui/windows/pane.h"

#include <cstring>

namespace {

class TestButtonPane : public Pane {
public:
    TestButtonPane(ObjectHeader* control, HWND parent) : Pane(control, asRectControl(control)->bounds)
    {
        windowHandle = CreateWindowExA(0, "BUTTON", stringText(asControl(control)->name),
                                       WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, paneBounds.left, paneBounds.top,
                                       paneBounds.width(), paneBounds.height(), parent, nullptr, nullptr, nullptr);
        SetPropA(windowHandle, "VXInstance", control);
    }
    ~TestButtonPane() override { RemovePropA(windowHandle, "VXInstance"); }

    bool acceptsFocus() const override { return true; }
    bool takesReturn() const override { return true; }
    bool isDefaultButton() const override { return nameIs("OK"); }
    bool isCancelButton() const override { return nameIs("Cancel"); }
    void push() override { raiseEvent(control(), "Action"); }
    void command(int32_t code) override
    {
        if (code == BN_CLICKED)
            push();
    }

private:
    bool nameIs(const char* name) const { return strcmp(stringText(asControl(control())->name), name) == 0; }
};

int32_t createButtonPane(ObjectHeader* control)
{
    ControlObject* base = asControl(control);
    if (base->window && base->window->native && !base->pane)
        base->pane = new TestButtonPane(control, base->window->native->handle);
    return 0;
}

} // namespace

int32_t testButtonClass()
{
    static int32_t index = -1;
    if (index < 0) {
        int32_t withPane =
            testClass(BuiltinClassId::PushButton, {{"CreatePane", reinterpret_cast<void*>(createButtonPane)}});
        index = testClass(testClassAt(withPane), {{"Action", reinterpret_cast<void*>(recordPlain<"Action">)}});
    }
    return index;
}
