// Keyboard pre-translation: shortcuts, KeyDown events and the Tab, Return, Escape and arrow keys.
#include "ui/windows/keyboard.h"

#include "base/hoststate.h"
#include "runtime/strings/string.h"
#include "ui/windows/events.h"
#include "ui/windows/focus.h"
#include "ui/windows/framewindow.h"
#include "ui/windows/keypush.h"
#include "ui/windows/messagestate.h"
#include "ui/windows/shortcuts.h"

namespace {

struct NamedKey {
    int32_t virtualKey;
    const char* name;
};

const NamedKey namedKeys[] = {
    {VK_BACK, "Bsp"},        {VK_TAB, "Tab"},           {VK_CLEAR, "Clr"},     {VK_RETURN, "Enter"},
    {VK_ESCAPE, "Esc"},      {VK_SPACE, "Space"},       {VK_PRIOR, "PgUp"},    {VK_NEXT, "PgDn"},
    {VK_END, "End"},         {VK_HOME, "Home"},         {VK_LEFT, "Left"},     {VK_UP, "Up"},
    {VK_RIGHT, "Right"},     {VK_DOWN, "Down"},         {VK_SELECT, "Select"}, {VK_PRINT, "Print"},
    {VK_EXECUTE, "Execute"}, {VK_SNAPSHOT, "Snapshot"}, {VK_INSERT, "Ins"},    {VK_DELETE, "Del"},
    {VK_HELP, "Help"},
};

// Movement keys stand for control characters in KeyDown; Insert sits where the help key was
// and stands for its character.
const NamedKey keyCharacters[] = {
    {VK_BACK, "\x08"},  {VK_TAB, "\x09"},   {VK_RETURN, "\x0D"}, {VK_ESCAPE, "\x1B"}, {VK_LEFT, "\x1C"},
    {VK_RIGHT, "\x1D"}, {VK_UP, "\x1E"},    {VK_DOWN, "\x1F"},   {VK_DELETE, "\x7F"}, {VK_HOME, "\x01"},
    {VK_END, "\x04"},   {VK_PRIOR, "\x0B"}, {VK_NEXT, "\x0C"},   {VK_HELP, "\x05"},   {VK_INSERT, "\x05"},
};

const char* keyName(int32_t virtualKey, const NamedKey* table, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        if (table[i].virtualKey == virtualKey)
            return table[i].name;
    }
    return nullptr;
}

bool isArrowKey(int32_t virtualKey)
{
    return virtualKey >= VK_LEFT && virtualKey <= VK_DOWN;
}

// Inside our windows the focus is on a pane or on the window itself.
bool focusUsesArrows()
{
    Pane* focused = paneFromHandle(GetFocus());
    return focused && focused->usesArrowKeys();
}

Pane* defaultButton(WindowObject* window, bool cancel)
{
    Pane* found = nullptr;
    forEachPane(window, [&](Pane* pane) {
        if (!found && pane->visible() && pane->enabled() && (cancel ? pane->isCancelButton() : pane->isDefaultButton()))
            found = pane;
    });
    return found;
}

bool pushIfAny(Pane* pane)
{
    if (!pane)
        return false;
    pane->push();
    return true;
}

// What a key does when neither a shortcut nor a KeyDown handler took it.
bool applyKeyConventions(NativeWindow* native, Pane* focused, int32_t virtualKey, int32_t modifiers)
{
    WindowObject* window = native->window;
    switch (virtualKey) {
    case VK_TAB:
        if (modifiers & modifierControl)
            return false;
        if (focused && focused->keepsTab())
            return false;
        focusMove(window, focused, (modifiers & modifierShift) != 0);
        return true;
    case VK_RETURN:
        if (focused && focused->listDropped())
            return false;
        if (focused && focused->takesReturn())
            return pushIfAny(focused);
        return pushIfAny(defaultButton(window, false));
    case VK_ESCAPE:
        if (focused && focused->listDropped())
            return false;
        return pushIfAny(defaultButton(window, true));
    }
    if (!isArrowKey(virtualKey) || focusUsesArrows())
        return false;
    return focusMove(window, focused, virtualKey == VK_LEFT || virtualKey == VK_UP);
}

