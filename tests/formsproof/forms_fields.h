// Instance layouts of the forms program's classes: each begins with its built-in superclass.
#pragma once

#include "app/sharedlayouts.h"

struct FormWindowFields {
    unsigned char window[windowObjectSize];
};

struct FormsAppFields {
    unsigned char application[applicationObjectSize];
};
