// The standard editing of an EditField from the Edit menu and its shortcuts: which of "EditCut",
// "EditCopy", "EditPaste", "EditClear" and "EditUndo" the focused field offers, and doing them.
// A password field never gives its text away and keeps its typed text in step.
#include "runtime/strings/identifier.h"
#include "ui/controls/editfieldpane.h"
#include "ui/menus/menuenabling.h"

#include <string>

namespace {

struct EditCommand {
    const char* itemName;
    UINT message;
    bool needsSelection;
    bool changesText; // refused in a read-only field
    bool revealsText; // refused in a password field
};

const EditCommand editCommands[] = {
    {"EditCut", WM_CUT, true, true, true},       {"EditCopy", WM_COPY, true, false, true},
    {"EditPaste", WM_PASTE, false, true, false}, {"EditClear", WM_CLEAR, true, true, false},
    {"EditUndo", EM_UNDO, false, true, true},
};

const EditCommand* editCommandNamed(std::string_view itemName)
{
    for (const EditCommand& command : editCommands) {
        if (identifierEquals(itemName, command.itemName))
            return &command;
    }
    return nullptr;
}

std::string clipboardText(HWND owner)
{
    std::string text;
    if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(owner))
        return text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
            text = bytes;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

} // namespace

bool EditFieldPane::hasSelection() const
{
    CHARRANGE range = selection();
    return range.cpMax > range.cpMin;
}

void EditFieldPane::enableMenuItems()
{
    if (!windowHandle)
        return;
    const bool selected = hasSelection();
    for (const EditCommand& command : editCommands) {
        if (command.changesText && field()->readOnly)
            continue;
        if (command.revealsText && field()->password)
            continue;
        if (command.needsSelection && !selected)
            continue;
        if (command.message == WM_PASTE && !IsClipboardFormatAvailable(CF_TEXT))
            continue;
        if (command.message == EM_UNDO && !SendMessageA(windowHandle, EM_CANUNDO, 0, 0))
            continue;
        menuEnableItemNamed(command.itemName);
    }
}

// The field handles its edit items even when it may not do them now (a read-only field and
// Cut): the item is its own, nobody else should act on it.
bool EditFieldPane::menuCommand(std::string_view itemName)
{
    const EditCommand* command = editCommandNamed(itemName);
    if (!command || !windowHandle)
        return command != nullptr;
    if ((command->changesText && field()->readOnly) || (command->revealsText && field()->password))
        return true;
    if (field()->password && command->message == WM_CLEAR) {
        if (hasSelection())
            eraseTyped(false);
        SendMessageA(windowHandle, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(""));
        return true;
    }
    SendMessageA(windowHandle, command->message, 0, 0);
    return true;
}

// Pasting into a password field goes through typing, so that the text is kept and shown as
// stars. Nothing is copied out of it, and cutting, undoing and deleting words would let the
// shown stars and the kept text part.
bool EditFieldPane::onPasswordEditingKey(WPARAM virtualKey)
{
    const bool control = GetKeyState(VK_CONTROL) < 0;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    if ((control && virtualKey == 'V') || (shift && virtualKey == VK_INSERT)) {
        pasteIntoPassword();
        return true;
    }
    static const WPARAM refusedWithControl[] = {'C', 'X', 'Z', 'Y', VK_INSERT, VK_BACK, VK_DELETE};
    for (WPARAM refused : refusedWithControl) {
        if (control && virtualKey == refused)
            return true;
    }
    return shift && virtualKey == VK_DELETE;
}

void EditFieldPane::pasteIntoPassword()
{
    std::string text = clipboardText(windowHandle);
    // One line only: a line end would end the password.
    text = text.substr(0, text.find_first_of("\r\n"));
    if (!text.empty())
        insertTyped(text.c_str());
}
