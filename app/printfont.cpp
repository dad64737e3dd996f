// The print font: the installed faces offered in the font menu, and the chosen face shown by
// the fields that preview the printed texts.
#include "app/printfont.h"

#include "app/formwindow.h"
#include "app/ownedtext.h"
#include "appdata.h"

namespace {

// A field takes the font with its text put back afterwards; a previewing field of the note
// keeps its insertion point at the end of its text.
void setFontKeepingText(ObjectHeader* field, StringRecord* font, bool caretToEnd)
{
    if (!field)
        return;
    OwnedText kept(editTextGetter(field, 0));
    editTextSetter(field, 0, nullptr);
    editTextFontSetter(field, 0, font);
    editTextSetter(field, 0, kept.get());
    if (caretToEnd)
        editSelStartSetter(field, 0, kept.get() ? kept.get()->length : 0);
}

STRING_CONSTANT(minchoKanji, "明朝");
STRING_CONSTANT(mincho, "Mincho");

// The menu's row of a face, -1 when it is not installed.
int rowOfFace(StringRecord* face)
{
    for (int index = 0; index < RuntimeFontCount(); ++index) {
        if (RuntimeStringCompare(OwnedText(RuntimeFontName(index)).get(), face) == 0)
            return index;
    }
    return -1;
}

bool isMinchoFace(StringRecord* face)
{
    return StringInStr(1, face, &minchoKanji.record) > 0 || StringInStr(1, face, &mincho.record) > 0;
}

// The first Mincho face, a form's usual print; else the first face, Japanese ones being first.
int defaultFaceRow()
{
    for (int index = 0; index < RuntimeFontCount(); ++index) {
        if (isMinchoFace(OwnedText(RuntimeFontName(index)).get()))
            return index;
    }
    return RuntimeFontCount() > 0 ? 0 : -1;
}

// The menu shows the face in use, also when another window passed it on.
void showFaceInMenu(FormWindowFields* window, StringRecord* font)
{
    ObjectHeader* menu = control(window, FontMenuName);
    int row = rowOfFace(font);
    if (menu && row >= 0 && popupListIndexGetter(menu, 0) != row)
        popupListIndexSetter(menu, 0, row);
}

} // namespace

// Face names, not font file names: only a face name selects a font.
void fillFontMenu(FormWindowFields* window)
{
    ObjectHeader* menu = control(window, FontMenuName);
    for (int index = 0; index < RuntimeFontCount(); ++index) {
        OwnedText face(RuntimeFontName(index));
        RuntimePopupAddRow(menu, face.get());
        RuntimeBackgroundTask();
    }
}

void applyPrintFont(FormWindowFields* window, StringRecord* font)
{
    holdText(window->PrintFontName, font);
    showFaceInMenu(window, font);
    bool note = isNoteWindow(window);
    setFontKeepingText(control(window, KingakuName), font, note);
    setFontKeepingText(control(window, JyusyoFieldName), font, false);
    setFontKeepingText(control(window, SyameiFieldName), font, false);
    setFontKeepingText(control(window, NameFieldName), font, false);
    if (note)
        setFontKeepingText(control(window, TonoFieldName), font, true);
    else
        editTextSetter(control(noteWindow(), FontFieldName), 0, font); // notes take the cheque's print font
}

void givePrintFontIfNone(FormWindowFields* window)
{
    OwnedText shown(editTextGetter(control(window, FontFieldName), 0));
    if (shown.get() && shown.get()->length > 0)
        return;
    int row = defaultFaceRow();
    if (row >= 0)
        popupListIndexSetter(control(window, FontMenuName), 0, row);
}

void restorePrintFont(FormWindowFields* window, StringRecord* saved)
{
    if (!saved || saved->length == 0)
        return;
    int row = rowOfFace(saved);
    if (row < 0)
        row = defaultFaceRow();
    if (row >= 0)
        popupListIndexSetter(control(window, FontMenuName), 0, row);
}
