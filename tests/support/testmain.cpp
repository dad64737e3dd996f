// Test programs that can also run as their own child process, for paths that end a process.
#include "tests/support/testmain.h"

#include <windows.h>

#include <cstring>
#include <gtest/gtest.h>
#include <map>

namespace {
std::map<std::string, int (*)()>& scenarios()
{
    static std::map<std::string, int (*)()> registered;
    return registered;
}
} // namespace

ChildScenario::ChildScenario(const char* name, int (*run)())
{
    scenarios()[name] = run;
}

std::string childCommandLine(const char* name)
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string("\"") + path + "\" --child=" + name;
}

int main(int argc, char** argv)
{
    const char* prefix = "--child=";
    if (argc == 2 && strncmp(argv[1], prefix, strlen(prefix)) == 0) {
        auto found = scenarios().find(argv[1] + strlen(prefix));
        return found == scenarios().end() ? 99 : found->second();
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
