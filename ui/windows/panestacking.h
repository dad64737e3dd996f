// Controls stack in the order they are made, drawn and native alike: where two controls of one
// parent window overlap, the one made later lies above.
#pragma once

#include "ui/windows/pane.h"

// The system puts a new child window at the bottom: the new pane is raised to the top when it
// overlaps a pane made before it (elsewhere its place in the order does not show, and raising
// every pane would cost a system call each, a seventh of building a window).
void stackNewPane(Pane* pane);
// The pane was moved or resized: where it now overlaps a pane in the wrong order, the
// overlapping panes of its parent are stacked again in the order they were made.
void restackMovedPane(Pane* pane);
