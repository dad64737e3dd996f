// The runtime's one trace routine: lines of text into "trace.log" in the current folder.
#include "runtime/strings/string.h"

#include <windows.h>

namespace {
HANDLE traceFile = INVALID_HANDLE_VALUE;

void writeAll(const char* bytes, DWORD size)
{
    DWORD written = 0;
    WriteFile(traceFile, bytes, size, &written, nullptr);
}
} // namespace

// The file is made afresh by the first call of a run and stays open until the process
// ends; each line goes straight to the file, so a crash loses nothing already traced.
extern "C" void lineTrace(StringRecord* text)
{
    if (traceFile == INVALID_HANDLE_VALUE) {
        traceFile = CreateFileA("trace.log", GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
        if (traceFile == INVALID_HANDLE_VALUE)
            return;
    }
    writeAll(stringText(text), static_cast<DWORD>(stringLength(text)));
    writeAll("\r\n", 2);
}
