// The message being handled, the modifier keys and the kind of the latest button down, read by
// the mouse and keyboard properties and the controls.
#pragma once

#include <windows.h>

#include <cstdint>

struct LastMessage {
    HWND handle;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    LONG time;
    DWORD position; // screen position packed as GetMessagePos gives it
};

void recordMessage(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
const LastMessage& lastMessage();

// The modifier word (Control 0x1000, Shift 0x200, Alt 0x800, a Windows key 0x100) from the
// keyboard state; the mouse form takes Shift and Control from a mouse message's flags.
int32_t modifiersFromKeyState();
int32_t modifiersFromMouseFlags(WPARAM flags);
int32_t currentModifiers();
void setCurrentModifiers(int32_t modifiers);

// Which button the latest button down was of, and whether it was the second click of a double
// click; recorded for every button down (client or non-client) that reaches our windows.
struct MouseDownKind {
    bool rightButton;
    bool doubleClick;
};

void recordMouseDown(UINT message);
MouseDownKind lastMouseDown();
