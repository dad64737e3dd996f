// Instance layouts of the start-up tests' classes: each begins with its built-in superclass.
#pragma once

#include "app/sharedlayouts.h"

struct ProofWindowFields {
    unsigned char window[windowObjectSize];
    int closeRequests;
    int quitWhenClosed;
};

struct ProofAppFields {
    unsigned char application[applicationObjectSize];
};
