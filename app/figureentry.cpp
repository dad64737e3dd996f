// The amount typed in figures: read, refused with a word on what is accepted, or entered as the
// keypad would enter it.
#include "app/amountentry.h"
#include "app/ownedtext.h"

namespace {

STRING_CONSTANT(figuresAccepted, "金額は 1 から 999,999,999,999 までの整数を数字で入力して下さい"
                                 "（9999億9999万9999円まで）。\r\n"
                                 "半角・全角の数字が使えます。カンマと空白は無視されます（例：30005、30,005）。");

void refuseFigures()
{
    RuntimeBeep();
    RuntimeMsgBox(&figuresAccepted.record);
}

} // namespace

void enterTypedFigures(FormWindowFields* window, ObjectHeader* field)
{
    AmountValue value;
    KanjiAmountText kanji;
    FigureAmountText figures;
    OwnedText typed(editTextGetter(field, 0));
    if (!typedAmountValue(typed.get(), value) || !kanjiAmountText(value, kanji) || !figureAmountText(value, figures)) {
        refuseFigures();
        return;
    }
    BorrowedText<sizeof kanji.bytes> spoken(kanji.bytes, kanji.length);
    BorrowedText<sizeof figures.bytes> figureText(figures.bytes, figures.length);
    enterAmount(window, &spoken.record, copiedText(figureText).get());
}
