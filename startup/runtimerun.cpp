// The application's event loop and the shutdown that follows it.
#include "base/eventloop.h"
#include "base/shutdown.h"

extern "C" int RuntimeRun()
{
    loopRun();
    hostShutdown();
    return 0;
}
