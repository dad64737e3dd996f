// Instance layouts of the plug-in program's classes: each begins with its built-in superclass.
#pragma once

#include "app/sharedlayouts.h"

struct PluginWindowFields {
    unsigned char window[windowObjectSize];
};

struct PluginAppFields {
    unsigned char application[applicationObjectSize];
};
