// Amount entry shared by the keypad's handlers and the checks that follow "円".
#pragma once

#include "app/amountvalue.h"
#include "app/formwindow.h"

// After "円": whether the amount as spoken (the kanji without "金 " and "圓 也") and the figures
// agree; when they do not, the user is told, shown the kanji line and the figure line. `value`
// is the amount when they agree.
[[nodiscard]] bool amountAgrees(StringRecord* spoken, StringRecord* kanjiLine, StringRecord* figures,
                                AmountValue& value);

// An amount entered whole: the kanji amount (without "金 " and "圓 也") and its figures are shown,
// checked and made printable as "AC", the keypad presses that speak it and "円" would; no zeros
// are left waiting.
void enterAmount(FormWindowFields* window, StringRecord* spoken, StringRecord* figures);

// Return in the figures field: the amount typed there entered whole, or refused with a beep and
// a word on what is accepted, leaving everything as it was.
void enterTypedFigures(FormWindowFields* window, ObjectHeader* field);

// The revenue stamp line of the note window: the stamp the amount needs, or nothing.
void showStampHint(FormWindowFields* window, AmountValue value);
void clearStampHint(FormWindowFields* window);
