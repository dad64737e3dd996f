// What a working window keeps between runs: its issuer entries, print offsets, position, date
// stamp heights and print font, in a settings file of its own.
#include "app/formsettings.h"

#include "app/ownedtext.h"
#include "app/printfont.h"
#include "app/settingsfile.h"
#include "appdata.h"

namespace {
STRING_CONSTANT(noteSettingsName, "手形設定");
STRING_CONSTANT(chequeSettingsName, "小切手設定");

enum class Kept { fieldText, windowPosition, stampTop, printFont };

// One line of the file: what it keeps, the control it is read into (or the window's position
// selector), and for the stamp the property its height is written from.
struct SettingsLine {
    Kept kind;
    StringRecord* control;
    int positionSelector;
    int FormWindowFields::*stampTop;
};

const SettingsLine settingsLines[settingsLineCount] = {
    {Kept::fieldText, &JyusyoInFieldName.record},
    {Kept::fieldText, &SyameiInFieldName.record},
    {Kept::fieldText, &NameInFieldName.record},
    {Kept::fieldText, &UeFieldName.record},
    {Kept::fieldText, &HidariFieldName.record},
    {Kept::windowPosition, nullptr, positionTop},
    {Kept::windowPosition, nullptr, positionLeft},
    {Kept::stampTop, &DateCanvasName.record, 0, &FormWindowFields::DateCanvasTop},
    {Kept::stampTop, &YearFieldName.record, 0, &FormWindowFields::YearStampTop},
    {Kept::stampTop, &MonthFieldName.record, 0, &FormWindowFields::MonthStampTop},
    {Kept::stampTop, &DateFieldName.record, 0, &FormWindowFields::DayStampTop},
    {Kept::printFont, &FontFieldName.record},
};

StringRecord* settingsName(FormWindowFields* window)
{
    return window == TegataWindowSlot ? &noteSettingsName.record : &chequeSettingsName.record;
}

ObjectHeader* controlOf(FormWindowFields* window, const SettingsLine& line)
{
    return RuntimeControlFetch(asObject(window), line.control);
}

// The lines that hold positions.
SettingsNumberLines numberLines()
{
    SettingsNumberLines lines = 0;
    for (int i = 0; i < settingsLineCount; ++i) {
        if (settingsLines[i].kind == Kept::windowPosition || settingsLines[i].kind == Kept::stampTop)
            lines |= 1u << i;
    }
    return lines;
}

int numberIn(StringRecord* text)
{
    return FPToInt(StringVal(text));
}

void putInPlace(FormWindowFields* window, const SettingsLine& line, StringRecord* text)
{
    switch (line.kind) {
    case Kept::fieldText:
        editTextSetter(controlOf(window, line), 0, text);
        break;
    case Kept::windowPosition:
        windowPosSetter(asObject(window), line.positionSelector, numberIn(text));
        break;
    case Kept::stampTop:
        ctlPosSetter(controlOf(window, line), positionTop, numberIn(text));
        break;
    case Kept::printFont:
        restorePrintFont(window, text);
        break;
    }
}

OwnedText textOf(FormWindowFields* window, const SettingsLine& line)
{
    switch (line.kind) {
    case Kept::windowPosition:
        return OwnedText(StringStr(windowPosGetter(asObject(window), line.positionSelector)));
    case Kept::stampTop:
        return OwnedText(StringStr(window->*line.stampTop));
    default:
        return OwnedText(editTextGetter(controlOf(window, line), 0));
    }
}

} // namespace

// A file with fewer lines than twelve sets what it has: the missing fields become empty and the
// missing positions 0.
void loadFormSettings(FormWindowFields* window)
{
    SettingsLines lines = readSettingsFile(settingsName(window), numberLines());
    if (!lines.text)
        return;
    for (int i = 0; i < settingsLineCount; ++i)
        putInPlace(window, settingsLines[i], lines.line[i].get());
}

bool saveFormSettings(FormWindowFields* window)
{
    OwnedText texts[settingsLineCount];
    StringRecord* lines[settingsLineCount];
    for (int i = 0; i < settingsLineCount; ++i) {
        texts[i] = textOf(window, settingsLines[i]);
        lines[i] = texts[i].get();
    }
    return writeSettingsFile(settingsName(window), lines, settingsLineCount);
}
