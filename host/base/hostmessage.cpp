// The one way the runtime shows a message to the person at the screen.
#include "host/base/hostmessage.h"

MessageSteps& messageSteps()
{
    static MessageSteps steps;
    return steps;
}

void hostShowMessage(const char* text)
{
    if (messageSteps().show)
        messageSteps().show(text, MB_ICONINFORMATION);
    else
        MessageBoxA(nullptr, text, "Message", MB_ICONINFORMATION);
}

void hostShowWarning(const char* text)
{
    if (messageSteps().show)
        messageSteps().show(text, MB_ICONWARNING);
    else
        MessageBoxA(nullptr, text, "", MB_ICONWARNING);
}
