// The properties, methods and events of a plug-in's class, declared on it.
#pragma once

#include "plugins/controldescriptor.h"
#include "runtime/objects/classdescriptor.h"

#include <string>
#include <vector>

// Where the plug-in's storage lies in an instance, and how its routines are named.
struct MemberContext {
    uint32_t dataOffset;
    int32_t version; // 1: routines are indexes into the plug-in's export table
    void** pluginExports;
};

// Declares the members on `cls` and fills the event records' identifying words. A member
// that cannot be declared is left out and described in `problems`.
void pluginMembersDeclare(ClassDescriptor* cls, const PluginMembers& members, const MemberContext& context,
                          std::vector<std::string>& problems);
// A version 1 routine's address from its index; any other version's as it is.
void* pluginRoutine(void* routine, const MemberContext& context);
