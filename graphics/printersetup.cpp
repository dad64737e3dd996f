// The PrinterSetup object: the chosen printer, the paper and margins of the last page setup,
// and the resolution a print job draws in.
#include "graphics/printersetup.h"

#include "graphics/printerdevice.h"
#include "graphics/printerexports.h"
#include "graphics/printerpage.h"
#include "runtime/objects/builtinclassset.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int32_t newResolution = 72;
constexpr int32_t hundredthsOfMillimetrePerInch = 2500; // near enough, as the page setup counts
constexpr uint32_t setupStringSize = sizeof(PAGESETUPDLGA);

enum Selector : int32_t {
    verticalResolution = 0,
    horizontalResolution,
    left,
    top,
    width,
    height,
    pageLeft,
    pageTop,
    pageWidth,
    pageHeight,
    maxVerticalResolution,
    maxHorizontalResolution,
};

PrinterSetupObject* asSetup(ObjectHeader* object)
{
    return reinterpret_cast<PrinterSetupObject*>(object);
}

void initSetup(ObjectHeader* object, ClassDescriptor*)
{
    PrinterSetupObject* setup = asSetup(object);
    setup->verticalResolution = setup->horizontalResolution = newResolution;
    setup->maxVerticalResolution = setup->maxHorizontalResolution = newResolution;
    setup->records = new PrinterSetupRecords{};
}

void destroySetup(ObjectHeader* object, ClassDescriptor*)
{
    PrinterSetupObject* setup = asSetup(object);
    printerFreeHandles(setup->devMode, setup->devNames);
    delete setup->records;
    setup->records = nullptr;
}

[[maybe_unused]] const bool setUpRegistered = (builtinClassOnSetUp(BuiltinClassId::PrinterSetup,
                                                                   [](ClassDescriptor* cls) {
                                                                       cls->constructor = initSetup;
                                                                       cls->destructor = destroySetup;
                                                                       printerSetupDeclareProperties(cls);
                                                                   }),
                                               true);

// A device's resolution held to its maximum; a value that is no resolution (the quality
// codes of a device mode are negative) leaves the one in force.
int32_t resolutionFrom(int32_t device, int32_t maximum, int32_t current)
{
    if (device <= 0)
        return current;
    return maximum > 0 && maximum < device ? maximum : device;
}

// The page geometry of the selectors that need the printer; 0 when there is none.
int32_t pageGeometry(PrinterSetupObject& setup, int32_t selector)
{
    if (!printerSetupEnsurePrinter(setup))
        return 0;
    HDC information = printerCreateInformationContext(setup.devMode, setup.devNames);
    PrinterPage page;
    bool known = information && printerPageOf(information, page);
    if (information)
        DeleteDC(information);
    if (!known)
        return 0;
    PrinterLayout layout =
        printerLayout(page, setup.horizontalResolution, setup.verticalResolution, printerSetupMargins(setup));
    const int32_t values[] = {layout.width,   layout.height,    layout.pageLeft,
                              layout.pageTop, layout.pageWidth, layout.pageHeight};
    return values[selector - width];
}

void clearHandleFields(PAGESETUPDLGA& record)
{
    record.hDevMode = nullptr;
    record.hDevNames = nullptr;
}

} // namespace

ClassDescriptor* printerSetupClass()
{
    return builtinClass(BuiltinClassId::PrinterSetup);
}

PrinterSetupObject* printerSetupOf(ObjectHeader* object)
{
    if (!object || !objectIsa(object, printerSetupClass()))
        return nullptr;
    return asSetup(object);
}

void printerSetupTakeHandles(PrinterSetupObject& setup, HGLOBAL devMode, HGLOBAL devNames)
{
    if (setup.devMode && setup.devMode != devMode)
        GlobalFree(setup.devMode);
    if (setup.devNames && setup.devNames != devNames)
        GlobalFree(setup.devNames);
    setup.devMode = devMode;
    setup.devNames = devNames;
}

bool printerSetupEnsurePrinter(PrinterSetupObject& setup)
{
    if (setup.devMode)
        return true;
    HGLOBAL devMode = nullptr, devNames = nullptr;
    if (!printerDefaultHandles(devMode, devNames))
        return false;
    printerSetupTakeHandles(setup, devMode, devNames);
    return true;
}

void printerSetupResolutionsFromDevice(PrinterSetupObject& setup)
{
    GlobalView<DEVMODEA> mode(setup.devMode);
    if (!mode.get())
        return;
    int32_t across = mode.get()->dmPrintQuality;
    int32_t down = mode.get()->dmYResolution > 0 ? mode.get()->dmYResolution : across;
    setup.horizontalResolution = resolutionFrom(across, setup.maxHorizontalResolution, setup.horizontalResolution);
    setup.verticalResolution = resolutionFrom(down, setup.maxVerticalResolution, setup.verticalResolution);
}

