// The command line after the program's name, and its arguments for OpenDocument.
#include "base/commandline.h"

#include <cstring>

std::vector<std::string> commandLineArguments(const char* commandLine)
{
    std::vector<std::string> arguments;
    const char* at = commandLine ? commandLine : "";
    while (*at) {
        if (*at == ' ') {
            ++at;
            continue;
        }
        char end = *at == '"' ? '"' : ' ';
        if (end == '"')
            ++at;
        const char* start = at;
        while (*at && *at != end)
            ++at;
        arguments.emplace_back(start, at);
        if (*at == '"')
            ++at;
    }
    return arguments;
}

const char* commandLineAfterProgramName(const char* rawCommandLine)
{
    const char* at = rawCommandLine ? rawCommandLine : "";
    if (*at == '"') {
        const char* closing = strchr(at + 1, '"');
        at = closing ? closing + 1 : at + strlen(at);
    } else {
        at += strcspn(at, " \t");
    }
    return *at == ' ' || *at == '\t' ? at + 1 : at;
}
