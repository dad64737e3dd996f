// boxwatch [--cancel] [--folder DIR] [--timeout MS] -- PROGRAM [ARGS...]
// Runs the program, answers each message box it shows, and prints what it saw (UTF-8):
// one "box: <caption> | <text>" line per box, then "exit: <code>" or "timeout".
#include "tests/support/messageboxes.h"
#include "tests/support/programrun.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    ProgramOptions options;
    int i = 1;
    for (; i < argc && strcmp(argv[i], "--") != 0; ++i) {
        if (strcmp(argv[i], "--cancel") == 0)
            options.answer = IDCANCEL;
        else if (strcmp(argv[i], "--folder") == 0 && i + 1 < argc)
            options.folder = argv[++i];
        else if (strcmp(argv[i], "--timeout") == 0 && i + 1 < argc)
            options.timeoutMs = strtoul(argv[++i], nullptr, 10);
    }
    std::string commandLine;
    for (++i; i < argc; ++i)
        commandLine += std::string(commandLine.empty() ? "" : " ") + "\"" + argv[i] + "\"";
    if (commandLine.empty()) {
        fprintf(stderr, "usage: boxwatch [--cancel] [--folder DIR] [--timeout MS] -- PROGRAM [ARGS...]\n");
        return 2;
    }
    ProgramRun run = runProgram(commandLine, options);
    if (!run.started) {
        printf("not started\n");
        return 1;
    }
    for (const SeenMessageBox& box : run.boxes)
        printf("box: %s | %s\n", box.caption.c_str(), box.text.c_str());
    if (run.timedOut)
        printf("timeout\n");
    else
        printf("exit: %lu\n", run.exitCode);
    return run.timedOut ? 1 : 0;
}
