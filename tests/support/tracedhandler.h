// For the test programs' images: a handler whose event only goes to the trace, for a test
// driving the program from outside to read back.
#pragma once

#include "app/runtime.h"

#define TRACED_HANDLER(handler, text)                                                                                  \
    namespace {                                                                                                        \
    STRING_CONSTANT(handler##Text, text);                                                                              \
    }                                                                                                                  \
    extern "C" void handler(ObjectHeader*)                                                                             \
    {                                                                                                                  \
        lineTrace(&handler##Text.record);                                                                              \
    }
