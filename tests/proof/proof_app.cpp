// The application of the start-up tests: it opens its window and writes every event it
// receives to the trace, so that a test driving it from outside can check them.
#include "app/runtime.h"
#include "appdata.h"
#include "proof_fields.h"

extern "C" ImageClassTableLayout ImageClassTable;

namespace {
STRING_CONSTANT(appOpen, "App.Open");
STRING_CONSTANT(appNewDocument, "App.NewDocument");
STRING_CONSTANT(appOpenDocument, "App.OpenDocument ");
STRING_CONSTANT(appClose, "App.Close");
STRING_CONSTANT(appActivate, "App.Activate");
STRING_CONSTANT(windowOpen, "Window.Open");
STRING_CONSTANT(windowClose, "Window.Close");
STRING_CONSTANT(windowRefuses, "Window.CancelClose refused");
STRING_CONSTANT(windowAgrees, "Window.CancelClose agreed");
STRING_CONSTANT(windowKeyDown, "Window.KeyDown ");
STRING_CONSTANT(padOpened, "Pad.Open");
STRING_CONSTANT(padDown, "Pad.MouseDown ");
STRING_CONSTANT(padUp, "Pad.MouseUp ");
STRING_CONSTANT(comma, ",");
STRING_CONSTANT(runEnded, "Run ended");
STRING_CONSTANT(notice, "証明の知らせ");

// Writes the text followed by the two coordinates.
void tracePoint(StringRecord* text, int x, int y)
{
    StringRecord* xText = StringStr(x);
    StringRecord* yText = StringStr(y);
    StringRecord* withX = RuntimeAddString(text, xText);
    StringRecord* withComma = RuntimeAddString(withX, &comma.record);
    StringRecord* line = RuntimeAddString(withComma, yText);
    lineTrace(line);
    RuntimeUnlockString(xText);
    RuntimeUnlockString(yText);
    RuntimeUnlockString(withX);
    RuntimeUnlockString(withComma);
    RuntimeUnlockString(line);
}
} // namespace

extern "C" {
void proofAppOpen(ObjectHeader*)
{
    lineTrace(&appOpen.record);
}
void proofAppNewDocument(ObjectHeader*)
{
    lineTrace(&appNewDocument.record);
}
void proofAppOpenDocument(ObjectHeader*, ObjectHeader* item)
{
    StringRecord* path = fileAbsolutePathGetter(item, 0);
    StringRecord* line = RuntimeAddString(&appOpenDocument.record, path);
    lineTrace(line);
    RuntimeUnlockString(path);
    RuntimeUnlockString(line);
}
void proofAppClose(ObjectHeader*)
{
    lineTrace(&appClose.record);
}
void proofAppActivate(ObjectHeader*)
{
    lineTrace(&appActivate.record);
}

void proofWindowOpen(ObjectHeader*)
{
    lineTrace(&windowOpen.record);
}
void proofWindowActivate(ObjectHeader*)
{}

// Once Q has been pressed, closing the window quits the application, as a program in frame
// mode (which runs on without windows) does from its windows' Close.
void proofWindowClose(ObjectHeader* window)
{
    lineTrace(&windowClose.record);
    if (reinterpret_cast<ProofWindowFields*>(window)->quitWhenClosed)
        ApplicationQuit();
}

// The first request to close is refused, every later one agreed to.
bool proofWindowCancelClose(ObjectHeader* window)
{
    ProofWindowFields* fields = reinterpret_cast<ProofWindowFields*>(window);
    bool refuse = fields->closeRequests++ == 0;
    lineTrace(refuse ? &windowRefuses.record : &windowAgrees.record);
    return refuse;
}

// Every key is traced; M shows a message box and Q arms the quit on closing.
bool proofWindowKeyDown(ObjectHeader* window, StringRecord* key)
{
    StringRecord* line = RuntimeAddString(&windowKeyDown.record, key);
    lineTrace(line);
    RuntimeUnlockString(line);
    char typed = key && key->length == 1 ? static_cast<char>(key->buffer[1]) : 0;
    if (typed == 'm')
        RuntimeMsgBox(&notice.record);
    if (typed == 'q')
        reinterpret_cast<ProofWindowFields*>(window)->quitWhenClosed = 1;
    return false;
}

void padOpen(ObjectHeader*)
{
    lineTrace(&padOpened.record);
}
bool padMouseDown(ObjectHeader*, int x, int y)
{
    tracePoint(&padDown.record, x, y);
    return true;
}
void padMouseUp(ObjectHeader*, int x, int y)
{
    tracePoint(&padUp.record, x, y);
}

int ImageEntry()
{
    Win32InstallPlugins(nullptr);
    RuntimeInit(&ImageClassTable);
    ObjectHeader* window = RuntimeCreateWindow(ProofWindowTemplate, reinterpret_cast<ObjectHeader**>(&ProofWindowSlot));
    int result = RuntimeRun();
    RuntimeUnlockObject(window);
    lineTrace(&runEnded.record);
    return result;
}
}
