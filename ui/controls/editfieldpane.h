// EditField's object layout and its pane: a rich-edit control that raises TextChange,
// SelChange, GotFocus, LostFocus and KeyDown, keeps a password field's typed text aside and
// offers the standard editing to the Edit menu.
#pragma once

#include "ui/windows/controlobject.h"
#include "ui/windows/nativepane.h"

#include <richedit.h>

#include <string>
#include <string_view>

struct EditFieldObject {
    RectControlObject rect;
    StringRecord* text; // in password mode the typed text, which the control shows as stars
    StringRecord* textFont;
    int32_t textColor; // 0xRRGGBB
    int32_t selStart;
    int32_t selLength;
    int32_t limitText; // characters the field takes at most; 0 for no limit of ours
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

inline EditFieldObject* asEditField(ObjectHeader* object)
{
    return reinterpret_cast<EditFieldObject*>(object);
}

class EditFieldPane : public NativePane {
public:
    using NativePane::NativePane;

    void open(NativeWindow* native) override;
    // The stored text into the control; the events follow from here on.
    void showText();
    void applyFont();
    CHARRANGE selection() const;
    // Selects without the control's own notification: the caller raises SelChange once.
    void select(int32_t start, int32_t length);

    bool keepsTab() const override { return field()->acceptTabs != 0; }
    bool usesArrowKeys() const override { return true; }
    bool takesTyping() const override { return !field()->readOnly; }
    bool keyDown(int32_t character, int32_t modifiers) override;
    bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void command(int32_t code) override;
    LRESULT notify(NMHDR* header) override;

    // The Edit menu: the items the field would handle now, and handling one.
    void enableMenuItems() override;
    bool menuCommand(std::string_view itemName) override;

private:
    EditFieldObject* field() const { return asEditField(control()); }
    bool onCharacter(uint8_t character, LRESULT& result);
    bool onInputMethodCharacter(WPARAM character, LRESULT& result);
    // Editing keys of a password field, which must not reach the control (editfieldmenus.cpp).
    bool onPasswordEditingKey(WPARAM virtualKey);
    void insertTyped(const char* bytes);
    bool roomForOneMore() const;
    void replaceTyped(const char* bytes);
    void eraseTyped(bool backwards);
    CHARRANGE clampedSelection(size_t length) const;
    void storeTyped(const std::string& typed);
    bool hasSelection() const;
    void pasteIntoPassword();

    bool quiet = false;
    uint8_t leadByte = 0; // the first byte of a double-byte character being typed
    // A typed character whose KeyDown came with its key: set by keyDown, taken on when the key
    // reaches the control; the WM_CHAR that follows raises no KeyDown of its own.
    uint8_t keyDownRaisedFor = 0;
    uint8_t announcedCharacter = 0;
};

// The field's pane while its native control exists, else null.
EditFieldPane* editPane(ObjectHeader* field);
