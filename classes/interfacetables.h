// Interface method tables: the code each class runs for each method of each interface it
// implements, one table read per interface call.
#pragma once

#include <cstdint>

// Numbers the methods of every interface 1, 2, 3... (the methods of other classes 0), starts
// a new generation and rebuilds the tables of every class built in an older one. A method
// that neither the class nor a superclass has is a failed assertion, and the remaining
// tables are left as they are.
void interfacesFinalise();
uint32_t interfaceGeneration();
