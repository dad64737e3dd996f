// The issuer block: the three entries copied onto the form's three issuer lines so that the block
// stays at the bottom, erased, and mirrored from the cheque window into the note window.
#include "app/formwindow.h"
#include "app/ownedtext.h"

namespace {

template <typename Name> void setLine(FormWindowFields* window, Name& line, StringRecord* text)
{
    editTextSetter(control(window, line), 0, text);
}

} // namespace

extern "C" {

void changeButtonAction(ObjectHeader* button)
{
    FormWindowFields* window = windowOf(button);
    OwnedText address(editTextGetter(control(window, JyusyoInFieldName), 0));
    OwnedText company(editTextGetter(control(window, SyameiInFieldName), 0));
    OwnedText name(editTextGetter(control(window, NameInFieldName), 0));
    // The lines fill from the bottom: an empty entry lets the ones above it move down.
    if (name.empty()) {
        setLine(window, NameFieldName, company.get());
        setLine(window, SyameiFieldName, address.get());
        setLine(window, JyusyoFieldName, nullptr);
    } else if (company.empty()) {
        setLine(window, NameFieldName, name.get());
        setLine(window, SyameiFieldName, address.get());
        setLine(window, JyusyoFieldName, nullptr);
    } else {
        setLine(window, NameFieldName, name.get());
        setLine(window, SyameiFieldName, company.get());
        setLine(window, JyusyoFieldName, address.get());
    }
}

// The form lines keep their text until the next "入力".
void eraseButtonAction(ObjectHeader* button)
{
    FormWindowFields* window = windowOf(button);
    setLine(window, NameInFieldName, nullptr);
    setLine(window, SyameiInFieldName, nullptr);
    setLine(window, JyusyoInFieldName, nullptr);
}

// The cheque window's issuer entries and offsets are copied into the note window's fields of the
// same name; the note window's are not copied back.
void mirrorToNote(ObjectHeader* field)
{
    OwnedText text(editTextGetter(field, 0));
    FormWindowFields* note = noteWindow();
    editTextSetter(RuntimeControlFetch(asObject(note), controlName(field)), 0, text.get());
}
}
