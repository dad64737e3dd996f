// Panes of the controls that plug-ins register: drawn by the plug-in's routines.
#pragma once

// Gives every registered plug-in control its CreatePane handler; run once the plug-ins are in.
void pluginControlsSetUp();
