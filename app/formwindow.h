// The working windows as the code sees them: their own properties after the Window's fields,
// and their controls reached by name.
#pragma once

#include "app/ownedtext.h"
#include "app/runtime.h"
#include "app/sharedlayouts.h"

// The properties each working window keeps (the cheque and the note window each their own).
// Instance fields start zeroed: every string is Nil, the empty string, until set.
struct FormWindowFields {
    unsigned char window[windowObjectSize];
    StringRecord* KanjiText;    // the amount in formal kanji, shown in Kingaku
    StringRecord* FigureText;   // the amount in figures without separators, shown in KenzanField
    StringRecord* PendingZeros; // after a digit: that digit; after a unit: the unit's zeros
    StringRecord* ZerosForYen;  // what "円" appends after a unit (千 万 carries seven), shown in HideField
    unsigned char DigitPending; // a digit was pressed and no unit has followed yet
    StringRecord* PrintFontName;
    StringRecord* PrinterSetupString;
    int DateCanvasTop;
    int YearStampTop;
    int MonthStampTop;
    int DayStampTop;
};

struct AboutWindowFields {
    unsigned char window[windowObjectSize];
};

struct TegataAppFields {
    unsigned char application[applicationObjectSize];
};

#define CONTROL_NAME(name) extern StringConstant<sizeof(#name)> name##Name;
#include "app/controlnames.def"
#undef CONTROL_NAME

inline ObjectHeader* asObject(FormWindowFields* window)
{
    return reinterpret_cast<ObjectHeader*>(window);
}

// The window's control of that name, or null; the window keeps the only reference.
template <typename Name> ObjectHeader* control(FormWindowFields* window, Name& name)
{
    return RuntimeControlFetch(asObject(window), &name.record);
}

// The text of the window's field of that name; Nil when it has no such field.
OwnedText fieldText(FormWindowFields* window, StringRecord* name);

// The working window that holds a control whose event is being handled.
FormWindowFields* windowOf(ObjectHeader* control);
// A control's position in its control array.
int controlIndex(ObjectHeader* control);
// A control's Name.
StringRecord* controlName(ObjectHeader* control);

// The window's implicit instance: made from its template on first use, the same one after.
ObjectHeader* implicitWindow(const unsigned char* windowTemplate, void* slot);
FormWindowFields* chequeWindow();
FormWindowFields* noteWindow();
// Whether a working window is the note's: only the note has a payee.
bool isNoteWindow(FormWindowFields* window);
// The form a working window fills in, by its name: 小切手 or 約束手形.
StringRecord* formKindName(FormWindowFields* window);

// Enables the menu item of that name, in an EnableMenuItems handler.
void enableMenuItem(StringRecord* name);
