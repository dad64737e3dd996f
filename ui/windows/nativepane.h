// Panes that own a native Win32 control: made inside the innermost group or tab control that
// holds them, carrying "VXInstance", a font from the font cache and the subclass procedure.
#pragma once

#include "ui/windows/nativewindow.h"
#include "ui/windows/pane.h"

class NativePane : public Pane {
public:
    explicit NativePane(ObjectHeader* control);
    ~NativePane() override;

    // Makes the kind's native control in the control's open window.
    virtual void open(NativeWindow* native) = 0;
    void boundsChanged() override;
    void leaveChildToWindow() override;
    bool acceptsFocus() const override { return true; }
    bool isNativeControl() const override { return true; }
    // The control's stored properties changed: the native control shows them.
    virtual void propertiesChanged() {}
    void stateChanged(PaneState state) override;
    void drawBelow(HDC dc, int32_t x, int32_t y) override;
    // The tooltip showing the control's help text, or null when it has none.
    HWND helpWindow() const { return help; }
    // Hands mouse messages to the tooltip so that it knows when to show.
    void relayToHelp(UINT message, WPARAM wParam, LPARAM lParam);

    // The control's own handling of a message of its window; true when `result` is the answer.
    virtual bool handleMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }
    LRESULT callPrevious(UINT message, WPARAM wParam, LPARAM lParam);
    WNDPROC previousProcedure() const { return previous; }
    // Puts the previous procedure back and lets go of the font and "VXInstance".
    void detach();

protected:
    // Creates the child window; false when the system refuses it.
    bool createControl(NativeWindow* native, const char* className, DWORD style, DWORD exStyle, const char* text);
    // Takes one cache reference to the font and hands the font to the control.
    void setFont(HFONT font);
    HFONT controlFont() const { return font; }
    // How much taller than its bounds the native window is (a drop-down list's room).
    virtual int32_t extraHeight() const { return 0; }

private:
    RECT childRect() const;
    // HelpTag, or BalloonHelp without one; DisabledBalloonHelp while disabled, when given.
    const char* helpText() const;
    void makeHelp(NativeWindow* native);

    WNDPROC previous = nullptr;
    HFONT font = nullptr;
    HWND help = nullptr;
    POINT parentOrigin = {0, 0}; // window-client position of the parent's client area
};

// Whether the pane lies in a tab control on a tab other than the chosen one.
bool paneOnHiddenTab(const Pane* pane);

// The common-control classes (trackbar, progress bar, tab control), registered once.
void nativeEnsureCommonControls();

// The font of a control's description; an empty name is the system font.
HFONT nativeFontAcquire(StringRecord* name, int32_t size, bool bold, bool italic, bool underline);

// The CreatePane handler of a native kind.
template <typename PaneKind> int32_t createNativePane(ObjectHeader* control)
{
    ControlObject* base = asControl(control);
    if (base->pane || !base->window || !base->window->native)
        return 0;
    auto* pane = new PaneKind(control);
    base->pane = pane;
    pane->open(base->window->native);
    return 0;
}
