// What the cheque window passes on to the note window: its issuer entries, offsets and print
// font. The note window is made on first use, not at start-up (it costs as much as the cheque
// window); what changed before then is passed on when it opens, after it has read its own
// settings, so that it ends as it would have had it been there all along.
#include "app/notemirror.h"

#include "app/ownedtext.h"
#include "appdata.h"

#include <iterator>

namespace {

StringRecord* const followedFields[] = {&JyusyoInFieldName.record, &SyameiInFieldName.record, &NameInFieldName.record,
                                        &UeFieldName.record,       &HidariFieldName.record,   &FontFieldName.record};
bool waiting[std::size(followedFields)];

void copyFromCheque(FormWindowFields* note, StringRecord* fieldName)
{
    OwnedText text(editTextGetter(RuntimeControlFetch(asObject(chequeWindow()), fieldName), 0));
    editTextSetter(RuntimeControlFetch(asObject(note), fieldName), 0, text.get());
}

} // namespace

void passOnToNote(StringRecord* fieldName)
{
    for (size_t field = 0; field < std::size(followedFields); ++field) {
        if (StringStrCompare(followedFields[field], fieldName, 0) != 0)
            continue;
        if (TegataWindowSlot)
            copyFromCheque(TegataWindowSlot, followedFields[field]);
        else
            waiting[field] = true;
    }
}

void takeWhatWasPassedOn(FormWindowFields* note)
{
    for (size_t field = 0; field < std::size(followedFields); ++field) {
        if (waiting[field])
            copyFromCheque(note, followedFields[field]);
        waiting[field] = false;
    }
}
