// The message being handled and the modifier keys, read by the mouse and keyboard properties.
#include "ui/windows/messagestate.h"

#include "ui/windows/pane.h"

namespace {

LastMessage last;
int32_t modifiers;

bool isDown(int virtualKey)
{
    return (GetKeyState(virtualKey) & 0x8000) != 0;
}

} // namespace

void recordMessage(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    last = {handle, message, wParam, lParam, GetMessageTime(), GetMessagePos()};
}

const LastMessage& lastMessage()
{
    return last;
}

int32_t modifiersFromKeyState()
{
    int32_t word = 0;
    if (isDown(VK_CONTROL))
        word |= modifierControl;
    if (isDown(VK_SHIFT))
        word |= modifierShift;
    if (isDown(VK_MENU))
        word |= modifierAlt;
    if (isDown(VK_LWIN) || isDown(VK_RWIN))
        word |= modifierWindows;
    return word;
}

int32_t modifiersFromMouseFlags(WPARAM flags)
{
    int32_t word = 0;
    if (flags & MK_CONTROL)
        word |= modifierControl;
    if (flags & MK_SHIFT)
        word |= modifierShift;
    return word;
}

int32_t currentModifiers()
{
    return modifiers;
}

void setCurrentModifiers(int32_t word)
{
    modifiers = word;
}
