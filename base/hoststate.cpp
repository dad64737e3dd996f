// What the host remembers about the process: its instance, command line and run mode.
#include "base/hoststate.h"

HostState& hostState()
{
    static HostState state;
    return state;
}
