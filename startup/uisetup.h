// Starting the window framework: window classes, the built-in classes' properties and panes,
// and the steps it takes in the event loop and at shutdown.
#pragma once

// Registers the window classes (again in frame mode if needed), declares the properties of
// Window and the controls and their destructors once, and plugs the loop steps
// (window sync, mouse capture and tracking, keyboard pre-translation, any window open) and
// the shutdown step that closes every window. Safe to call more than once.
void uiStart();
