// The one way the runtime shows a message to the person at the screen.
#include "base/hostmessage.h"

MessageSteps& messageSteps()
{
    static MessageSteps steps;
    return steps;
}

namespace {

// Before the window framework supplies its way, a plain box without owner.
void show(const char* text, UINT icon, const char* plainCaption)
{
    if (messageSteps().show)
        messageSteps().show(text, icon);
    else
        MessageBoxA(nullptr, text, plainCaption, icon);
}

} // namespace

void hostShowMessage(const char* text)
{
    show(text, MB_ICONINFORMATION, "Message");
}

void hostShowWarning(const char* text)
{
    show(text, MB_ICONWARNING, "");
}

HWND hostDialogOwner()
{
    return messageSteps().owner ? messageSteps().owner() : nullptr;
}
