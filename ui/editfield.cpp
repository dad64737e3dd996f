// EditField: a rich-edit control, single or multi-line, with TextChange, SelChange, GotFocus,
// LostFocus and KeyDown, a password mode that keeps the typed text aside, and the character
// format of the control's font description.
#include "graphics/fontcache.h"
#include "ui/controlaccessors.h"
#include "ui/controlkinds.h"
#include "ui/events.h"
#include "ui/fieldaccessors.h"
#include "ui/gdiobjects.h"
#include "ui/messagebox.h"
#include "ui/nativepane.h"

#include <richedit.h>

#include <cstddef>
#include <cstring>
#include <string>

namespace {

struct EditFieldObject {
    RectControlObject rect;
    StringRecord* text;        // in password mode the typed text, which the control shows as stars
    StringRecord* textFont;
    int32_t textColor;         // 0xRRGGBB
    int32_t selStart;
    int32_t selLength;
    int32_t limitText;         // characters the field takes at most; 0 for no limit of ours
    int16_t textSize;
    uint8_t bold;
    uint8_t italic;
    uint8_t underline;
    uint8_t multiLine;
    uint8_t border;
    uint8_t readOnly;
    uint8_t password;
    uint8_t acceptTabs;
};
static_assert(sizeof(EditFieldObject) <= 140, "the EditField class is 140 bytes");

EditFieldObject* asEditField(ObjectHeader* object)
{
    return reinterpret_cast<EditFieldObject*>(object);
}

// Keys the field hears of before the system acts on them, by the character they stand for:
// backspace, tab, page up and down, end, home, the arrows and delete.
bool isFieldKey(int32_t character)
{
    static const char keys[] = {0x08, 0x09, 0x0B, 0x0C, 0x04, 0x01, 0x1C, 0x1D, 0x1E, 0x1F, 0x7F};
    return character != 0 && memchr(keys, character, sizeof keys) != nullptr;
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

class EditFieldPane : public NativePane {
public:
    using NativePane::NativePane;

    void open(NativeWindow* native) override
    {
        static HMODULE richEdit = LoadLibraryA("RICHED32.DLL");
        (void)richEdit;
        EditFieldObject* field = asEditField(control());
        DWORD style = WS_TABSTOP | (field->readOnly ? ES_READONLY : 0);
        style |= field->multiLine ? ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL | WS_VSCROLL : ES_AUTOHSCROLL;
        if (!createControl(native, "RichEdit", style, field->border ? WS_EX_CLIENTEDGE : 0, ""))
            return;
        SendMessageA(windowHandle, EM_SETBKGNDCOLOR, 0, GetSysColor(COLOR_WINDOW));
        if (field->limitText > 0)
            SendMessageA(windowHandle, EM_EXLIMITTEXT, 0, field->limitText);
        applyFont();
        showText();
        if (field->selStart || field->selLength)
            select(field->selStart, field->selLength);
    }

    // The stored text into the control; the events follow from here on.
    void showText()
    {
        EditFieldObject* field = asEditField(control());
        const char* text = stringText(field->text);
        SetWindowTextA(windowHandle, field->password ? starsFor(text).c_str() : text);
        SendMessageA(windowHandle, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE);
    }

    void applyFont()
    {
        EditFieldObject* field = asEditField(control());
        setFont(nativeFontAcquire(field->textFont, field->textSize, field->bold, field->italic, field->underline));
        CHARFORMATA format = {};
        format.cbSize = sizeof format;
        format.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_FACE | CFM_CHARSET | CFM_COLOR;
        format.dwEffects = (field->bold ? CFE_BOLD : 0) | (field->italic ? CFE_ITALIC : 0) |
                           (field->underline ? CFE_UNDERLINE : 0);
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

    CHARRANGE selection() const
    {
        CHARRANGE range = {0, 0};
        if (windowHandle)
            SendMessageA(windowHandle, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
        return range;
    }

    // Selects without the control's own notification: the caller raises SelChange once.
    void select(int32_t start, int32_t length)
    {
        CHARRANGE range = {start, start + length};
        quiet = true;
        SendMessageA(windowHandle, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
        quiet = false;
    }

    bool keepsTab() const override { return asEditField(control())->acceptTabs != 0; }

    bool keyDown(int32_t character, int32_t) override
    {
        if (!isFieldKey(character))
            return false;
        if (raiseKeyDown(control(), static_cast<char>(character)))
            return true;
        if (asEditField(control())->password && (character == 0x08 || character == 0x7F))
            eraseTyped(character == 0x08);
        return false;
    }

    bool handleMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override
    {
        if (message == WM_CHAR)
            return onCharacter(static_cast<uint8_t>(wParam), result);
        if (message == WM_IME_CHAR)
            return onInputMethodCharacter(wParam, result);
        return false;
    }

    void command(int32_t code) override
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

    LRESULT notify(NMHDR* header) override
    {
        if (header->code == EN_SELCHANGE && !quiet)
            raiseEvent(control(), "SelChange");
        return 0;
    }

private:
    // Typed characters: KeyDown for single-byte ones (a true answer drops the character). The
    // control takes characters one byte at a time, so the two bytes of a double-byte
    // character are put in together, as are all characters of a password field (as stars).
    bool onCharacter(uint8_t character, LRESULT& result)
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
        if (character > 31 && raiseKeyDown(control(), static_cast<char>(character)))
            return true;
        if (!asEditField(control())->password || character <= 31)
            return false;
        const char single[2] = {static_cast<char>(character), 0};
        insertTyped(single);
        return true;
    }

    // A character from the input method: a double-byte one comes whole.
    bool onInputMethodCharacter(WPARAM character, LRESULT& result)
    {
        if (character <= 0xFF)
            return onCharacter(static_cast<uint8_t>(character), result);
        const char pair[3] = {static_cast<char>(character >> 8), static_cast<char>(character & 0xFF), 0};
        insertTyped(pair);
        result = 0;
        return true;
    }

    void insertTyped(const char* bytes)
    {
        EditFieldObject* field = asEditField(control());
        if (field->readOnly || !roomForOneMore())
            return;
        if (field->password)
            replaceTyped(bytes);
        std::string shown = field->password ? starsFor(bytes) : bytes;
        SendMessageA(windowHandle, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(shown.c_str()));
    }

    // The control keeps its limit for what it is typed itself, not for inserted text.
    bool roomForOneMore() const
    {
        int32_t limit = asEditField(control())->limitText;
        if (limit <= 0)
            return true;
        CHARRANGE range = selection();
        return GetWindowTextLengthW(windowHandle) - (range.cpMax - range.cpMin) < limit;
    }

    void replaceTyped(const char* bytes)
    {
        EditFieldObject* field = asEditField(control());
        std::string typed(stringText(field->text), stringLength(field->text));
        CHARRANGE range = clampedSelection(typed.size());
        typed.replace(range.cpMin, range.cpMax - range.cpMin, bytes);
        storeTyped(typed);
    }

    void eraseTyped(bool backwards)
    {
        EditFieldObject* field = asEditField(control());
        std::string typed(stringText(field->text), stringLength(field->text));
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

    CHARRANGE clampedSelection(size_t length) const
    {
        CHARRANGE range = selection();
        auto clamp = [length](LONG at) { return at < 0 ? 0 : static_cast<size_t>(at) > length ? static_cast<LONG>(length) : at; };
        return {clamp(range.cpMin), clamp(range.cpMax)};
    }

    void storeTyped(const std::string& typed)
    {
        StringRef text(stringMake(typed.data(), static_cast<int32_t>(typed.size())));
        stringAssign(asEditField(control())->text, text.get());
    }

    bool quiet = false;
    uint8_t leadByte = 0;   // the first byte of a double-byte character being typed
};

EditFieldPane* editPane(ObjectHeader* field)
{
    Pane* pane = paneOfControl(field);
    return pane && pane->handle() ? static_cast<EditFieldPane*>(pane) : nullptr;
}

void destroyEditField(ObjectHeader* object, ClassDescriptor*)
{
    RuntimeUnlockString(asEditField(object)->text);
    RuntimeUnlockString(asEditField(object)->textFont);
}

const char* const unsupportedStyles[] = {"Outline", "Shadow", "Condensed", "Extended"};

void warnUnsupportedStyle(int32_t style)
{
    if (style < 0 || style > 3)
        return;
    std::string text = std::string("Windows does not support the '") + unsupportedStyles[style] + "' text font style.";
    MessageBoxA(messageBoxOwner(), text.c_str(), "", MB_ICONWARNING);
}

} // namespace

extern "C" StringRecord* editTextGetter(ObjectHeader* field, int32_t)
{
    if (!field)
        return nullptr;
    EditFieldPane* pane = editPane(field);
    if (!pane || asEditField(field)->password)
        return RuntimeLockString(asEditField(field)->text);
    // The length may come in characters; a double-byte character takes two bytes.
    int32_t length = GetWindowTextLengthA(pane->handle());
    if (length <= 0)
        return nullptr;
    std::string text(2 * static_cast<size_t>(length) + 1, '\0');
    length = GetWindowTextA(pane->handle(), text.data(), static_cast<int>(text.size()));
    return stringMake(text.data(), length);
}

extern "C" void editTextSetter(ObjectHeader* field, int32_t, StringRecord* text)
{
    if (!field)
        return;
    stringAssign(asEditField(field)->text, text);
    if (EditFieldPane* pane = editPane(field))
        pane->showText();
}

extern "C" int32_t editSelStartGetter(ObjectHeader* field, int32_t)
{
    EditFieldPane* pane = editPane(field);
    return pane ? pane->selection().cpMin : field ? asEditField(field)->selStart : 0;
}

extern "C" void editSelStartSetter(ObjectHeader* field, int32_t, int32_t position)
{
    if (!field)
        return;
    EditFieldPane* pane = editPane(field);
    if (!pane) {
        asEditField(field)->selStart = position;
        return;
    }
    CHARRANGE range = pane->selection();
    pane->select(position, range.cpMax - range.cpMin);
    raiseEvent(field, "SelChange");
}

extern "C" int32_t editSelLengthGetter(ObjectHeader* field, int32_t)
{
    EditFieldPane* pane = editPane(field);
    if (!pane)
        return field ? asEditField(field)->selLength : 0;
    CHARRANGE range = pane->selection();
    return range.cpMax - range.cpMin;
}

extern "C" void editSelLengthSetter(ObjectHeader* field, int32_t, int32_t length)
{
    if (!field)
        return;
    EditFieldPane* pane = editPane(field);
    if (!pane) {
        asEditField(field)->selLength = length;
        return;
    }
    pane->select(pane->selection().cpMin, length);
    raiseEvent(field, "SelChange");
}

// Font name, size and styles: stored, then the whole description is applied again.
extern "C" void editTextFontSetter(ObjectHeader* field, int32_t, StringRecord* name)
{
    if (!field)
        return;
    stringAssign(asEditField(field)->textFont, name);
    if (EditFieldPane* pane = editPane(field))
        pane->applyFont();
}

extern "C" void editFontStyleSetter(ObjectHeader* field, int32_t offset, int32_t value)
{
    if (!field)
        return;
    if (offset == offsetof(EditFieldObject, textSize))
        shortFieldSetter(field, offset, value);
    else if (offset == offsetof(EditFieldObject, textColor))
        integerFieldSetter(field, offset, value);
    else
        booleanFieldSetter(field, offset, value);
    if (EditFieldPane* pane = editPane(field))
        pane->applyFont();
}

extern "C" void editReadOnlySetter(ObjectHeader* field, int32_t, int32_t value)
{
    if (!field)
        return;
    asEditField(field)->readOnly = (value & 0xFF) != 0;
    if (EditFieldPane* pane = editPane(field))
        SendMessageA(pane->handle(), EM_SETREADONLY, asEditField(field)->readOnly, 0);
}

extern "C" int32_t editUnsupportedStyleGetter(ObjectHeader*, int32_t style)
{
    warnUnsupportedStyle(style);
    return 0;
}

extern "C" void editUnsupportedStyleSetter(ObjectHeader*, int32_t style, int32_t)
{
    warnUnsupportedStyle(style);
}

void editFieldSetUpClass(ClassDescriptor* cls)
{
    cls->destructor = destroyEditField;
    void* const booleanGetter = accessor(booleanFieldGetter);
    void* const booleanSetter = accessor(booleanFieldSetter);
    void* const styleSetter = accessor(editFontStyleSetter);
    struct Entry {
        const char* name;
        void* getter;
        void* setter;
        int32_t parameter;
        PropertyType type;
    };
    const Entry entries[] = {
        {"Text", accessor(editTextGetter), accessor(editTextSetter), 0, propertyString},
        {"TextFont", accessor(stringGetter), accessor(editTextFontSetter), offsetof(EditFieldObject, textFont),
         propertyString},
        {"TextSize", accessor(shortFieldGetter), styleSetter, offsetof(EditFieldObject, textSize), propertyInteger},
        {"TextColor", accessor(integerFieldGetter), styleSetter, offsetof(EditFieldObject, textColor), propertyColor},
        {"Bold", booleanGetter, styleSetter, offsetof(EditFieldObject, bold), propertyBoolean},
        {"Italic", booleanGetter, styleSetter, offsetof(EditFieldObject, italic), propertyBoolean},
        {"Underline", booleanGetter, styleSetter, offsetof(EditFieldObject, underline), propertyBoolean},
        {"MultiLine", booleanGetter, booleanSetter, offsetof(EditFieldObject, multiLine), propertyBoolean},
        {"Border", booleanGetter, booleanSetter, offsetof(EditFieldObject, border), propertyBoolean},
        {"ReadOnly", booleanGetter, accessor(editReadOnlySetter), offsetof(EditFieldObject, readOnly), propertyBoolean},
        {"Password", booleanGetter, booleanSetter, offsetof(EditFieldObject, password), propertyBoolean},
        {"AcceptTabs", booleanGetter, booleanSetter, offsetof(EditFieldObject, acceptTabs), propertyBoolean},
        {"LimitText", accessor(integerFieldGetter), accessor(integerFieldSetter), offsetof(EditFieldObject, limitText),
         propertyInteger},
        {"SelStart", accessor(editSelStartGetter), accessor(editSelStartSetter), 0, propertyInteger},
        {"SelLength", accessor(editSelLengthGetter), accessor(editSelLengthSetter), 0, propertyInteger},
        {"SelOutline", accessor(editUnsupportedStyleGetter), accessor(editUnsupportedStyleSetter), 0, propertyBoolean},
        {"SelShadow", accessor(editUnsupportedStyleGetter), accessor(editUnsupportedStyleSetter), 1, propertyBoolean},
        {"SelCondense", accessor(editUnsupportedStyleGetter), accessor(editUnsupportedStyleSetter), 2, propertyBoolean},
        {"SelExtend", accessor(editUnsupportedStyleGetter), accessor(editUnsupportedStyleSetter), 3, propertyBoolean},
    };
    for (const Entry& entry : entries)
        classDeclareProperty(cls, entry.name, entry.getter, entry.setter, entry.parameter, entry.type);
    classAddRuntimeHandler(cls, "CreatePane", accessor(createNativePane<EditFieldPane>));
}
