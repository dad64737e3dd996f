// The example's instance layouts: each begins with the bytes of its built-in superclass.
#pragma once

struct ExampleWindowFields {
    unsigned char dialog[160];
    int amount;
};

struct ExampleAppFields {
    unsigned char application[24];
    int documents;
};

struct NumModuleFields {
    unsigned char object[24];
    int amount;
};
