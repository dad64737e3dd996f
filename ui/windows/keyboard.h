// Keyboard pre-translation: shortcuts, KeyDown events and the Tab, Return, Escape and arrow keys.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// The shortcut text of a key: "Ctrl+", "Shft+", "Alt+" as held, then the key's name ("Enter",
// "Tab", "PgUp", "F5", "S", ...).
std::string keyShortcutText(int32_t virtualKey, int32_t modifiers);
// The character a key stands for in KeyDown: what it types (with Shift), or the control
// character of a movement key (Return 13, Left 28, Delete 127, ...); 0 for none.
int32_t keyCharacter(int32_t virtualKey, UINT scanCode);
// Keys that alone raise nothing: Shift, Control, Alt, Pause, Caps Lock, the Windows and
// application keys, Num Lock and Scroll Lock.
bool isModifierOnlyKey(int32_t virtualKey);

// Examines a message taken from the queue before it is translated; true when it was consumed.
bool keyboardPreTranslate(MSG& message);
