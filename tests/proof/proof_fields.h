// Instance layouts of the start-up tests' classes: each begins with its built-in superclass.
#pragma once

struct ProofWindowFields {
    unsigned char window[160];
    int closeRequests;
    int quitWhenClosed;
};

struct ProofAppFields {
    unsigned char application[24];
};
