// Text set into an EditField and rows added to a PopupMenu through the runtime's accessors,
// against the same Win32 messages sent straight to bare controls of the same classes, styles
// and font in a plain window.
#include "bench/benchharness.h"
#include "bench/desktopbench.h"
#include "bench/windowfixture.h"
#include "runtime/strings/string.h"
#include "ui/templates/windowtemplate.h"
#include "ui/windows/controlaccessors.h"
#include "ui/windows/pane.h"
#include "ui/windows/windowvisibility.h"

#include <windows.h>

#include <richedit.h>

#include <cstdio>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

namespace {

constexpr int32_t clientWidth = 320;
constexpr int32_t clientHeight = 120;

struct Settings {
    int rounds;          // turns of every run; the best time of each counts
    uint32_t operations; // texts set, or rows added, in one run
};

// Made before any timing: record i for the runtime, its bytes for the direct calls.
struct Texts {
    std::deque<StringRef> owned;
    std::vector<StringRecord*> records;
    std::vector<const char*> bytes;
};

Texts makeTexts(uint32_t count)
{
    Texts texts;
    for (uint32_t i = 0; i < count; ++i) {
        uint32_t amount = (i * 7919u + 1000u) % 10000000u;
        char text[48];
        snprintf(text, sizeof text, "Note %05u  %u,%03u,%03u", i, amount / 1000000, amount / 1000 % 1000,
                 amount % 1000);
        texts.records.push_back(texts.owned.emplace_back(stringFromText(text)).get());
        texts.bytes.push_back(stringText(texts.records.back()));
    }
    return texts;
}

std::string textOf(StringRecord* adopted)
{
    StringRef text(adopted);
    return std::string(stringText(text.get()), stringLength(text.get()));
}

// ---- The framework's window: one EditField and one PopupMenu, made from their template.
struct RuntimeForm {
    ObjectHeader* window = nullptr; // one reference, dropped by closeForm
    ObjectHeader* field = nullptr;
    ObjectHeader* popup = nullptr;
};

ObjectHeader* controlNamed(ObjectHeader* window, const char* name)
{
    StringRef key(stringFromText(name));
    return RuntimeControlFetch(window, key.get());
}

HWND nativeOf(ObjectHeader* control)
{
    Pane* pane = paneOfControl(control);
    return pane ? pane->handle() : nullptr;
}

RuntimeForm openForm()
{
    int32_t windowClass = fixtureSubclass(builtinClass(BuiltinClassId::Window), {});
    int32_t fieldClass = fixtureSubclass(builtinClass(BuiltinClassId::EditField), {});
    int32_t popupClass = fixtureSubclass(builtinClass(BuiltinClassId::PopupMenu), {});
    std::vector<uint8_t> record =
        templateRecord(templateStream(windowClass, windowProperties("Controls", clientWidth, clientHeight),
                                      {{fieldClass, controlProperties("Amount", 10, 10, 240, 24)},
                                       {popupClass, controlProperties("Payee", 10, 50, 240, 24)}}));
    RuntimeForm form;
    form.window = RuntimeCreateWindow(record.data(), nullptr);
    if (!benchShowWindow(form.window))
        return form;
    form.field = controlNamed(form.window, "Amount");
    form.popup = controlNamed(form.window, "Payee");
    return form;
}

void closeForm(RuntimeForm& form)
{
    windowsCloseAll();
    RuntimeUnlockObject(form.window);
    form = {};
}

// ---- The direct side: twins of the framework's native controls in a plain window.
struct DirectForm {
    HWND window = nullptr;
    HWND edit = nullptr;
    HWND combo = nullptr;
};

// A combo box's window is only as tall as its closed field; it was made as tall as the field
// and its open list together.
int32_t heightAsMade(HWND native, const char* className, const RECT& area)
{
    RECT dropped;
    if (_stricmp(className, "ComboBox") == 0 &&
        SendMessageA(native, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped)))
        return dropped.bottom - dropped.top;
    return area.bottom - area.top;
}

