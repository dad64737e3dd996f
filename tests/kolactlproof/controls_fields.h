// Instance layouts of the controls program's classes: each begins with its built-in superclass.
#pragma once

#include "app/sharedlayouts.h"

struct ControlsWindowFields {
    unsigned char window[windowObjectSize];
};

struct ControlsAppFields {
    unsigned char application[applicationObjectSize];
};
