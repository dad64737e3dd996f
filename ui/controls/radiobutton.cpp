// RadioButton: a native "BUTTON"; clicking it checks it, unchecks the radio buttons that share
// its parent (the window, a group or a tab control) and raises Action.
#include "ui/controls/buttonobject.h"
#include "ui/controls/controlkinds.h"
#include "ui/windows/controlaccessors.h"
#include "ui/windows/events.h"
#include "ui/windows/fieldaccessors.h"
#include "ui/windows/nativepane.h"

namespace {

void setChecked(HWND handle, bool checked)
{
    SendMessageA(handle, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (Pane* pane = paneFromHandle(handle))
        asButton(pane->control())->value = checked;
}

// The one checked radio button among its siblings.
void checkAlone(HWND chosen)
{
    for (HWND sibling = GetWindow(GetParent(chosen), GW_CHILD); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        Pane* pane = paneFromHandle(sibling);
        if (sibling != chosen && pane && pane->kind() == PaneKind::radioButton)
            setChecked(sibling, false);
    }
    setChecked(chosen, true);
}

class RadioButtonPane : public NativePane {
public:
    using NativePane::NativePane;

    PaneKind kind() const override { return PaneKind::radioButton; }

    void open(NativeWindow* native) override
    {
        const ButtonObject* radio = asButton(control());
        if (!createControl(native, "BUTTON", BS_RADIOBUTTON | BS_NOTIFY | WS_TABSTOP, 0, stringText(radio->caption)))
            return;
        setFont(buttonFont(control()));
        SendMessageA(windowHandle, BM_SETCHECK, radio->value ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    void push() override
    {
        checkAlone(windowHandle);
        raiseEvent(control(), "Action");
    }
    void command(int32_t code) override
    {
        if (code == BN_CLICKED)
            push();
    }
};

} // namespace

extern "C" int32_t radioButtonValueGetter(ObjectHeader* radio, int32_t)
{
    return buttonChecked(radio) ? 1 : 0;
}

extern "C" void radioButtonValueSetter(ObjectHeader* radio, int32_t, int32_t value)
{
    if (!radio)
        return;
    bool checked = (value & 0xFF) != 0;
    asButton(radio)->value = checked;
    Pane* pane = paneOfControl(radio);
    if (!pane || !pane->handle())
        return;
    if (checked)
        checkAlone(pane->handle());
    else
        setChecked(pane->handle(), false);
}

void radioButtonSetUpClass(ClassDescriptor* cls)
{
    buttonDeclareCaption(cls);
    classDeclareProperties(
        cls, {
                 {"Value", accessor(radioButtonValueGetter), accessor(radioButtonValueSetter), 0, propertyBoolean},
             });
    classAddRuntimeHandler(cls, "CreatePane", accessor(createNativePane<RadioButtonPane>));
}