bool keyDownInWindow(NativeWindow* native, const MSG& message)
{
    int32_t virtualKey = static_cast<int32_t>(message.wParam);
    int32_t modifiers = modifiersFromKeyState();
    setCurrentModifiers(modifiers);
    if (shortcutRun(keyShortcutText(virtualKey, modifiers)))
        return true;
    if (isModifierOnlyKey(virtualKey))
        return false;
    Pane* focused = focusedPane(native);
    int32_t character = keyCharacter(virtualKey, (message.lParam >> 16) & 0xFF);
    if (focused && focused->keyDown(character, modifiers))
        return true;
    if (!nativeWindowIsListed(native))
        return true;
    char text[2] = {static_cast<char>(character), 0};
    StringRef key(stringFromText(text));
    if (raiseBooleanTextEvent(&native->window->header, "KeyDown", key.get()))
        return true;
    if (!nativeWindowIsListed(native))
        return true;
    return applyKeyConventions(native, focusedPane(native), virtualKey, modifiers);
}

} // namespace

std::string keyShortcutText(int32_t virtualKey, int32_t modifiers)
{
    if (isModifierOnlyKey(virtualKey))
        return {};
    std::string text;
    if (modifiers & modifierControl)
        text += "Ctrl+";
    if (modifiers & modifierShift)
        text += "Shft+";
    if (modifiers & modifierAlt)
        text += "Alt+";
    if (const char* name = keyName(virtualKey, namedKeys, std::size(namedKeys)))
        return text + name;
    // Function keys by their number, F1 to F24, as menu shortcuts write them: one character
    // after the F would make F10 "F:", which no shortcut could match.
    if (virtualKey >= VK_F1 && virtualKey <= VK_F24)
        return text + "F" + std::to_string(virtualKey - VK_F1 + 1);
    return text + static_cast<char>(virtualKey);
}

int32_t keyCharacter(int32_t virtualKey, UINT scanCode)
{
    if (const char* character = keyName(virtualKey, keyCharacters, std::size(keyCharacters)))
        return static_cast<uint8_t>(character[0]);
    // The numeric keypad sends its digit keys only while Num Lock is on, and they type their
    // digit whatever the layout's tables say (some leave them out).
    if (virtualKey >= VK_NUMPAD0 && virtualKey <= VK_NUMPAD9)
        return '0' + (virtualKey - VK_NUMPAD0);
    BYTE state[256];
    if (!GetKeyboardState(state))
        return 0;
    WORD typed = 0;
    if (ToAscii(static_cast<UINT>(virtualKey), scanCode, state, &typed, 0) != 1)
        return 0;
    return typed & 0xFF;
}

bool isModifierOnlyKey(int32_t virtualKey)
{
    return (virtualKey >= VK_SHIFT && virtualKey <= VK_CAPITAL) || (virtualKey >= VK_LWIN && virtualKey <= VK_APPS) ||
           virtualKey == VK_NUMLOCK || virtualKey == VK_SCROLL;
}

bool keyboardPreTranslate(MSG& message)
{
    if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) {
        NativeWindow* native = nativeWindowHolding(message.hwnd);
        keyPushBeginKey(message);
        bool consumed = native && !native->destroying && keyDownInWindow(native, message);
        keyPushEndKey();
        if (consumed)
            return true;
    }
    if (message.message == WM_KEYUP || message.message == WM_SYSKEYUP)
        keyPushKeyUp(message);
    if (hostState().frameMode && frameClientHandle())
        return TranslateMDISysAccel(frameClientHandle(), &message) != 0;
    return false;
}
