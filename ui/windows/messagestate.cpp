// The message being handled, the modifier keys and the kind of the latest button down, read by
// the mouse and keyboard properties and the controls.
#include "ui/windows/messagestate.h"

#include "ui/windows/pane.h"

namespace {

LastMessage last;
int32_t modifiers;
MouseDownKind mouseDown;

struct ButtonDownMessage {
    UINT message;
    MouseDownKind kind;
};

const ButtonDownMessage buttonDowns[] = {
    {WM_LBUTTONDOWN, {false, false}},  {WM_LBUTTONDBLCLK, {false, true}},  {WM_RBUTTONDOWN, {true, false}},
    {WM_RBUTTONDBLCLK, {true, true}},  {WM_NCLBUTTONDOWN, {false, false}}, {WM_NCLBUTTONDBLCLK, {false, true}},
    {WM_NCRBUTTONDOWN, {true, false}}, {WM_NCRBUTTONDBLCLK, {true, true}},
};

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

void recordMouseDown(UINT message)
{
    for (const ButtonDownMessage& down : buttonDowns) {
        if (down.message == message)
            mouseDown = down.kind;
    }
}

MouseDownKind lastMouseDown()
{
    return mouseDown;
}
