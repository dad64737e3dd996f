// A program laid out as the application, started for a test as a person starts it: one frame
// window holding the cheque window, with the modal About window in front.
#include "tests/support/framedprogram.h"

#include "tests/support/files.h"
#include "tests/support/waits.h"

testing::AssertionResult startFramedProgram(const std::string& program, const std::string& folderName,
                                            FramedProgram& started)
{
    return startFramedProgramIn(fullPath(program), freshFolder(fullPath(folderName)), started);
}

testing::AssertionResult startFramedProgramIn(const std::string& programPath, const std::string& folder,
                                              FramedProgram& started)
{
    SetCursorPos(1270, 1010); // where no window of the program will be
    started.folder = folder;
    started.session = std::make_unique<ProgramSession>("\"" + programPath + "\"", started.folder);
    started.frame = started.session->waitForWindow(frameTitle);
    if (!started.frame)
        return testing::AssertionFailure() << "no frame window";
    started.cheque = started.session->waitForWindow(chequeTitle);
    if (!started.cheque)
        return testing::AssertionFailure() << "no cheque window";
    started.about = started.session->waitForWindow(aboutTitle);
    if (!started.about)
        return testing::AssertionFailure() << "no About window over the cheque window";
    if (!waitAnswering([&] { return GetForegroundWindow() == started.about; }))
        return testing::AssertionFailure() << "the About window is not in front";
    return testing::AssertionSuccess();
}

bool closeFramedProgram(FramedProgram& started, DWORD& exitCode)
{
    if (started.frame && IsWindow(started.frame))
        closeWindow(started.frame);
    return started.session && started.session->waitForExit(10000, exitCode);
}

std::string programCopyIn(const std::string& program, const std::string& folderName)
{
    std::string copy = freshFolder(fullPath(folderName)) + "\\" + program;
    return CopyFileA(fullPath(program).c_str(), copy.c_str(), FALSE) ? copy : std::string();
}
