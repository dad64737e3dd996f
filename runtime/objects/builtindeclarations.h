// What the built-in classes declare at start-up: their events, in the order of each class's
// event table, the properties of the classes whose accessors have no subsystem of their own,
// and the built-in interfaces.
#pragma once

void builtinDeclareEvents();
void builtinDeclareDateProperties();
void builtinDeclareBinderInterface();
