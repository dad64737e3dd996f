// The last check before a form goes to a printer: the two amount lines are read back from the
// fields that print them, whatever set those fields, and must state one and the same amount.
#include "app/printguard.h"

#include "app/amountlines.h"
#include "app/amountvalue.h"

namespace {

STRING_CONSTANT(refusal, "印刷できません。印刷される漢字の金額と数字の金額が一致しません。\r\n\r\n漢字：");
STRING_CONSTANT(figuresLabel, "\r\n数字：");
STRING_CONSTANT(refusalAdvice, "\r\n\r\n「AC」で金額を入力し直して下さい。");

bool linesAgree(StringRecord* kanjiLine, StringRecord* figureLine)
{
    OwnedText spoken = spokenOf(kanjiLine), figures = figuresOf(figureLine);
    AmountValue kanjiValue, figureValue;
    return !spoken.empty() && kanjiAmountValue(spoken.get(), kanjiValue) &&
           figureAmountValue(figures.get(), figureValue) && kanjiValue == figureValue;
}

void refuse(StringRecord* kanjiLine, StringRecord* figureLine)
{
    OwnedText message(joined(&refusal.record, kanjiLine, &figuresLabel.record));
    message = joined(message.get(), figureLine, &refusalAdvice.record);
    RuntimeBeep();
    RuntimeMsgBox(message.get());
}

} // namespace

bool printedAmountAgrees(FormWindowFields* window)
{
    OwnedText kanjiLine(editTextGetter(control(window, KingakuName), 0));
    OwnedText figureLine(editTextGetter(control(window, NumberFieldName), 0));
    if (linesAgree(kanjiLine.get(), figureLine.get()))
        return true;
    refuse(kanjiLine.get(), figureLine.get());
    return false;
}

OwnedText printedFigures(FormWindowFields* window)
{
    return figuresOf(OwnedText(editTextGetter(control(window, NumberFieldName), 0)).get());
}