// The same class, styles, place, size and font as `native`, in `parent`.
HWND twinOf(HWND native, HWND parent)
{
    char className[64] = {};
    GetClassNameA(native, className, sizeof className);
    RECT area;
    GetWindowRect(native, &area);
    MapWindowPoints(nullptr, GetParent(native), reinterpret_cast<POINT*>(&area), 2);
    auto style = static_cast<DWORD>(GetWindowLongA(native, GWL_STYLE));
    auto exStyle = static_cast<DWORD>(GetWindowLongA(native, GWL_EXSTYLE));
    HWND twin =
        CreateWindowExA(exStyle, className, "", style, area.left, area.top, area.right - area.left,
                        heightAsMade(native, className, area), parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (twin)
        SendMessageA(twin, WM_SETFONT, SendMessageA(native, WM_GETFONT, 0, 0), FALSE);
    return twin;
}

// The rich edit's character format and colours are the field's too; its events are on, as
// the accessor leaves them.
void copyRichEditLook(HWND from, HWND to)
{
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    SendMessageA(from, EM_GETCHARFORMAT, FALSE, reinterpret_cast<LPARAM>(&format));
    SendMessageA(to, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
    SendMessageA(to, EM_SETBKGNDCOLOR, 0, GetSysColor(COLOR_WINDOW));
    SendMessageA(to, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE);
}

DirectForm openDirectForm(const RuntimeForm& twinned)
{
    DirectForm form;
    form.window = benchPlainWindow("Direct", 360, 60, clientWidth, clientHeight);
    if (!form.window || !twinned.field || !twinned.popup)
        return form;
    form.edit = twinOf(nativeOf(twinned.field), form.window);
    form.combo = twinOf(nativeOf(twinned.popup), form.window);
    if (form.edit)
        copyRichEditLook(nativeOf(twinned.field), form.edit);
    benchDrainMessages();
    return form;
}

// ---- The runs.
void setTextsThroughRuntime(ObjectHeader* field, const Texts& texts)
{
    for (StringRecord* text : texts.records)
        editTextSetter(field, 0, text);
}

void setTextsDirectly(HWND edit, const Texts& texts)
{
    for (const char* text : texts.bytes) {
        SetWindowTextA(edit, text);
        SendMessageA(edit, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE);
    }
}

void addRowsThroughRuntime(ObjectHeader* popup, const Texts& texts)
{
    for (StringRecord* text : texts.records)
        RuntimePopupAddRow(popup, text);
}

void addRowsDirectly(HWND combo, const Texts& texts)
{
    for (const char* text : texts.bytes) {
        LRESULT row = SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        if (row >= 0)
            SendMessageA(combo, CB_SETITEMDATA, row, 0);
    }
}

// Every run of rows starts from an empty list, as narrow as the control.
void emptyCombo(HWND combo)
{
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    SendMessageA(combo, CB_SETDROPPEDWIDTH, 0, 0);
}

// Prints each run's best time per operation against the first run's; returns the last run's
// ratio to the first.
double printRows(const char* title, const char* baseline, uint32_t operations, const std::vector<const char*>& names,
                 const std::vector<double>& best)
{
    double direct = best[0] / operations;
    benchPrintHeader(title, baseline);
    for (size_t r = 0; r < best.size(); ++r)
        benchPrintRow(names[r], operations, best[r] / operations, direct);
    return best.back() / best[0];
}

double benchEditText(const RuntimeForm& form, const DirectForm& direct, const Texts& texts, int rounds)
{
    std::vector<double> best =
        benchBestInTurns(rounds, {
                                     {[&] { setTextsDirectly(direct.edit, texts); }, nullptr},
                                     {[&] { setTextsThroughRuntime(form.field, texts); }, nullptr},
                                 });
    return printRows("EditField text set, ns per text", "SetWindowTextA + EM_SETEVENTMASK, bare rich edit",
                     static_cast<uint32_t>(texts.records.size()), {"direct Win32", "editTextSetter"}, best);
}

double benchPopupRows(const RuntimeForm& form, const DirectForm& direct, const Texts& texts, int rounds)
{
    HWND popupNative = nativeOf(form.popup);
    std::vector<double> best = benchBestInTurns(
        rounds, {
                    {[&] { addRowsDirectly(direct.combo, texts); }, [&] { emptyCombo(direct.combo); }},
                    {[&] { addRowsDirectly(popupNative, texts); }, [&] { emptyCombo(popupNative); }},
                    {[&] { addRowsThroughRuntime(form.popup, texts); }, [&] { emptyCombo(popupNative); }},
                });
    return printRows("PopupMenu row added, ns per row", "CB_ADDSTRING + CB_SETITEMDATA, bare combo box",
                     static_cast<uint32_t>(texts.records.size()),
                     {"direct Win32", " same, framework's control", "RuntimePopupAddRow"}, best);
}

// ---- Checks on what the last runs left in the controls.
std::string windowText(HWND handle)
{
    char text[64] = {};
    GetWindowTextA(handle, text, sizeof text);
    return text;
}

std::string comboRow(HWND combo, int32_t row)
{
    char text[64] = {};
    SendMessageA(combo, CB_GETLBTEXT, row, reinterpret_cast<LPARAM>(text));
    return text;
}

bool checkEditText(const RuntimeForm& form, const DirectForm& direct, const Texts& texts)
{
    const char* last = texts.bytes.back();
    bool correct =
        benchCheck(textOf(editTextGetter(form.field, 0)) == last, "the field does not read back its last text");
    correct &= benchCheck(windowText(nativeOf(form.field)) == last, "the field's control does not show its last text");
    correct &= benchCheck(windowText(direct.edit) == last, "the bare rich edit does not hold its last text");
    return correct;
}

// Both lists hold every row; the first, middle and last, chosen through the runtime, read
// back as they were added.
bool checkPopupRows(const RuntimeForm& form, const DirectForm& direct, const Texts& texts)
{
    auto rows = static_cast<int32_t>(texts.bytes.size());
    bool correct = true;
    for (HWND combo : {nativeOf(form.popup), direct.combo}) {
        LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
        correct &= benchCheck(count == rows,
                              "a combo box holds " + std::to_string(count) + " rows, not " + std::to_string(rows));
    }
    for (int32_t row : {0, rows / 2, rows - 1}) {
        RuntimePopupSelectionSetter(form.popup, row);
        const std::string expected = texts.bytes[row];
        correct &= benchCheck(textOf(popupTextGetter(form.popup, 0)) == expected,
                              "the popup's row " + std::to_string(row) + " does not read back");
        correct &= benchCheck(comboRow(direct.combo, row) == expected,
                              "the bare combo box's row " + std::to_string(row) + " is wrong");
    }
    return correct;
}

bool checkOpened(const RuntimeForm& form, const DirectForm& direct)
{
    bool correct = benchCheck(form.field && nativeOf(form.field), "the EditField was not made or shown");
    correct &= benchCheck(form.popup && nativeOf(form.popup), "the PopupMenu was not made or shown");
    correct &= benchCheck(direct.edit && direct.combo, "the bare controls were not made");
    return correct;
}

} // namespace

int main(int argc, char** argv)
{
    bool smoke;
    if (!benchReadArguments(argc, argv, smoke))
        return 2;
    // A full run of texts takes seconds, as the shown control repaints at every text: three
    // turns keep the whole program near a minute.
    Settings settings = {smoke ? 2 : 3, smoke ? 20u : 10000u};
    fixtureSetUp();
    RuntimeForm form = openForm();
    DirectForm direct = openDirectForm(form);
    if (!checkOpened(form, direct)) {
        printf("results WRONG\n");
        return 1;
    }
    Texts texts = makeTexts(settings.operations);
    double editRatio = benchEditText(form, direct, texts, settings.rounds);
    bool correct = checkEditText(form, direct, texts);
    double popupRatio = benchPopupRows(form, direct, texts, settings.rounds);
    correct &= checkPopupRows(form, direct, texts);
    closeForm(form);
    DestroyWindow(direct.window);
    if (smoke)
        printf("\nsmoke run: sizes too small for the timings to mean anything\n");
    printf("\nEditField text, editTextSetter vs direct Win32: %.2f times\n", editRatio);
    printf("PopupMenu rows, RuntimePopupAddRow vs direct Win32: %.2f times\n", popupRatio);
    printf("%s\n", correct ? "results correct" : "results WRONG");
    return correct ? 0 : 1;
}
