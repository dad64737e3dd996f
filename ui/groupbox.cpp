// GroupBox: a native "BUTTON" frame with a caption; native controls inside it are made as its
// children and take the mouse through it.
#include "ui/buttonobject.h"
#include "ui/controlkinds.h"
#include "ui/fieldaccessors.h"
#include "ui/nativepane.h"

namespace {

class GroupBoxPane : public NativePane {
public:
    using NativePane::NativePane;

    void open(NativeWindow* native) override
    {
        if (createControl(native, "BUTTON", BS_GROUPBOX, 0, stringText(asButton(control())->caption)))
            setFont(buttonFont(control()));
    }
    bool acceptsFocus() const override { return false; }

    // A group frame is transparent to the mouse, and the system then passes over the
    // controls inside it too: over one of them the group answers, so the click reaches it.
    bool handleMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) override
    {
        if (message != WM_NCHITTEST)
            return false;
        POINT at = {static_cast<int16_t>(LOWORD(lParam)), static_cast<int16_t>(HIWORD(lParam))};
        ScreenToClient(windowHandle, &at);
        HWND child = ChildWindowFromPointEx(windowHandle, at, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
        if (!child || child == windowHandle)
            return false;
        result = HTCLIENT;
        return true;
    }
};

} // namespace

void groupBoxSetUpClass(ClassDescriptor* cls)
{
    buttonDeclareCaption(cls);
    classAddRuntimeHandler(cls, "CreatePane", accessor(createNativePane<GroupBoxPane>));
}
