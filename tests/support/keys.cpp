// Keys pressed and released as a person's keyboard sends them, each awaited until the system has
// queued it.
#include "tests/support/keys.h"

#include "tests/support/waits.h"

#include <gtest/gtest.h>

// SendInput returns before the input is in the program's queue (Wine passes it on a moment
// later), and a message sent to the program meanwhile is answered before the input is taken:
// the system's key state shows when the press or release has been queued.
void sendQueued(INPUT input, int key, bool down)
{
    SendInput(1, &input, sizeof input);
    if (!waitUntil([key, down] { return ((GetAsyncKeyState(key) & 0x8000) != 0) == down; }, 1000))
        ADD_FAILURE() << "the system did not queue the " << (down ? "press" : "release") << " of key " << key;
}

void sendKeyEdge(WORD key, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    sendQueued(input, key, !up);
}
