// Test programs that can also run as their own child process, for paths that end a process.
#pragma once

#include <string>

// A child scenario runs instead of the tests when the program is started with
// "--child=<name>"; its return value is the exit code.
struct ChildScenario {
    ChildScenario(const char* name, int (*run)());
};

#define CHILD_SCENARIO(name)                                                                                           \
    static int childScenario_##name();                                                                                 \
    static ChildScenario childRegistration_##name(#name, childScenario_##name);                                        \
    static int childScenario_##name()

// The command line that starts this same program as the named child.
std::string childCommandLine(const char* name);
