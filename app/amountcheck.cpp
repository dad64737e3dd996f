// The check "円" makes: a form whose figures disagree with its kanji amount must not be printed,
// since the kanji amount is the one that counts.
#include "app/amountentry.h"
#include "app/amountlines.h"

namespace {
STRING_CONSTANT(disagreeing, "漢字の金額と数字の金額が一致しません。\r\n\r\n漢字：");
STRING_CONSTANT(figuresLabel, "\r\n数字：");
STRING_CONSTANT(advice, "\r\n\r\n飛ばした位は「飛んで」で0を入れて下さい"
                        "（例：3万5円は 3 万 飛んで 飛んで 飛んで 5 円）。\r\n"
                        "「AC」で始めから入力し直すまで印刷できません。");

void tellDisagreement(StringRecord* kanjiLine, StringRecord* figures)
{
    OwnedText message(joined(&disagreeing.record, kanjiLine, &figuresLabel.record));
    message = joined(message.get(), figureLineOf(figures).get(), &advice.record);
    RuntimeBeep();
    RuntimeMsgBox(message.get());
}
} // namespace

bool amountAgrees(StringRecord* spoken, StringRecord* kanjiLine, StringRecord* figures, AmountValue& value)
{
    AmountValue figureValue;
    if (kanjiAmountValue(spoken, value) && figureAmountValue(figures, figureValue) && value == figureValue)
        return true;
    tellDisagreement(kanjiLine, figures);
    return false;
}
