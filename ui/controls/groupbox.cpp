// GroupBox: a native "BUTTON" frame with a caption; native controls inside it are made as its
// children and take the mouse through it.
#include "ui/controls/buttonobject.h"
#include "ui/controls/controlkinds.h"
#include "ui/windows/fieldaccessors.h"
#include "ui/windows/nativepane.h"
#include "ui/windows/windowbackground.h"

namespace {

class GroupBoxPane : public NativePane {
public:
    using NativePane::NativePane;

    PaneKind kind() const override { return PaneKind::groupBox; }
    void open(NativeWindow* native) override
    {
        if (createControl(native, "BUTTON", BS_GROUPBOX, 0, stringText(asButton(control())->caption)))
            setFont(buttonFont(control()));
    }
    bool acceptsFocus() const override { return false; }

    bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        switch (message) {
        case WM_NCHITTEST:
            return hitTest(lParam, result);
        case WM_ERASEBKGND:
            eraseWithWindowBackground(reinterpret_cast<HDC>(wParam));
            result = 1;
            return true;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            // The controls inside take the colours they would take in the window itself.
            result = SendMessageA(GetParent(windowHandle), message, wParam, lParam);
            return true;
        }
        return false;
    }

private:
    // The frame draws only its lines and caption; inside it the window shows through.
    void eraseWithWindowBackground(HDC dc)
    {
        RECT inside;
        GetClientRect(windowHandle, &inside);
        OffsetRect(&inside, bounds().left, bounds().top);
        if (WindowObject* owner = window())
            paintWindowBackground(owner, dc, inside, bounds().left, bounds().top);
    }

    // A group frame is transparent to the mouse, and the system then passes over the
    // controls inside it too: over one of them the group answers, so the click reaches it.
    bool hitTest(LPARAM lParam, LRESULT& result)
    {
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
