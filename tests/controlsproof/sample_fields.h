// Instance layouts of the sample's classes: each begins with its built-in superclass.
#pragma once

struct SampleWindowFields {
    unsigned char window[160];
};

struct SampleAppFields {
    unsigned char application[24];
};
