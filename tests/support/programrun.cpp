// A program run to its end from outside, every message box it shows read and answered.
#include "tests/support/programrun.h"

#include "tests/support/keys.h"
#include "tests/support/process.h"
#include "tests/support/timescale.h"
#include "tests/support/waits.h"

#include <map>

namespace {

// A box not yet in front is left for the next round, which asks again.
void pressReturn(HWND box)
{
    SetForegroundWindow(box);
    if (!waitUntil([box] { return GetForegroundWindow() == box; }, 1000))
        return;
    sendKeyEdge(VK_RETURN, false);
    sendKeyEdge(VK_RETURN, true);
}

// Each box is read once and answered; a key press that went astray (the box was not yet in
// the foreground) is repeated every second while the box stays.
void answerBoxes(DWORD processId, int answer, std::map<HWND, DWORD>& answered, ProgramRun& run)
{
    for (HWND box : messageBoxesOf(processId)) {
        auto seen = answered.find(box);
        if (seen != answered.end()) {
            if (answer == pressReturnKey && GetTickCount() - seen->second > stretched(1000)) {
                seen->second = GetTickCount();
                pressReturn(box);
            }
            continue;
        }
        answered[box] = GetTickCount();
        run.boxes.push_back(readMessageBox(box));
        if (answer == pressReturnKey) {
            pressReturn(box);
            continue;
        }
        pushDialogButton(box, GetDlgItem(box, answer) ? answer : IDOK);
    }
}

} // namespace

ProgramRun runProgram(const std::string& commandLine, const ProgramOptions& options)
{
    ProgramRun run;
    PROCESS_INFORMATION process;
    if (!startProcess(commandLine, process, options.folder))
        return run;
    run.started = true;
    std::map<HWND, DWORD> answered;
    auto ended = [&] {
        answerBoxes(process.dwProcessId, options.answer, answered, run);
        return WaitForSingleObject(process.hProcess, 40) == WAIT_OBJECT_0;
    };
    if (!waitUntil(ended, options.timeoutMs)) {
        run.timedOut = true;
        TerminateProcess(process.hProcess, 255);
        WaitForSingleObject(process.hProcess, stretched(5000));
    }
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    closeProcess(process);
    return run;
}
