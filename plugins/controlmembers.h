// The properties, methods and events of a plug-in control, declared on its class.
#pragma once

#include "plugins/controldescriptor.h"

#include <string>
#include <vector>

// Declares what the descriptor lists on `cls` and fills the event records' identifying words.
// A member that cannot be declared is left out and described in `problems`.
void controlMembersDeclare(ClassDescriptor* cls, ControlDescriptor* descriptor, void** pluginExports,
                           std::vector<std::string>& problems);
