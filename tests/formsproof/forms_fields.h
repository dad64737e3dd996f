// Instance layouts of the forms program's classes: each begins with its built-in superclass.
#pragma once

struct FormWindowFields {
    unsigned char window[160];
};

struct FormsAppFields {
    unsigned char application[24];
};
