// Keyboard focus: the focused pane, tab order and focus moves.
#pragma once

#include "ui/windows/nativewindow.h"

// The pane of ours that holds the system focus inside the window, or null (none, or the window).
Pane* focusedPane(NativeWindow* native);
// The panes that Tab visits, in creation order: visible, enabled panes that accept focus.
std::vector<Pane*> tabOrder(WindowObject* window);
// Moves focus to the next pane in tab order after `from` (before it with `backwards`),
// wrapping around; from null, the first (or last). False when no pane accepts focus.
bool focusMove(WindowObject* window, Pane* from, bool backwards);
void focusPane(Pane* pane);
void focusForgetWindow(WindowObject* window);
// The idle operation of the pane that holds the system focus, if it is one of ours.
void focusedPaneIdle();

extern "C" {
void RuntimeSetFocus(ObjectHeader* control);
void formSetFocus(ObjectHeader* window);
void clearFocus(ObjectHeader* window);
// The control with the keyboard focus in the window when it takes typed characters itself
// (with a reference), or Nil: the window may then take typed keys as commands.
ObjectHeader* windowTypingFocusGetter(ObjectHeader* window, int32_t parameter);
}
