// A child program run under this one as its debugger, to collect what it writes to the debug
// output.
#include "tests/support/debuggedrun.h"

#include "tests/support/process.h"
#include "tests/support/timescale.h"

namespace {

// Collects a debug string, closes the handles an event hands over and passes on the child's own
// exceptions; the status to continue with.
DWORD takeEvent(const DEBUG_EVENT& event, HANDLE process, DebuggedRun& run)
{
    if (event.dwDebugEventCode == OUTPUT_DEBUG_STRING_EVENT && !event.u.DebugString.fUnicode) {
        std::string text(event.u.DebugString.nDebugStringLength, '\0');
        ReadProcessMemory(process, event.u.DebugString.lpDebugStringData, text.data(), text.size(), nullptr);
        run.debugStrings.push_back(text.c_str());
    } else if (event.dwDebugEventCode == EXCEPTION_DEBUG_EVENT &&
               event.u.Exception.ExceptionRecord.ExceptionCode != EXCEPTION_BREAKPOINT) {
        return DBG_EXCEPTION_NOT_HANDLED;
    } else if (event.dwDebugEventCode == LOAD_DLL_DEBUG_EVENT && event.u.LoadDll.hFile) {
        CloseHandle(event.u.LoadDll.hFile);
    } else if (event.dwDebugEventCode == CREATE_PROCESS_DEBUG_EVENT && event.u.CreateProcessInfo.hFile) {
        CloseHandle(event.u.CreateProcessInfo.hFile);
    } else if (event.dwDebugEventCode == EXIT_PROCESS_DEBUG_EVENT) {
        run.exitCode = event.u.ExitProcess.dwExitCode;
    }
    return DBG_CONTINUE;
}

} // namespace

DebuggedRun runDebugged(const std::string& commandLine)
{
    DebuggedRun run;
    PROCESS_INFORMATION process;
    if (!startProcess(commandLine, process, "", DEBUG_ONLY_THIS_PROCESS))
        return run;
    for (DEBUG_EVENT event; WaitForDebugEvent(&event, stretched(30000));) {
        ContinueDebugEvent(event.dwProcessId, event.dwThreadId, takeEvent(event, process.hProcess, run));
        if (event.dwDebugEventCode == EXIT_PROCESS_DEBUG_EVENT)
            break;
    }
    closeProcess(process);
    return run;
}

std::vector<std::string> debugStringsStarting(const DebuggedRun& run, const std::string& prefix)
{
    std::vector<std::string> found;
    for (const std::string& text : run.debugStrings) {
        if (text.rfind(prefix, 0) == 0)
            found.push_back(text);
    }
    return found;
}
