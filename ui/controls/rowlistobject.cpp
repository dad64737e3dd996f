// The layout shared by the controls that hold rows (Listbox and PopupMenu).
#include "ui/controls/rowlistobject.h"

#include "runtime/objects/builtinclassset.h"
#include "ui/windows/fieldaccessors.h"

#include <cstddef>

namespace {

void initRowList(ObjectHeader* object, ClassDescriptor*)
{
    asRowList(object)->listIndex = -1;
}

void destroyRowList(ObjectHeader* object, ClassDescriptor*)
{
    RuntimeUnlockString(asRowList(object)->initialValue);
    RuntimeUnlockString(asRowList(object)->textFont);
}

} // namespace

void rowListSetUpClass(ClassDescriptor* cls, const RowListFontSetters& setters)
{
    cls->constructor = initRowList;
    cls->destructor = destroyRowList;
    void* const booleanGetter = accessor(booleanFieldGetter);
    classDeclareProperties(
        cls,
        {
            {"InitialValue", accessor(stringGetter), accessor(stringSetter), offsetof(RowListObject, initialValue),
             propertyString},
            {"TextFont", accessor(stringGetter), setters.string, offsetof(RowListObject, textFont), propertyString},
            {"TextSize", accessor(shortFieldGetter), setters.shortValue, offsetof(RowListObject, textSize),
             propertyInteger},
            {"Bold", booleanGetter, setters.boolean, offsetof(RowListObject, bold), propertyBoolean},
            {"Italic", booleanGetter, setters.boolean, offsetof(RowListObject, italic), propertyBoolean},
            {"Underline", booleanGetter, setters.boolean, offsetof(RowListObject, underline), propertyBoolean},
        });
}
