// Binding the member imports the linker deferred, once the runtime's classes exist.
#pragma once

#include <string>

// Patches every deferred call-site chain ("M", "W", "G" or "S", then class "." member, or a
// global plug-in method) and empties the list. A member found neither in its class nor in a
// superclass fails with a message naming it; a class that exists nowhere is a failed
// assertion, and calls of its members raise the nil object exception instead of jumping
// nowhere.
bool bindDeferredMembers(std::string& error);
