// Buttons pushed from the keyboard: shown pressed while their key is held, pushed once a press.
#pragma once

#include "runtime/objects/object.h"

#include <windows.h>

// The key down being handed to the KeyDown events now, so that a push knows its key; cleared
// when they are done.
void keyPushBeginKey(const MSG& message);
void keyPushEndKey();
// A key going up lets go of the button it holds.
void keyPushKeyUp(const MSG& message);

extern "C" {
// Pushes a visible, enabled button as a click would, from a KeyDown handler: the button shows
// pressed until its key goes up, and the key's repeats while it is held push nothing more.
void RuntimeKeyPushButton(ObjectHeader* control);
}
