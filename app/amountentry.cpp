// The amount keypad: digits and units build the kanji amount and its figures the way the amount
// is spoken; "円" completes it, "飛んで" fills a skipped place, "AC" starts again.
#include "app/amountentry.h"

#include "app/amountlines.h"
#include "appdata.h"

namespace {

STRING_CONSTANT(kanji1, "壱");
STRING_CONSTANT(kanji2, "弐");
STRING_CONSTANT(kanji3, "参");
STRING_CONSTANT(kanji4, "四");
STRING_CONSTANT(kanji5, "五");
STRING_CONSTANT(kanji6, "六");
STRING_CONSTANT(kanji7, "七");
STRING_CONSTANT(kanji8, "八");
STRING_CONSTANT(kanji9, "九");
STRING_CONSTANT(figure1, "1");
STRING_CONSTANT(figure2, "2");
STRING_CONSTANT(figure3, "3");
STRING_CONSTANT(figure4, "4");
STRING_CONSTANT(figure5, "5");
STRING_CONSTANT(figure6, "6");
STRING_CONSTANT(figure7, "7");
STRING_CONSTANT(figure8, "8");
STRING_CONSTANT(figure9, "9");

struct DigitRow {
    StringRecord* kanji;
    StringRecord* figure;
};

// By button Index: the formal forms for 1 to 3, the common ones above.
const DigitRow digitRows[] = {
    {nullptr, nullptr},
    {&kanji1.record, &figure1.record},
    {&kanji2.record, &figure2.record},
    {&kanji3.record, &figure3.record},
    {&kanji4.record, &figure4.record},
    {&kanji5.record, &figure5.record},
    {&kanji6.record, &figure6.record},
    {&kanji7.record, &figure7.record},
    {&kanji8.record, &figure8.record},
    {&kanji9.record, &figure9.record},
};
constexpr int highestDigit = 9;

STRING_CONSTANT(unitMan, "萬");
STRING_CONSTANT(unitSen, "千");
STRING_CONSTANT(unitHyaku, "百");
STRING_CONSTANT(unitJyu, "拾");
STRING_CONSTANT(zerosMan, "0000");
STRING_CONSTANT(zerosSen, "000");
STRING_CONSTANT(zerosHyaku, "00");
STRING_CONSTANT(zerosJyu, "0");
STRING_CONSTANT(unitPlease, "「万」「千」「十」などの単位を押して下さい");

// Kingaku's size in the templates. A longer amount (into the hundreds of millions) is shown
// smaller so that the whole of it stays in the field: the kanji amount is the one that counts.
constexpr int kanjiLineSize = 14;
constexpr int smallestKanjiLineSize = 8;
constexpr int kanjiLineMargins = 4;

// A double-byte character takes about the size and a pixel more, a single-byte one half that.
int kanjiLineSizeFor(StringRecord* line, int width)
{
    int halfWidths = StringLen(line);
    int size = kanjiLineSize;
    while (size > smallestKanjiLineSize && halfWidths * (size + 1) > 2 * (width - kanjiLineMargins))
        --size;
    return size;
}

void showKanji(FormWindowFields* window)
{
    ObjectHeader* line = control(window, KingakuName);
    editTextSizeSetter(line, 0, kanjiLineSizeFor(window->KanjiText, ctlPosGetter(line, positionWidth)));
    editTextSetter(line, 0, window->KanjiText);
}

void showFigures(FormWindowFields* window)
{
    editTextSetter(control(window, KenzanFieldName), 0, window->FigureText);
    editTextSetter(control(window, NumberFieldName), 0, figureLineOf(window->FigureText).get());
}

void appendKanji(FormWindowFields* window, StringRecord* kanji)
{
    holdText(window->KanjiText, joined(window->KanjiText, kanji).get());
    showKanji(window);
}

void appendFigures(FormWindowFields* window, StringRecord* figures)
{
    holdText(window->FigureText, joined(window->FigureText, figures).get());
    showFigures(window);
}

void setZerosForYen(FormWindowFields* window, StringRecord* zeros)
{
    holdText(window->ZerosForYen, zeros);
    editTextSetter(control(window, HideFieldName), 0, zeros);
}

void enablePrinting(FormWindowFields* window, bool enabled)
{
    controlEnabledSetter(control(window, PrintButtonName), 0, enabled);
}

// A keypad button hands the focus back to its window: Return must always mean "円", and a
// push button that kept the focus would take Return for itself (3 万 and Return would be 3 万 万).
FormWindowFields* keypadWindow(ObjectHeader* button)
{
    FormWindowFields* window = windowOf(button);
    formSetFocus(reinterpret_cast<ObjectHeader*>(window));
    return window;
}

// Every press but "AC" after "円" leaves the amount unchecked until the next "円".
void amountChanged(FormWindowFields* window)
{
    enablePrinting(window, false);
    clearStampHint(window);
}

// 千, 百 and 十: the unit's kanji, and its zeros wait for "円".
void pressUnit(ObjectHeader* button, StringRecord* kanji, StringRecord* zeros)
{
    FormWindowFields* window = keypadWindow(button);
    amountChanged(window);
    appendKanji(window, kanji);
    holdText(window->PendingZeros, zeros);
    setZerosForYen(window, zeros);
    window->DigitPending = 0;
}

bool sameText(StringRecord* left, StringRecord* right)
{
    return RuntimeStringCompare(left, right) == 0;
}

// What "円" ends with: the amount as spoken is wrapped, and printing waits for the check.
void completeAmount(FormWindowFields* window, StringRecord* spoken)
{
    holdText(window->KanjiText, kanjiLineOf(spoken).get());
    showKanji(window);
    window->DigitPending = 0;
    AmountValue value;
    if (amountAgrees(spoken, window->KanjiText, window->FigureText, value)) {
        enablePrinting(window, true);
        showStampHint(window, value);
    } else {
        amountChanged(window);
    }
}

} // namespace

