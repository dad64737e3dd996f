// The folders the program keeps its files in: its own folder, and its folder among the user's
// application data.
#pragma once

#include "app/owned.h"

// The folder that holds the program.
OwnedObject programFolder();
// The program's own folder inside the user's application data folder, made on first need; none
// when the system has no such folder or it cannot be made.
OwnedObject userDataFolder();
