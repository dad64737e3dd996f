// EditField's pane: the rich-edit control, its font, its events, typing with KeyDown and
// double-byte characters, and the password mode that keeps the typed text aside.
#include "ui/controls/editfieldpane.h"

#include "graphics/fontcache.h"
#include "graphics/gdiobjects.h"
#include "ui/windows/events.h"

#include <cstring>
#include <utility>

namespace {

// Keys the field hears of before the system acts on them, by the character they stand for:
// backspace, tab, page up and down, end, home, the arrows, insert (help) and delete.
bool isFieldKey(int32_t character)
{
    static const char keys[] = {0x08, 0x09, 0x0B, 0x0C, 0x04, 0x01, 0x1C, 0x1D, 0x1E, 0x1F, 0x05, 0x7F};
    return character != 0 && memchr(keys, character, sizeof keys) != nullptr;
}

// A single-byte character a key types; lead bytes of double-byte characters come on their own.
bool isTypedCharacter(int32_t character)
{
    return character > 31 && character != 0x7F && !IsDBCSLeadByte(static_cast<BYTE>(character));
}

bool raiseKeyDown(ObjectHeader* field, char character)
{
    char text[2] = {character, 0};
    StringRef key(stringFromText(text));
    return raiseBooleanTextEvent(field, "KeyDown", key.get());
}

std::string starsFor(const char* text)
{
    std::string shown;
    for (const char* at = text; *at; ++at)
        shown += static_cast<uint8_t>(*at) > 31 ? '*' : *at;
    return shown;
}

} // namespace

void EditFieldPane::open(NativeWindow* native)
{
    static HMODULE richEdit = LoadLibraryA("RICHED32.DLL");
    (void)richEdit;
    DWORD style = WS_TABSTOP | (field()->readOnly ? ES_READONLY : 0);
    style |= field()->multiLine ? ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL | WS_VSCROLL : ES_AUTOHSCROLL;
    if (!createControl(native, "RichEdit", style, field()->border ? WS_EX_CLIENTEDGE : 0, ""))
        return;
    SendMessageA(windowHandle, EM_SETBKGNDCOLOR, 0, GetSysColor(COLOR_WINDOW));
    if (field()->limitText > 0)
        SendMessageA(windowHandle, EM_EXLIMITTEXT, 0, field()->limitText);
    applyFont();
    showText();
    if (field()->selStart || field()->selLength)
        select(field()->selStart, field()->selLength);
}

void EditFieldPane::showText()
{
    const char* text = stringText(field()->text);
    SetWindowTextA(windowHandle, field()->password ? starsFor(text).c_str() : text);
    SendMessageA(windowHandle, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE);
}

