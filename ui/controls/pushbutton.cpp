// PushButton: a native "BUTTON" that raises Action when clicked, and when Return pushes it as
// the window's default button or Escape as its cancel button.
#include "ui/controls/buttonobject.h"
#include "ui/controls/controlkinds.h"
#include "ui/windows/events.h"
#include "ui/windows/fieldaccessors.h"
#include "ui/windows/nativepane.h"

#include <cstddef>

namespace {

class PushButtonPane : public NativePane {
public:
    using NativePane::NativePane;

    void open(NativeWindow* native) override
    {
        const ButtonObject* button = asButton(control());
        DWORD style = WS_TABSTOP | (button->isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        if (createControl(native, "BUTTON", style, 0, stringText(button->caption)))
            setFont(buttonFont(control()));
    }
    bool takesReturn() const override { return true; }
    bool isDefaultButton() const override { return asButton(control())->isDefault != 0; }
    bool isCancelButton() const override { return asButton(control())->isCancel != 0; }
    void push() override { raiseEvent(control(), "Action"); }
    void showPressed(bool pressed) override { SendMessageA(handle(), BM_SETSTATE, pressed, 0); }
    void command(int32_t code) override
    {
        if (code == BN_CLICKED)
            push();
    }
};

} // namespace

void pushButtonSetUpClass(ClassDescriptor* cls)
{
    buttonDeclareCaption(cls);
    void* const booleanGetter = accessor(booleanFieldGetter);
    void* const booleanSetter = accessor(booleanFieldSetter);
    classDeclareProperties(
        cls, {
                 {"Default", booleanGetter, booleanSetter, offsetof(ButtonObject, isDefault), propertyBoolean},
                 {"Cancel", booleanGetter, booleanSetter, offsetof(ButtonObject, isCancel), propertyBoolean},
             });
    classAddRuntimeHandler(cls, "CreatePane", accessor(createNativePane<PushButtonPane>));
}