void enterAmount(FormWindowFields* window, StringRecord* spoken, StringRecord* figures)
{
    holdText(window->PendingZeros, nullptr);
    setZerosForYen(window, nullptr);
    holdText(window->FigureText, figures);
    showFigures(window);
    completeAmount(window, spoken);
}

extern "C" {

void digitAction(ObjectHeader* button)
{
    FormWindowFields* window = keypadWindow(button);
    int digit = controlIndex(button);
    if (digit < 1 || digit > highestDigit)
        return;
    amountChanged(window);
    if (window->DigitPending) {
        RuntimeBeep();
        RuntimeMsgBox(&unitPlease.record);
    } else {
        appendKanji(window, digitRows[digit].kanji);
        holdText(window->PendingZeros, digitRows[digit].figure);
        appendFigures(window, digitRows[digit].figure);
    }
    window->DigitPending = 1;
}

void buttonSenAction(ObjectHeader* button)
{
    pressUnit(button, &unitSen.record, &zerosSen.record);
}

void buttonHyakuAction(ObjectHeader* button)
{
    pressUnit(button, &unitHyaku.record, &zerosHyaku.record);
}

void buttonJyuAction(ObjectHeader* button)
{
    pressUnit(button, &unitJyu.record, &zerosJyu.record);
}

// After a unit (or at the start) 万 adds its zeros to those waiting, so 千 万 waits with seven.
void buttonManAction(ObjectHeader* button)
{
    FormWindowFields* window = keypadWindow(button);
    amountChanged(window);
    appendKanji(window, &unitMan.record);
    if (StringVal(window->PendingZeros) == 0) {
        setZerosForYen(window, joined(window->PendingZeros, &zerosMan.record).get());
    } else {
        holdText(window->PendingZeros, &zerosMan.record);
        setZerosForYen(window, &zerosMan.record);
    }
    window->DigitPending = 0;
}

void buttonYenAction(ObjectHeader* button)
{
    FormWindowFields* window = keypadWindow(button);
    holdText(window->PendingZeros, window->ZerosForYen);
    // After a digit that digit is the ones place: no zeros follow it.
    if (!window->DigitPending)
        appendFigures(window, window->PendingZeros);
    completeAmount(window, OwnedText(RuntimeLockString(window->KanjiText)).get());
}

void tondeButtonAction(ObjectHeader* button)
{
    FormWindowFields* window = keypadWindow(button);
    amountChanged(window);
    appendFigures(window, &zerosJyu.record);
}

void clearAction(ObjectHeader* button)
{
    FormWindowFields* window = keypadWindow(button);
    holdText(window->KanjiText, nullptr);
    holdText(window->FigureText, nullptr);
    showKanji(window);
    setZerosForYen(window, nullptr);
    showFigures(window);
    window->DigitPending = 0;
    amountChanged(window);
}

// The displays follow the amount, whatever else changed them.
void kenzanFieldTextChange(ObjectHeader* field)
{
    FormWindowFields* window = windowOf(field);
    OwnedText shown(editTextGetter(field, 0));
    editTextSetter(control(window, NumberFieldName), 0, figureLineOf(shown.get()).get());
    if (!sameText(shown.get(), window->FigureText))
        editTextSetter(field, 0, window->FigureText);
}

void kingakuTextChange(ObjectHeader* field)
{
    FormWindowFields* window = windowOf(field);
    OwnedText shown(editTextGetter(field, 0));
    if (!sameText(shown.get(), window->KanjiText))
        editTextSetter(field, 0, window->KanjiText);
}
}
