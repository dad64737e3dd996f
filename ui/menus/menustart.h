// The menus' part in starting the window framework.
#pragma once

// Declares the MenuItem properties and fills the window hooks of the menus, the application
// object and the frame's close request. Safe to call more than once.
void menusStart();
