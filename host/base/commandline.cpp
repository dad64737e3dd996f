// Splitting the command line into the arguments handed to OpenDocument.
#include "host/base/commandline.h"

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
