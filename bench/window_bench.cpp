// Windows of 70 controls made from their template and closed, against the same Win32 windows
// made and destroyed directly; events raised through the handler lookup, against direct calls
// of the same handler.
#include "bench/benchharness.h"
#include "bench/desktopbench.h"
#include "bench/windowfixture.h"
#include "image/templatereader.h"
#include "runtime/strings/string.h"
#include "ui/templates/templateproperties.h"
#include "ui/templates/windowtemplate.h"
#include "ui/windows/controlobject.h"
#include "ui/windows/events.h"
#include "ui/windows/nativewindow.h"
#include "ui/windows/pane.h"
#include "ui/windows/windowvisibility.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

extern "C" int32_t RuntimeDebugObjectCount(ObjectHeader* excluded);

namespace {

constexpr double goalWithin = 1.3; // template window against the direct Win32 windows
constexpr int32_t windowWidth = 640;
constexpr int32_t windowHeight = 480;
constexpr int32_t gridColumns = 10;
constexpr int32_t cellWidth = 64;
constexpr int32_t cellHeight = 68;
constexpr const char* plainTopLevelClassName = "BenchTopLevel";
constexpr const char* plainPaneClassName = "BenchPane";

// A run makes one window: on a shared, busy system short runs find its quiet moments.
struct Settings {
    int rounds; // turns of every run; the best time of each counts
    uint32_t eventsPerRun;
};

// ---- Handlers: they count, so that the smoke run can tell they ran.
int32_t windowOpens, controlOpens, pointEvents, plainEvents;

int32_t countWindowOpen(ObjectHeader*)
{
    ++windowOpens;
    return 0;
}
int32_t countControlOpen(ObjectHeader*)
{
    ++controlOpens;
    return 0;
}
int32_t countPointEvent(ObjectHeader*, int32_t, int32_t)
{
    ++pointEvents;
    return 0;
}
int32_t countPlainEvent(ObjectHeader*)
{
    ++plainEvents;
    return 0;
}

template <typename Function> void* code(Function function)
{
    return reinterpret_cast<void*>(function);
}

// ---- The form: about the mix of a real one, in a grid of cells that do not overlap.
struct FormControl {
    std::string name;
    int32_t classIndex;
    RECT bounds;
};

struct Form {
    std::vector<FormControl> controls;
    std::vector<uint8_t> record;
};

Properties textKeys(const std::string& name, const RECT&)
{
    return {{"TextFont", "System"}, {"TextSize", "0"},  {"Bold", "False"},  {"Italic", "False"},
            {"Underline", "False"}, {"Text", name},     {"TextAlign", "0"}, {"TextColor", "0"},
            {"MultiLine", "False"}, {"Enabled", "True"}};
}
Properties canvasKeys(const std::string&, const RECT&)
{
    return {{"Backdrop", "0"}, {"Enabled", "True"}};
}
Properties rectangleKeys(const std::string&, const RECT&)
{
    return {{"FillColor", "16777215"}, {"BorderWidth", "1"}, {"TopLeftColor", "0"}, {"BottomRightColor", "0"}};
}
Properties ovalKeys(const std::string&, const RECT&)
{
    return {{"FillColor", "16777215"}, {"BorderWidth", "1"}, {"BorderColor", "0"}};
}
Properties roundRectangleKeys(const std::string&, const RECT&)
{
    return {
        {"FillColor", "16777215"}, {"BorderWidth", "1"}, {"BorderColor", "0"}, {"OvalWidth", "8"}, {"OvalHeight", "8"}};
}
Properties lineKeys(const std::string&, const RECT& at)
{
    return {{"X1", std::to_string(at.left)},   {"Y1", std::to_string(at.top)}, {"X2", std::to_string(at.right)},
            {"Y2", std::to_string(at.bottom)}, {"BorderWidth", "1"},           {"BorderColor", "0"}};
}

struct KindInForm {
    BuiltinClassId kind;
    const char* namePrefix;
    int count;
    Properties (*ownKeys)(const std::string& name, const RECT& bounds);
};

const KindInForm formMix[] = {
    {BuiltinClassId::StaticText, "Label", 40, textKeys},
    {BuiltinClassId::Canvas, "Canvas", 20, canvasKeys},
    {BuiltinClassId::Rectangle, "Box", 3, rectangleKeys},
    {BuiltinClassId::Oval, "Dot", 3, ovalKeys},
    {BuiltinClassId::RoundRectangle, "Frame", 2, roundRectangleKeys},
    {BuiltinClassId::Line, "Rule", 2, lineKeys},
};

RECT cellBounds(size_t position)
{
    int32_t left = static_cast<int32_t>(position % gridColumns) * cellWidth + 4;
    int32_t top = static_cast<int32_t>(position / gridColumns) * cellHeight + 4;
    return {left, top, left + cellWidth - 8, top + cellHeight - 8};
}

// Each kind is an unnamed subclass with an Open handler, as the image makes them.
Form makeForm()
{
    Form form;
    std::vector<ControlSpec> templates;
    for (const KindInForm& kind : formMix) {
        int32_t cls = fixtureSubclass(builtinClass(kind.kind), {{"Open", code(countControlOpen)}});
        for (int i = 1; i <= kind.count; ++i) {
            RECT at = cellBounds(form.controls.size());
            std::string name = kind.namePrefix + std::to_string(i);
            form.controls.push_back({name, cls, at});
            templates.push_back({cls, controlProperties(name, at.left, at.top, at.right - at.left, at.bottom - at.top,
                                                        kind.ownKeys(name, at))});
        }
    }
    int32_t windowClass = fixtureSubclass(builtinClass(BuiltinClassId::Window), {{"Open", code(countWindowOpen)}});
    Properties window = windowProperties("Form", windowWidth, windowHeight);
    form.record = templateRecord(templateStream(windowClass, window, templates));
    return form;
}

// ---- The template path, and its own work without any Win32 call: reading the template, the
// control objects with their properties, and their CreatePane, Open and Close events.
void templateWindow(const Form& form)
{
    ObjectHeader* window = RuntimeCreateWindow(form.record.data(), nullptr);
    windowsCloseAll();
    RuntimeUnlockObject(window);
}

void buildControlObject(const ControlTemplate& parsed)
{
    ObjectHeader* control = objectInstantiate(classAt(parsed.classIndex));
    for (const TemplateProperty& property : parsed.properties) {
        int32_t converted;
        applyTemplateProperty(control, property.key, property.value, converted);
    }
    for (const char* event : {"CreatePane", "Open", "Close"})
        raiseEvent(control, event);
    RuntimeUnlockObject(control);
}

void templateWorkWithoutWin32(const Form& form)
{
    uint32_t length;
    memcpy(&length, form.record.data(), sizeof length);
    WindowTemplate parsed;
    std::string fault;
    readWindowTemplate(form.record.data() + 4, length, parsed, fault);
    for (const ControlTemplate& control : parsed.controls)
        buildControlObject(control);
}

// ---- The direct path, and the Win32 calls the framework makes beyond it, added one at a time.
struct DirectSteps {
    const char* name;
    bool panePointer;         // SetWindowLongPtr on each pane after it is made and before it goes
    bool paneToTop;           // SetWindowPos(HWND_TOP) on each pane after it is made
    bool panesDestroyedFirst; // DestroyWindow on each pane before the window's own
};

const DirectSteps directPaths[] = {
    {"direct Win32 windows", false, false, false},
    {" + pane pointers", true, false, false},
    {" + panes raised to top", false, true, false},
    {" + panes destroyed first", false, false, true},
    {" + all three", true, true, true},
};

// The framework's window style and place for the template's keys, hidden as the framework
// leaves it until the loop's next pass.
HWND createTopLevel()
{
    DWORD style = WS_CAPTION | WS_CLIPCHILDREN | WS_THICKFRAME | WS_SYSMENU;
    RECT outer = {10, 50, 10 + windowWidth, 50 + windowHeight};
    AdjustWindowRectEx(&outer, style, FALSE, 0);
    return CreateWindowExA(0, plainTopLevelClassName, "Form", style, outer.left, outer.top, outer.right - outer.left,
                           outer.bottom - outer.top, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

HWND createPane(HWND top, const FormControl& control, const DirectSteps& steps)
{
    const RECT& at = control.bounds;
    HWND pane =
        CreateWindowExA(0, plainPaneClassName, nullptr, WS_CHILD | WS_CLIPSIBLINGS | WS_VISIBLE, at.left, at.top,
                        at.right - at.left, at.bottom - at.top, top, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (steps.panePointer)
        SetWindowLongPtrA(pane, 0, reinterpret_cast<LONG_PTR>(&control));
    if (steps.paneToTop)
        SetWindowPos(pane, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return pane;
}

void directWindow(const Form& form, const DirectSteps& steps)
{
    std::vector<HWND> panes(form.controls.size());
    HWND top = createTopLevel();
    for (size_t c = 0; c < panes.size(); ++c)
        panes[c] = createPane(top, form.controls[c], steps);
    for (HWND pane : panes) {
        if (steps.panePointer)
            SetWindowLongPtrA(pane, 0, 0);
        if (steps.panesDestroyedFirst)
            DestroyWindow(pane);
    }
    DestroyWindow(top);
}

// Plain classes with the styles and extra bytes of the framework's own.
void registerPlainClasses()
{
    WNDCLASSA cls = {};
    cls.style = CS_HREDRAW | CS_VREDRAW;
    cls.lpfnWndProc = DefWindowProcA;
    cls.cbWndExtra = sizeof(void*);
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    for (const char* name : {plainTopLevelClassName, plainPaneClassName}) {
        cls.lpszClassName = name;
        RegisterClassA(&cls);
    }
}

// ---- Event dispatch: a leaf class, the middle one with the handlers, and Canvas declaring
// MouseDown (Open is declared two classes further up, on Control).
using PointHandler = int32_t (*)(ObjectHeader*, int32_t, int32_t);
using PlainHandler = int32_t (*)(ObjectHeader*);
// Read at every call, so the compiler cannot call the handler directly or inline it.
volatile PointHandler directPointHandler = countPointEvent;
volatile PlainHandler directPlainHandler = countPlainEvent;

ObjectHeader* makeEventTarget()
{
    int32_t middle = fixtureSubclass(builtinClass(BuiltinClassId::Canvas),
                                     {{"MouseDown", code(countPointEvent)}, {"Open", code(countPlainEvent)}});
    int32_t leaf = fixtureSubclass(fixtureClassAt(middle), {});
    return objectInstantiate(fixtureClassAt(leaf));
}

void raisePoints(ObjectHeader* target, uint32_t count)
{
    for (uint32_t i = 0; i < count; ++i)
        raisePointEvent(target, "MouseDown", static_cast<int32_t>(i), 7);
}
void callPoints(ObjectHeader* target, uint32_t count)
{
    for (uint32_t i = 0; i < count; ++i)
        directPointHandler(target, static_cast<int32_t>(i), 7);
}
void raisePlains(ObjectHeader* target, uint32_t count)
{
    for (uint32_t i = 0; i < count; ++i)
        raiseEvent(target, "Open");
}
void callPlains(ObjectHeader* target, uint32_t count)
{
    for (uint32_t i = 0; i < count; ++i)
        directPlainHandler(target);
}

// Returns the template path's ratio to the direct path.
double benchWindows(const Form& form, const Settings& settings)
{
    std::vector<BenchRun> runs;
    for (const DirectSteps& steps : directPaths)
        runs.push_back({[&form, &steps] { directWindow(form, steps); }, {}});
    runs.push_back({[&] { templateWindow(form); }, {}});
    runs.push_back({[&] { templateWorkWithoutWin32(form); }, {}});
    std::vector<double> best = benchBestInTurns(settings.rounds, runs);
    benchPrintHeader("A window of 70 controls made and closed, ns per window", "71 Win32 windows made and destroyed");
    for (size_t d = 0; d < std::size(directPaths); ++d)
        benchPrintRow(directPaths[d].name, 1, best[d], best[0]);
    benchPrintRow("from the template", 1, best[best.size() - 2], best[0]);
    benchPrintRow(" its work without Win32", 1, best.back(), best[0]);
    return best[best.size() - 2] / best[0];
}

void benchEvents(ObjectHeader* target, const Settings& settings)
{
    uint32_t count = settings.eventsPerRun;
    std::vector<double> best = benchBestInTurns(settings.rounds, {
                                                                     {[&] { callPoints(target, count); }, {}},
                                                                     {[&] { raisePoints(target, count); }, {}},
                                                                     {[&] { callPlains(target, count); }, {}},
                                                                     {[&] { raisePlains(target, count); }, {}},
                                                                 });
    benchPrintHeader("Events, ns per event; handler on the middle of 3 classes", "direct call through a pointer");
    benchPrintRow("direct MouseDown(x, y)", count, best[0] / count, best[0] / count);
    benchPrintRow("raisePointEvent MouseDown", count, best[1] / count, best[0] / count);
    benchPrintRow("direct Open()", count, best[2] / count, best[2] / count);
    benchPrintRow("raiseEvent Open", count, best[3] / count, best[2] / count);
}

// Found by its name, of its class, with its pane in the window.
bool hasControl(ObjectHeader* window, const FormControl& expected)
{
    StringRef name(stringFromView(expected.name));
    ObjectHeader* control = RuntimeControlFetch(window, name.get());
    if (!control || control->cls != fixtureClassAt(expected.classIndex) || !asControl(control)->pane)
        return false;
    return IsChild(asWindow(window)->native->handle, asControl(control)->pane->handle()) != FALSE;
}

bool checkForm(const Form& form)
{
    int32_t objectsBefore = RuntimeDebugObjectCount(nullptr);
    windowOpens = controlOpens = 0;
    ObjectHeader* window = RuntimeCreateWindow(form.record.data(), nullptr);
    bool correct = benchCheck(window != nullptr, "the window was not made");
    for (const FormControl& control : form.controls)
        correct &= benchCheck(!window || hasControl(window, control), "control " + control.name + " missing or wrong");
    windowsCloseAll();
    RuntimeUnlockObject(window);
    correct &= benchCheck(windowOpens == 1 && controlOpens == int32_t(form.controls.size()),
                          "Open ran " + std::to_string(windowOpens) + " times on the window and " +
                              std::to_string(controlOpens) + " times on controls");
    correct &= benchCheck(RuntimeDebugObjectCount(nullptr) == objectsBefore, "objects left after the window closed");
    return correct;
}

bool checkEvents(ObjectHeader* target, uint32_t count)
{
    const struct {
        const char* what;
        void (*run)(ObjectHeader*, uint32_t);
        int32_t* counter;
    } cases[] = {
        {"raisePointEvent MouseDown", raisePoints, &pointEvents},
        {"direct MouseDown", callPoints, &pointEvents},
        {"raiseEvent Open", raisePlains, &plainEvents},
        {"direct Open", callPlains, &plainEvents},
    };
    bool correct = true;
    for (const auto& c : cases) {
        *c.counter = 0;
        c.run(target, count);
        correct &= benchCheck(*c.counter == int32_t(count),
                              std::string(c.what) + ": the handler ran " + std::to_string(*c.counter) + " times");
    }
    return correct;
}

} // namespace

int main(int argc, char** argv)
{
    bool smoke;
    if (!benchReadArguments(argc, argv, smoke))
        return 2;
    Settings settings = {smoke ? 2 : 60, smoke ? 1000u : 200000u};
    fixtureSetUp();
    registerPlainClasses();
    Form form = makeForm();
    ObjectRef target(makeEventTarget());
    templateWindow(form); // the first window fills caches: not part of any timing
    directWindow(form, directPaths[0]);
    bool correct = checkForm(form);
    correct &= checkEvents(target.get(), settings.eventsPerRun);
    double ratio = benchWindows(form, settings);
    benchEvents(target.get(), settings);
    if (smoke)
        printf("\nsmoke run: sizes too small for the timings to mean anything\n");
    else
        printf("\nwindow from its template vs direct Win32 windows: %.2f times (goal within %.1f: %s)\n", ratio,
               goalWithin, ratio <= goalWithin ? "met" : "NOT met");
    printf("%s\n", correct ? "results correct" : "results WRONG");
    return correct ? 0 : 1;
}