PrinterMargins printerSetupMargins(const PrinterSetupObject& setup)
{
    if (!setup.hasSetup)
        return {0, 0, 0, 0};
    const RECT& margins = setup.records->pageSetup.rtMargin;
    return {margins.left / hundredthsOfMillimetrePerInch, margins.top / hundredthsOfMillimetrePerInch,
            margins.right / hundredthsOfMillimetrePerInch, margins.bottom / hundredthsOfMillimetrePerInch};
}

// The resolutions and their maxima are the setup's own and need no printer.
extern "C" int32_t printerSetupInfoGetter(ObjectHeader* object, int32_t selector)
{
    PrinterSetupObject* setup = printerSetupOf(object);
    if (!setup)
        return 0;
    switch (selector) {
    case verticalResolution:
        return setup->verticalResolution;
    case horizontalResolution:
        return setup->horizontalResolution;
    case maxVerticalResolution:
        return setup->maxVerticalResolution;
    case maxHorizontalResolution:
        return setup->maxHorizontalResolution;
    case width:
    case height:
    case pageLeft:
    case pageTop:
    case pageWidth:
    case pageHeight:
        return pageGeometry(*setup, selector);
    default:
        return 0; // Left and Top: the origin is the margin corner
    }
}

// A resolution of 0 or less could map nothing: it is not taken.
extern "C" void printerSetupResSetter(ObjectHeader* object, int32_t selector, int32_t value)
{
    PrinterSetupObject* setup = printerSetupOf(object);
    if (!setup || value <= 0)
        return;
    if (selector == verticalResolution)
        setup->verticalResolution = value;
    else if (selector == horizontalResolution)
        setup->horizontalResolution = value;
}

extern "C" void printerSetupMaxResSetter(ObjectHeader* object, int32_t selector, int32_t value)
{
    PrinterSetupObject* setup = printerSetupOf(object);
    if (!setup)
        return;
    if (selector == maxVerticalResolution)
        setup->maxVerticalResolution = value;
    else if (selector == maxHorizontalResolution)
        setup->maxHorizontalResolution = value;
}

// Handles do not survive the program: they read as 0.
extern "C" StringRecord* printerSetupStringGetter(ObjectHeader* object, int32_t)
{
    PrinterSetupObject* setup = printerSetupOf(object);
    if (!setup)
        return nullptr;
    PAGESETUPDLGA record = setup->records->pageSetup;
    clearHandleFields(record);
    return stringMake(reinterpret_cast<const char*>(&record), setupStringSize);
}

// The string's bytes go over the start of the record, never beyond it: a shorter string
// leaves the rest as it was, an empty one restores nothing. The printer stays the one the
// setup has.
extern "C" void printerSetupStringSetter(ObjectHeader* object, int32_t, StringRecord* text)
{
    PrinterSetupObject* setup = printerSetupOf(object);
    if (!setup || stringLength(text) == 0)
        return;
    PAGESETUPDLGA& record = setup->records->pageSetup;
    memcpy(&record, stringText(text), std::min<uint32_t>(stringLength(text), setupStringSize));
    clearHandleFields(record);
    setup->hasSetup = 1;
}

void printerSetupDeclareProperties(ClassDescriptor* cls)
{
    void* info = accessor(printerSetupInfoGetter);
    void* resolution = accessor(printerSetupResSetter);
    void* maximum = accessor(printerSetupMaxResSetter);
    classDeclareProperties(
        cls,
        {
            {"VerticalResolution", info, resolution, verticalResolution, propertyInteger},
            {"HorizontalResolution", info, resolution, horizontalResolution, propertyInteger},
            {"Left", info, nullptr, left, propertyInteger},
            {"Top", info, nullptr, top, propertyInteger},
            {"Width", info, nullptr, width, propertyInteger},
            {"Height", info, nullptr, height, propertyInteger},
            {"PageLeft", info, nullptr, pageLeft, propertyInteger},
            {"PageTop", info, nullptr, pageTop, propertyInteger},
            {"PageWidth", info, nullptr, pageWidth, propertyInteger},
            {"PageHeight", info, nullptr, pageHeight, propertyInteger},
            {"MaxVerticalResolution", info, maximum, maxVerticalResolution, propertyInteger},
            {"MaxHorizontalResolution", info, maximum, maxHorizontalResolution, propertyInteger},
            {"SetupString", accessor(printerSetupStringGetter), accessor(printerSetupStringSetter), 0, propertyString},
        });
}
