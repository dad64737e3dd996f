// The date row and the date stamp: today's date in its era, the date stamped onto the form, and
// the stamp moved up and down a pixel at a time or put back to its default height.
#include "app/dates.h"

#include "app/era.h"
#include "app/ownedtext.h"
#include "appdata.h"

namespace {

// The date stamp's background and its three figures, with the property that keeps each one's Top.
struct StampPart {
    StringRecord* name;
    int FormWindowFields::*top;
};

const StampPart stampParts[] = {
    {&DateCanvasName.record, &FormWindowFields::DateCanvasTop},
    {&YearFieldName.record, &FormWindowFields::YearStampTop},
    {&MonthFieldName.record, &FormWindowFields::MonthStampTop},
    {&DateFieldName.record, &FormWindowFields::DayStampTop},
};

// Default heights of the stamp's background and of its figures, by window.
struct StampHeights {
    int canvasTop;
    int figuresTop;
};
constexpr StampHeights noteStampHeights = {119, 120};
constexpr StampHeights chequeStampHeights = {155, 156};

struct Today {
    int year, month, day;
};

Today today()
{
    ObjectHeader* date = RuntimeNewObject(ClassIndex::Date);
    Today now = {dateFieldGetter(date, 0), dateFieldGetter(date, 1), dateFieldGetter(date, 2)};
    RuntimeUnlockObject(date);
    return now;
}

void setNumber(ObjectHeader* field, int number)
{
    editTextSetter(field, 0, OwnedText(StringStr(number)).get());
}

void copyText(FormWindowFields* window, StringRecord* from, StringRecord* to)
{
    OwnedText text(editTextGetter(RuntimeControlFetch(asObject(window), from), 0));
    editTextSetter(RuntimeControlFetch(asObject(window), to), 0, text.get());
}

void setStampTop(FormWindowFields* window, const StampPart& part, int top)
{
    window->*part.top = top;
    ctlPosSetter(RuntimeControlFetch(asObject(window), part.name), positionTop, top);
}

void moveStamp(ObjectHeader* arrows, int step)
{
    FormWindowFields* window = windowOf(arrows);
    for (const StampPart& part : stampParts)
        setStampTop(window, part, ctlPosGetter(RuntimeControlFetch(asObject(window), part.name), positionTop) + step);
}

} // namespace

void recordStampHeights(FormWindowFields* window)
{
    for (const StampPart& part : stampParts)
        window->*part.top = ctlPosGetter(RuntimeControlFetch(asObject(window), part.name), positionTop);
}

void showTodaysEra(FormWindowFields* window)
{
    Today now = today();
    staticCaptionSetter(control(window, StaticText6Name), 0, eraOf(now.year, now.month, now.day).name);
}

extern "C" {

void todayButtonAction(ObjectHeader* button)
{
    FormWindowFields* window = windowOf(button);
    Today now = today();
    const Era& era = eraOf(now.year, now.month, now.day);
    setNumber(control(window, YearInName), now.year - era.yearsBefore);
    setNumber(control(window, MonthInName), now.month);
    setNumber(control(window, DateInName), now.day);
    staticCaptionSetter(control(window, StaticText6Name), 0, era.name);
}

// The entries are stamped as typed.
void dayButtonAction(ObjectHeader* button)
{
    FormWindowFields* window = windowOf(button);
    copyText(window, &YearInName.record, &YearFieldName.record);
    copyText(window, &MonthInName.record, &MonthFieldName.record);
    copyText(window, &DateInName.record, &DateFieldName.record);
}

void stampArrowUp(ObjectHeader* arrows)
{
    moveStamp(arrows, -1);
}

void stampArrowDown(ObjectHeader* arrows)
{
    moveStamp(arrows, 1);
}

void dateYButtonAction(ObjectHeader* button)
{
    FormWindowFields* window = windowOf(button);
    const StampHeights& heights = window == TegataWindowSlot ? noteStampHeights : chequeStampHeights;
    setStampTop(window, stampParts[0], heights.canvasTop);
    for (int figure = 1; figure < 4; ++figure)
        setStampTop(window, stampParts[figure], heights.figuresTop);
}
}
