// Instance layouts of the controls program's classes: each begins with its built-in superclass.
#pragma once

struct ControlsWindowFields {
    unsigned char window[160];
};

struct ControlsAppFields {
    unsigned char application[24];
};
