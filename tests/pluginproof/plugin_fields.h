// Instance layouts of the plug-in program's classes: each begins with its built-in superclass.
#pragma once

struct PluginWindowFields {
    unsigned char window[160];
};

struct PluginAppFields {
    unsigned char application[24];
};
