// Native windows: the Win32 window behind a Window object, frame kinds, the window list and
// the modal stack.
#pragma once

#include "ui/windows/framekind.h"
#include "ui/windows/pane.h"
#include "ui/windows/panerect.h"
#include "ui/windows/windowobject.h"

#include <windows.h>

#include <cstdint>

struct NativeWindow {
    HWND handle;
    void* dropTarget;   // none registered yet
    NativeWindow* next; // window list, newest first
    FrameKind frameKind;
    PaneRect bounds; // client area as last seen on the system window
    bool shown;      // marked to be shown; the loop shows it if it is not yet
    bool active;
    bool resizable;
    bool modal;
    bool mdiChild;
    bool closing; // its close is under way: events raised by the closing itself (a Deactivate)
                  // may ask to close it again, which is then nothing to do
    bool destroying;
    bool closeRunning;          // nativeWindowClosing has not returned yet
    bool systemWindowGone;      // the system window is destroyed (WM_NCDESTROY has come)
    WindowObject* window;       // one reference while the native window lives
    ObjectHeader* mouseControl; // the control that has the mouse inside, not counted
    POINT lastMouseMove;        // last position a move was raised for
    bool hadMouseMove;
    int32_t stackTop; // the highest and lowest stacking ranks its panes were given
    int32_t stackBottom;
};

// Builds the native window (hidden) for a window object and enters it at the head of the
// window list; modal kinds go on the modal stack. Null when the system window cannot be made.
// A frame kind outside the table is a programming error: assertion, and it is built as a document.
NativeWindow* nativeWindowCreate(WindowObject* window, FrameKind frameKind);
// The system window's first message ties it to its native window, for its procedure (window
// extra bytes) and for nativeWindowFromHandle, until nativeWindowDestroyed.
void nativeWindowAttach(NativeWindow* native, HWND handle);
// The native window of a top-level window of ours, or null for any other window.
NativeWindow* nativeWindowFromHandle(HWND handle);
// The native window of the top-level window that holds `handle` (itself, or a child of it).
NativeWindow* nativeWindowHolding(HWND handle);

NativeWindow* windowListHead();
bool nativeWindowIsListed(NativeWindow* native);
// The topmost modal window that is visible, or null.
NativeWindow* topmostVisibleModal();

// The outer rectangle of a client area, for the window's styles.
RECT nativeWindowOuterRect(NativeWindow* native, const PaneRect& client);
// Moves and sizes the system window so that its client area is `client`.
void nativeWindowPlace(NativeWindow* native, const PaneRect& client);
// The client area of the system window, in the coordinates of the window's bounds.
PaneRect nativeWindowClientBounds(NativeWindow* native);
void nativeWindowShow(NativeWindow* native);
void nativeWindowHide(NativeWindow* native);

// The whole close sequence once the system window is being destroyed: Close events, panes,
// list, modal stack, slot. Called from WM_DESTROY.
void nativeWindowClosing(NativeWindow* native);
// The last message: the native object goes and drops its reference to the window object, or,
// when this comes inside the window's own close sequence, goes when that sequence ends.
void nativeWindowDestroyed(NativeWindow* native);

// Whether any window of the program has been activated yet: Moved and Resized wait for it.
bool anyWindowActivated();
void noteWindowActivated();

// The panes of a window's controls, in creation order (controls without a pane are skipped).
template <typename Visit> void forEachPane(WindowObject* window, Visit visit)
{
    if (!window || !window->parts)
        return;
    for (ObjectHeader* control : window->parts->controls) {
        if (Pane* pane = paneOfControl(control))
            visit(pane);
    }
}