void EditFieldPane::applyFont()
{
    EditFieldObject* field = this->field();
    setFont(nativeFontAcquire(field->textFont, field->textSize, field->bold, field->italic, field->underline));
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    format.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_FACE | CFM_CHARSET | CFM_COLOR;
    format.dwEffects =
        (field->bold ? CFE_BOLD : 0) | (field->italic ? CFE_ITALIC : 0) | (field->underline ? CFE_UNDERLINE : 0);
    // Size 0 is the system's default height, which the control already has.
    if (field->textSize > 0) {
        format.dwMask |= CFM_SIZE;
        format.yHeight = field->textSize * 15;
    }
    format.crTextColor = colorRefFromRgb(field->textColor);
    format.bCharSet = fontCharacterSet();
    const char* requested = stringLength(field->textFont) ? stringText(field->textFont) : "System";
    strncpy(format.szFaceName, fontFaceName(requested), 30);
    SendMessageA(windowHandle, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

CHARRANGE EditFieldPane::selection() const
{
    CHARRANGE range = {0, 0};
    if (windowHandle)
        SendMessageA(windowHandle, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return range;
}

void EditFieldPane::select(int32_t start, int32_t length)
{
    CHARRANGE range = {start, start + length};
    quiet = true;
    SendMessageA(windowHandle, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    quiet = false;
}

// The focused field hears of a key before its window does: the editing keys, and the typed
// characters too, whose WM_CHAR then raises no second KeyDown. A true answer keeps the key from
// the window and the field alike.
bool EditFieldPane::keyDown(int32_t character, int32_t modifiers)
{
    bool typed = isTypedCharacter(character) && !(modifiers & (modifierControl | modifierAlt));
    keyDownRaisedFor = typed ? static_cast<uint8_t>(character) : 0;
    if (!typed && !isFieldKey(character))
        return false;
    if (raiseKeyDown(control(), static_cast<char>(character)))
        return true;
    if (field()->password && (character == 0x08 || character == 0x7F))
        eraseTyped(character == 0x08);
    return false;
}

bool EditFieldPane::handleMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result)
{
    switch (message) {
    case WM_CHAR:
        return onCharacter(static_cast<uint8_t>(wParam), result);
    case WM_IME_CHAR:
        return onInputMethodCharacter(wParam, result);
    case WM_KEYDOWN:
        // Only a key that reached the field types its character here.
        announcedCharacter = std::exchange(keyDownRaisedFor, 0);
        return field()->password && onPasswordEditingKey(wParam);
    case WM_PASTE:
    case WM_CUT:
    case WM_COPY:
    case EM_UNDO:
    case WM_UNDO:
        if (!field()->password)
            return false;
        if (message == WM_PASTE)
            pasteIntoPassword();
        result = 0;
        return true;
    }
    return false;
}

void EditFieldPane::command(int32_t code)
{
    switch (code) {
    case EN_CHANGE:
        raiseEvent(control(), "TextChange");
        break;
    case EN_SETFOCUS:
        window()->focusControl = control();
        raiseEvent(control(), "GotFocus");
        break;
    case EN_KILLFOCUS:
        raiseEvent(control(), "LostFocus");
        break;
    }
}

LRESULT EditFieldPane::notify(NMHDR* header)
{
    if (header->code == EN_SELCHANGE && !quiet)
        raiseEvent(control(), "SelChange");
    return 0;
}

// Typed characters: KeyDown for single-byte ones (a true answer drops the character). The
// control takes characters one byte at a time, so the two bytes of a double-byte character
// are put in together, as are all characters of a password field (as stars).
bool EditFieldPane::onCharacter(uint8_t character, LRESULT& result)
{
    result = 0;
    if (leadByte) {
        const char pair[3] = {static_cast<char>(leadByte), static_cast<char>(character), 0};
        leadByte = 0;
        insertTyped(pair);
        return true;
    }
    if (IsDBCSLeadByte(character)) {
        leadByte = character;
        return true;
    }
    bool announced = character == announcedCharacter;
    announcedCharacter = 0;
    if (character > 31 && !announced && raiseKeyDown(control(), static_cast<char>(character)))
        return true;
    if (!field()->password || character <= 31)
        return false;
    const char single[2] = {static_cast<char>(character), 0};
    insertTyped(single);
    return true;
}

// A character from the input method: a double-byte one comes whole.
bool EditFieldPane::onInputMethodCharacter(WPARAM character, LRESULT& result)
{
    if (character <= 0xFF)
        return onCharacter(static_cast<uint8_t>(character), result);
    const char pair[3] = {static_cast<char>(character >> 8), static_cast<char>(character & 0xFF), 0};
    insertTyped(pair);
    result = 0;
    return true;
}

void EditFieldPane::insertTyped(const char* bytes)
{
    if (field()->readOnly || !roomForOneMore())
        return;
    if (field()->password)
        replaceTyped(bytes);
    std::string shown = field()->password ? starsFor(bytes) : bytes;
    SendMessageA(windowHandle, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(shown.c_str()));
}

// The control keeps its limit for what it is typed itself, not for inserted text.
bool EditFieldPane::roomForOneMore() const
{
    int32_t limit = field()->limitText;
    if (limit <= 0)
        return true;
    CHARRANGE range = selection();
    return GetWindowTextLengthW(windowHandle) - (range.cpMax - range.cpMin) < limit;
}

void EditFieldPane::replaceTyped(const char* bytes)
{
    std::string typed(stringText(field()->text), stringLength(field()->text));
    CHARRANGE range = clampedSelection(typed.size());
    typed.replace(range.cpMin, range.cpMax - range.cpMin, bytes);
    storeTyped(typed);
}

void EditFieldPane::eraseTyped(bool backwards)
{
    std::string typed(stringText(field()->text), stringLength(field()->text));
    CHARRANGE range = clampedSelection(typed.size());
    if (range.cpMin == range.cpMax) {
        if (backwards && range.cpMin > 0)
            --range.cpMin;
        else if (!backwards && static_cast<size_t>(range.cpMax) < typed.size())
            ++range.cpMax;
    }
    typed.erase(range.cpMin, range.cpMax - range.cpMin);
    storeTyped(typed);
}

CHARRANGE EditFieldPane::clampedSelection(size_t length) const
{
    CHARRANGE range = selection();
    auto clamp = [length](LONG at) {
        return at < 0 ? 0 : static_cast<size_t>(at) > length ? static_cast<LONG>(length) : at;
    };
    return {clamp(range.cpMin), clamp(range.cpMax)};
}

void EditFieldPane::storeTyped(const std::string& typed)
{
    StringRef text(stringFromView(typed));
    stringAssign(field()->text, text.get());
}

EditFieldPane* editPane(ObjectHeader* field)
{
    Pane* pane = paneOfControl(field);
    return pane && pane->handle() ? static_cast<EditFieldPane*>(pane) : nullptr;
}
