// The application's event loop and the shutdown that follows it.
#include "host/base/eventloop.h"
#include "host/base/shutdown.h"

extern "C" int RuntimeRun()
{
    loopRun();
    hostShutdown();
    return 0;
}
