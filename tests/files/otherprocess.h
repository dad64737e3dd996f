// Other programs at a test's files: one that holds a file for the length of a test, opened for
// itself alone, and this test program run as a child to its end.
#pragma once

#include <windows.h>

#include <string>

class HeldFile {
public:
    explicit HeldFile(const std::string& path);
    ~HeldFile();
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    // Whether the other process holds the file now.
    bool held() const { return holding; }

private:
    PROCESS_INFORMATION process = {};
    HANDLE release = nullptr;
    bool holding = false;
};

// Runs this program as the named child scenario (testmain.h) with the variable set, and waits
// for its end (with a bound); true when it ended with exit code 0.
bool runChildToEnd(const char* name, const char* variable, const std::string& value);
