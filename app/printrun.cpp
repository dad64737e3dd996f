// One printed page of a working window: the crossed-cheque mark and the field texts, each at
// its field's place in the window shifted by the user's offsets; for a test print the form
// picture and a void mark under them.
#include "app/printrun.h"

#include "app/ownedtext.h"
#include "appdata.h"

namespace {

constexpr int unitsPerMillimetre = 3;
constexpr int pictureOwnSize = -10000;
constexpr int printedCrossPicture = 6;
constexpr int chequeFormPicture = 7;

// A printed text: the field it comes from, its size, and for a stamp figure the window
// property that holds its height (the figures move with the stamp's arrows).
struct PrintedText {
    StringRecord* field;
    int size;
    int FormWindowFields::*stampTop;
};

// In drawing order; the cheque window has none of the note's last four fields.
const PrintedText printedTexts[] = {
    {&KingakuName.record, 16, nullptr},
    {&JyusyoFieldName.record, 9, nullptr},
    {&SyameiFieldName.record, 9, nullptr},
    {&NameFieldName.record, 9, nullptr},
    {&NumberFieldName.record, 9, nullptr},
    {&YearFieldName.record, 12, &FormWindowFields::YearStampTop},
    {&MonthFieldName.record, 12, &FormWindowFields::MonthStampTop},
    {&DateFieldName.record, 12, &FormWindowFields::DayStampTop},
    {&TonoFieldName.record, 12, nullptr},
    {&YearKFieldName.record, 12, nullptr},
    {&MonthKFieldName.record, 12, nullptr},
    {&DateKFieldName.record, 12, nullptr},
};

STRING_CONSTANT(voidMark, "試し印刷・無効");

// Offsets are read anew for every element, as typed: text that is no number counts as 0.
double offsetOf(FormWindowFields* window, StringRecord* field)
{
    return StringVal(OwnedText(editTextGetter(RuntimeControlFetch(asObject(window), field), 0)).get());
}

int printedX(FormWindowFields* window, int left)
{
    return FPToInt(left + unitsPerMillimetre * offsetOf(window, &HidariFieldName.record));
}

int printedY(FormWindowFields* window, int top)
{
    return FPToInt(top + unitsPerMillimetre * offsetOf(window, &UeFieldName.record));
}

void drawPicture(ObjectHeader* g, ObjectHeader* picture, int x, int y)
{
    RuntimeGraphicsDrawPicture(g, picture, x, y, pictureOwnSize, pictureOwnSize, 0, 0, pictureOwnSize, pictureOwnSize);
}

// The printed mark is the form canvas's backdrop for the moment it is drawn.
void drawCrossedMark(FormWindowFields* window, ObjectHeader* g, PrintPath path)
{
    ObjectHeader* canvas = control(window, Canvas1Name);
    ObjectHeader* printedCross = RuntimePictureReference(printedCrossPicture);
    canvasBackdropSetter(canvas, 0, printedCross);
    RuntimeUnlockObject(printedCross);
    ObjectHeader* mark = canvasBackdropGetter(canvas, 0);
    bool byButton = path == PrintPath::button;
    drawPicture(g, mark, printedX(window, byButton ? 300 : 0), printedY(window, byButton ? 30 : 0));
    RuntimeUnlockObject(mark);
    ObjectHeader* chequeForm = RuntimePictureReference(chequeFormPicture);
    canvasBackdropSetter(canvas, 0, chequeForm);
    RuntimeUnlockObject(chequeForm);
}

void drawText(FormWindowFields* window, ObjectHeader* g, const PrintedText& printed, ObjectHeader* field)
{
    int top = printed.stampTop ? window->*printed.stampTop : ctlPosGetter(field, positionTop);
    int x = printedX(window, ctlPosGetter(field, positionLeft));
    RuntimeGraphicsDrawString(g, OwnedText(editTextGetter(field, 0)).get(), x, printedY(window, top), 0);
}

void drawTexts(FormWindowFields* window, ObjectHeader* g)
{
    graphicsTextFontSetter(g, 0, window->PrintFontName);
    int size = 0;
    for (const PrintedText& printed : printedTexts) {
        ObjectHeader* field = RuntimeControlFetch(asObject(window), printed.field);
        if (!field)
            continue;
        if (printed.size != size)
            graphicsTextSizeSetter(g, 0, size = printed.size);
        graphicsForeColorSetter(g, 0, RuntimeRGB(0, 0, 0));
        drawText(window, g, printed, field);
    }
}

// The form at the page's origin, where the texts assume it, and not moved by the offsets: the
// test print shows where the offsets put the texts on a form.
void drawForm(FormWindowFields* window, ObjectHeader* g)
{
    ObjectHeader* canvas = control(window, Canvas1Name);
    ObjectHeader* form = canvasBackdropGetter(canvas, 0);
    drawPicture(g, form, ctlPosGetter(canvas, positionLeft), ctlPosGetter(canvas, positionTop));
    RuntimeUnlockObject(form);
}

// Red letters outlined in white across the form's middle: no one takes the sheet for a form.
void drawVoidMark(FormWindowFields* window, ObjectHeader* g)
{
    ObjectHeader* canvas = control(window, Canvas1Name);
    graphicsTextFontSetter(g, 0, window->PrintFontName);
    graphicsTextSizeSetter(g, 0, 48);
    graphicsBoldSetter(g, 0, 1);
    int x = ctlPosGetter(canvas, positionLeft) +
            (ctlPosGetter(canvas, positionWidth) - RuntimeGraphicsStringWidth(g, &voidMark.record)) / 2;
    int y = ctlPosGetter(canvas, positionTop) + ctlPosGetter(canvas, positionHeight) / 2 + 16;
    graphicsForeColorSetter(g, 0, RuntimeRGB(0xC0, 0x20, 0x20));
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            RuntimeGraphicsDrawString(g, &voidMark.record, x + dx, y + dy, 0);
    graphicsForeColorSetter(g, 0, RuntimeRGB(0xFF, 0xFF, 0xFF));
    RuntimeGraphicsDrawString(g, &voidMark.record, x, y, 0);
    graphicsBoldSetter(g, 0, 0);
}

} // namespace

void printFormPage(FormWindowFields* window, ObjectHeader* g, PrintPath path)
{
    if (path == PrintPath::testPrint) {
        drawForm(window, g);
        drawVoidMark(window, g);
    }
    ObjectHeader* crossedMark = control(window, GinkowatariName);
    if (crossedMark && controlVisibleGetter(crossedMark, 0))
        drawCrossedMark(window, g, path);
    drawTexts(window, g);
}
