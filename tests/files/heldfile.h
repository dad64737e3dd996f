// A file held by another process for the length of a test, opened for that process alone.
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
