// Programs started from a test: the one way to start one, and to let it go or end it.
#include "tests/support/process.h"

#include "tests/support/timescale.h"

bool startProcess(const std::string& commandLine, PROCESS_INFORMATION& started, const std::string& folder, DWORD flags)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string line = commandLine; // the system may write into it
    started = {};
    return CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, flags, nullptr,
                          folder.empty() ? nullptr : folder.c_str(), &startup, &started) != 0;
}

void closeProcess(PROCESS_INFORMATION& process)
{
    if (process.hThread)
        CloseHandle(process.hThread);
    if (process.hProcess)
        CloseHandle(process.hProcess);
    process = {};
}

void endProcess(PROCESS_INFORMATION& process)
{
    if (process.hProcess && WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process.hProcess, 255);
        WaitForSingleObject(process.hProcess, stretched(5000));
    }
    closeProcess(process);
}
