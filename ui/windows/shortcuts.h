// Keyboard shortcuts: key texts ("Ctrl+S", "Shft+F5") bound to what they run.
#pragma once

#include <string_view>

class Pane;

// Adds a shortcut; the newest binding of a key text is tried first.
void shortcutAdd(std::string_view keyText, void (*run)(void* target), void* target);
// A pane's shortcut: a native control is focused and clicked, a drawn pane gets a mouse down
// and up at its top left; hidden or disabled panes ignore it.
void shortcutAddForPane(std::string_view keyText, Pane* pane);
void shortcutRemoveTarget(void* target);
void shortcutClear();
// Runs the shortcut bound to the key text, compared without regard to case (a definition "p"
// is Ctrl+P); true when there was one (the key is consumed).
bool shortcutRun(std::string_view keyText);
