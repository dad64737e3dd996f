// The working windows' controls by name, and the windows' implicit instances.
#include "app/formwindow.h"

#include "appdata.h"

#include <cstddef>

#define CONTROL_NAME(name) STRING_CONSTANT(name##Name, #name);
#include "app/controlnames.def"
#undef CONTROL_NAME

namespace {
STRING_CONSTANT(chequeForm, "小切手");
STRING_CONSTANT(noteForm, "約束手形");

// The first fields of every control object, as the runtime lays them out.
struct ControlFields {
    unsigned char header[16];
    void* pane;
    StringRecord* name;
    int index;
};
static_assert(offsetof(ControlFields, name) == controlNameOffset &&
                  offsetof(ControlFields, index) == controlIndexOffset,
              "where the runtime keeps a control's Name and index");
} // namespace

OwnedText fieldText(FormWindowFields* window, StringRecord* name)
{
    ObjectHeader* field = RuntimeControlFetch(asObject(window), name);
    return OwnedText(field ? editTextGetter(field, 0) : nullptr);
}

FormWindowFields* windowOf(ObjectHeader* control)
{
    // The window holds its controls, so it outlives the handler without this reference.
    ObjectHeader* window = controlWindowGetter(control, 0);
    RuntimeUnlockObject(window);
    return reinterpret_cast<FormWindowFields*>(window);
}

int controlIndex(ObjectHeader* control)
{
    return reinterpret_cast<ControlFields*>(control)->index;
}

StringRecord* controlName(ObjectHeader* control)
{
    return reinterpret_cast<ControlFields*>(control)->name;
}

ObjectHeader* implicitWindow(const unsigned char* windowTemplate, void* slot)
{
    auto* window = static_cast<ObjectHeader**>(slot);
    // An open window lives on without the reference the template gave us.
    if (!*window)
        RuntimeUnlockObject(RuntimeCreateWindow(windowTemplate, window));
    return *window;
}

FormWindowFields* chequeWindow()
{
    return reinterpret_cast<FormWindowFields*>(implicitWindow(MainWindowTemplate, &MainWindowSlot));
}

FormWindowFields* noteWindow()
{
    return reinterpret_cast<FormWindowFields*>(implicitWindow(TegataWindowTemplate, &TegataWindowSlot));
}

bool isNoteWindow(FormWindowFields* window)
{
    return control(window, TonoFieldName) != nullptr;
}

StringRecord* formKindName(FormWindowFields* window)
{
    return isNoteWindow(window) ? &noteForm.record : &chequeForm.record;
}
