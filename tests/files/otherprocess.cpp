// Other programs at a test's files: one that holds a file for the length of a test, opened for
// itself alone, and this test program run as a child to its end.
#include "tests/files/otherprocess.h"

#include "tests/support/testmain.h"
#include "tests/support/timescale.h"

#include <cstdlib>

namespace {

constexpr const char* pathVariable = "FILES_TEST_HELD_PATH";

std::string eventName(const char* what, DWORD parent)
{
    return std::string("files-test-") + what + "-" + std::to_string(parent);
}

} // namespace

// The child: holds the file, says so, and lets go when told or after a while.
CHILD_SCENARIO(holdFile)
{
    DWORD parent = static_cast<DWORD>(atoi(getenv("FILES_TEST_PARENT")));
    HANDLE file =
        CreateFileA(getenv(pathVariable), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    HANDLE holding = OpenEventA(EVENT_MODIFY_STATE, FALSE, eventName("holding", parent).c_str());
    HANDLE release = OpenEventA(SYNCHRONIZE, FALSE, eventName("release", parent).c_str());
    SetEvent(holding);
    WaitForSingleObject(release, stretched(30000));
    CloseHandle(file);
    return 0;
}

HeldFile::HeldFile(const std::string& path)
{
    DWORD self = GetCurrentProcessId();
    HANDLE holdingEvent = CreateEventA(nullptr, TRUE, FALSE, eventName("holding", self).c_str());
    release = CreateEventA(nullptr, TRUE, FALSE, eventName("release", self).c_str());
    SetEnvironmentVariableA("FILES_TEST_PARENT", std::to_string(self).c_str());
    SetEnvironmentVariableA(pathVariable, path.c_str());
    std::string command = childCommandLine("holdFile");
    STARTUPINFOA startup = {sizeof startup};
    if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        HANDLE waits[] = {holdingEvent, process.hProcess};
        holding = WaitForMultipleObjects(2, waits, FALSE, stretched(20000)) == WAIT_OBJECT_0;
    }
    CloseHandle(holdingEvent);
}

HeldFile::~HeldFile()
{
    SetEvent(release);
    if (process.hProcess) {
        WaitForSingleObject(process.hProcess, stretched(20000));
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    CloseHandle(release);
}

bool runChildToEnd(const char* name, const char* variable, const std::string& value)
{
    SetEnvironmentVariableA(variable, value.c_str());
    std::string command = childCommandLine(name);
    STARTUPINFOA startup = {sizeof startup};
    PROCESS_INFORMATION child = {};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child))
        return false;
    DWORD exitCode = 1;
    if (WaitForSingleObject(child.hProcess, stretched(20000)) == WAIT_OBJECT_0)
        GetExitCodeProcess(child.hProcess, &exitCode);
    else
        TerminateProcess(child.hProcess, 1);
    CloseHandle(child.hProcess);
    CloseHandle(child.hThread);
    return exitCode == 0;
}
