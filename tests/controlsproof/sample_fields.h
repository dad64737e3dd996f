// Instance layouts of the sample's classes: each begins with its built-in superclass.
#pragma once

#include "app/sharedlayouts.h"

struct SampleWindowFields {
    unsigned char window[windowObjectSize];
};

struct SampleAppFields {
    unsigned char application[applicationObjectSize];
};
