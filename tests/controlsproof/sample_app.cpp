// The sample application: one window with a control of every kind and a menu bar. It writes
// what its controls and menus do to the trace, so that a test driving it from outside can
// check it.
#include "app/runtime.h"
#include "appdata.h"
#include "sample_fields.h"

extern "C" ImageClassTableLayout ImageClassTable;

namespace {
STRING_CONSTANT(amountName, "Amount");
STRING_CONSTANT(secretName, "Secret");
STRING_CONSTANT(tuneName, "Tune");
STRING_CONSTANT(amountShow, "AmountShow");
STRING_CONSTANT(amountErase, "AmountErase");
STRING_CONSTANT(windowOpen, "Window.Open");
STRING_CONSTANT(windowClose, "Window.Close");
STRING_CONSTANT(okAct, "OK.Action");
STRING_CONSTANT(cancelAct, "Cancel.Action");
STRING_CONSTANT(currencyChanged, "Currency.Change ");
STRING_CONSTANT(crossedActed, "Crossed.Action ");
STRING_CONSTANT(kindActed, "Kind.Action");
STRING_CONSTANT(amountShown, "Amount ");
STRING_CONSTANT(secretShown, "Secret ");
STRING_CONSTANT(amountErased, "Amount erased");
STRING_CONSTANT(runEnded, "Run ended");

// Traces the text and an owned string after it, and lets go of the string.
void traceWith(StringRecord* text, StringRecord* owned)
{
    StringRecord* line = RuntimeAddString(text, owned);
    lineTrace(line);
    RuntimeUnlockString(line);
    RuntimeUnlockString(owned);
}

ObjectHeader* control(ObjectHeader* window, StringRecord* name)
{
    return RuntimeControlFetch(window, name);
}

void enableItem(StringRecord* name)
{
    ObjectHeader* item = RuntimeMenuReference(name);
    RuntimeEnableMenu(item);
    RuntimeUnlockObject(item);
}
} // namespace

extern "C" {
void sampleWindowOpen(ObjectHeader* window)
{
    lineTrace(&windowOpen.record);
    ObjectHeader* tune = control(window, &tuneName.record);
    RuntimeMediaPlay(tune);
    mediaControllerLoopingSetter(tune, 0, 1);
}

void sampleWindowClose(ObjectHeader*)
{
    lineTrace(&windowClose.record);
}

// Showing the amount is always offered, erasing it only while there is one.
void sampleWindowEnableMenuItems(ObjectHeader* window)
{
    enableItem(&amountShow.record);
    StringRecord* amount = editTextGetter(control(window, &amountName.record), 0);
    if (amount)
        enableItem(&amountErase.record);
    RuntimeUnlockString(amount);
}

bool sampleWindowShowAmount(ObjectHeader* window)
{
    traceWith(&amountShown.record, editTextGetter(control(window, &amountName.record), 0));
    traceWith(&secretShown.record, editTextGetter(control(window, &secretName.record), 0));
    return true;
}

bool sampleWindowEraseAmount(ObjectHeader* window)
{
    editTextSetter(control(window, &amountName.record), 0, nullptr);
    lineTrace(&amountErased.record);
    return true;
}

void okAction(ObjectHeader*)
{
    lineTrace(&okAct.record);
}
void cancelAction(ObjectHeader*)
{
    lineTrace(&cancelAct.record);
}
void currencyChange(ObjectHeader* popup)
{
    traceWith(&currencyChanged.record, popupTextGetter(popup, 0));
}
void crossedAction(ObjectHeader* box)
{
    traceWith(&crossedActed.record, StringStr(checkBoxValueGetter(box, 0)));
}
void kindAction(ObjectHeader*)
{
    lineTrace(&kindActed.record);
}

int ImageEntry()
{
    Win32InstallPlugins(nullptr);
    RuntimeInit(&ImageClassTable);
    ObjectHeader* window =
        RuntimeCreateWindow(SampleWindowTemplate, reinterpret_cast<ObjectHeader**>(&SampleWindowSlot));
    int result = RuntimeRun();
    RuntimeUnlockObject(window);
    lineTrace(&runEnded.record);
    return result;
}
}
