// The application's event loop and the shutdown that follows it.
#include "host/eventloop.h"
#include "host/shutdown.h"

extern "C" int RuntimeRun()
{
    loopRun();
    hostShutdown();
    return 0;
}
