// Panes: the native side of a control, with the operations the window's dispatch calls.
#pragma once

#include "ui/windows/controlobject.h"
#include "ui/windows/panerect.h"

#include <windows.h>

#include <cstdint>
#include <string_view>

struct WindowObject;

// State changes handed to a pane when the control's flags change.
enum class PaneState : int32_t { enable = 5, disable = 6, show = 7, hide = 8 };

// The kinds of control that other panes ask a pane about; every other kind is `other`.
enum class PaneKind { other, radioButton, groupBox, tabPanel };

// Modifier word of mouse and key operations.
constexpr int32_t modifierWindows = 0x100;
constexpr int32_t modifierShift = 0x200;
constexpr int32_t modifierAlt = 0x800;
constexpr int32_t modifierControl = 0x1000;

// A pane lives from its window's building to its closing. Its bounds are in the window's
// client coordinates; `handle` is its own child window (a "VX_Pane" or a native control).
class Pane {
public:
    Pane(ObjectHeader* control, const PaneRect& bounds);
    virtual ~Pane();
    Pane(const Pane&) = delete;
    Pane& operator=(const Pane&) = delete;

    // Mouse operations take window coordinates. mouseDown returns whether the pane takes the
    // mouse: moves then come as drags and the release as mouseUp.
    virtual bool mouseDown(int32_t x, int32_t y, int32_t modifiers);
    virtual void mouseDrag(int32_t x, int32_t y);
    // While it holds the mouse, a pane that repeats an action (arrows held down) is dragged on
    // every tracking round; others only when the pointer moved.
    virtual bool dragsWhileStill() const { return false; }
    virtual void mouseUp(int32_t x, int32_t y);
    virtual PaneKind kind() const { return PaneKind::other; }
    // Whether the mouse over the pane is offered to it at all; drawn shapes let it through.
    virtual bool receivesMouse() const { return false; }
    // Native controls take the clicks over them themselves: no pane below one is offered them.
    virtual bool isNativeControl() const { return false; }
    // True for a control that Return pushes instead of the window's default button.
    virtual bool takesReturn() const { return false; }
    // A key for the focused pane first; true when handled.
    virtual bool keyDown(int32_t characterCode, int32_t modifiers);
    virtual bool acceptsFocus() const { return false; }
    // True for a text field that takes Tab as text instead of moving the focus.
    virtual bool keepsTab() const { return false; }
    // True while the pane's list is dropped down: Return and Escape close the list, they push
    // no default or cancel button.
    virtual bool listDropped() const { return false; }
    // True for a control that uses the arrow keys itself instead of moving the focus with them.
    virtual bool usesArrowKeys() const { return false; }
    virtual void takeFocus();
    // After every pass of the event loop, for the pane that has the focus. The built-in kinds
    // have nothing to do in it; a plug-in control may (a caret to blink, say).
    virtual void idle() {}
    virtual bool isDefaultButton() const { return false; }
    virtual bool isCancelButton() const { return false; }
    virtual void push() {}
    // Shows the pane pressed or not, as the mouse held on it does (a button pushed by a key).
    virtual void showPressed(bool) {}
    // True for a control that takes typed characters itself (an editable text field, a list
    // searched by typing): keys the window uses as commands are left to it.
    virtual bool takesTyping() const { return false; }
    // A shortcut of the pane was typed.
    virtual void shortcut();
    virtual void stateChanged(PaneState state);
    virtual void boundsChanged();
    // Win32 notifications from the pane's own native window.
    virtual void command(int32_t) {}
    virtual LRESULT notify(NMHDR*) { return 0; }
    virtual void scroll(bool, int32_t) {}
    virtual bool drawItem(DRAWITEMSTRUCT*) { return false; }
    // The Edit menu: the focused pane enables the items it would handle (menuEnableItemNamed),
    // and handles a chosen one ("EditCut", "EditCopy", ...); true when it did.
    virtual void enableMenuItems() {}
    virtual bool menuCommand(std::string_view) { return false; }
    // Drawing without events, for panes that lie above this one and paint what is below them.
    virtual void drawBelow(HDC, int32_t, int32_t) {}
    // The whole window is closing and takes the child window with it: the pane lets go of its
    // handle instead of destroying it.
    virtual void leaveChildToWindow();

    ObjectHeader* control() const { return controlObject; }
    WindowObject* window() const;
    HWND handle() const { return windowHandle; }
    const PaneRect& bounds() const { return paneBounds; }
    // What its child window covers: its bounds, or more for a pane that draws past them.
    virtual PaneRect windowArea() const { return paneBounds; }
    void setBounds(const PaneRect& bounds);
    // Where the pane's child window stands among its siblings (panestacking).
    struct Stacking {
        HWND parent = nullptr;
        int32_t rank = 0; // higher lies above
    } stacking;

    bool visible() const { return isVisible; }
    bool enabled() const { return isEnabled; }
    int32_t tabPanelIndex() const;
    void invalidate();
    void invalidateRect(const RECT& paneArea);

protected:
    // The pane's child window is found by paneFromHandle from listHandle until unlistHandle.
    void listHandle();
    void unlistHandle();

    HWND windowHandle = nullptr;
    PaneRect paneBounds;
    bool isVisible = true;
    bool isEnabled = true;

private:
    ObjectHeader* controlObject;
};

// The pane behind a child window of ours (a "VX_Pane" or a native control), or null.
Pane* paneFromHandle(HWND handle);
Pane* paneOfControl(ObjectHeader* control);
