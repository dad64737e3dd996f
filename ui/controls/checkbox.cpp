// CheckBox: a native "BUTTON" that checks and unchecks itself when clicked, raising Action.
#include "ui/controls/buttonobject.h"
#include "ui/controls/controlkinds.h"
#include "ui/windows/controlaccessors.h"
#include "ui/windows/events.h"
#include "ui/windows/fieldaccessors.h"
#include "ui/windows/nativepane.h"

namespace {

class CheckBoxPane : public NativePane {
public:
    using NativePane::NativePane;

    void open(NativeWindow* native) override
    {
        const ButtonObject* box = asButton(control());
        if (!createControl(native, "BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0, stringText(box->caption)))
            return;
        setFont(buttonFont(control()));
        SendMessageA(windowHandle, BM_SETCHECK, box->value ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    void push() override { SendMessageA(windowHandle, BM_CLICK, 0, 0); }
    void command(int32_t code) override
    {
        if (code != BN_CLICKED)
            return;
        asButton(control())->value = SendMessageA(windowHandle, BM_GETCHECK, 0, 0) == BST_CHECKED;
        raiseEvent(control(), "Action");
    }
};

} // namespace

extern "C" int32_t checkBoxValueGetter(ObjectHeader* box, int32_t)
{
    return buttonChecked(box) ? 1 : 0;
}

extern "C" void checkBoxValueSetter(ObjectHeader* box, int32_t, int32_t value)
{
    if (!box)
        return;
    asButton(box)->value = (value & 0xFF) != 0;
    if (Pane* pane = paneOfControl(box); pane && pane->handle())
        SendMessageA(pane->handle(), BM_SETCHECK, asButton(box)->value ? BST_CHECKED : BST_UNCHECKED, 0);
}

void checkBoxSetUpClass(ClassDescriptor* cls)
{
    buttonDeclareCaption(cls);
    classDeclareProperties(
        cls, {
                 {"Value", accessor(checkBoxValueGetter), accessor(checkBoxValueSetter), 0, propertyBoolean},
             });
    classAddRuntimeHandler(cls, "CreatePane", accessor(createNativePane<CheckBoxPane>));
}
