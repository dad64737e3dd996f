// A print job: a printer device context with its document and first page started, drawn on
// through a printer Graphics and ended when that Graphics goes.
#include "graphics/printerjob.h"

#include "graphics/graphics.h"
#include "graphics/printerexports.h"
#include "graphics/printerpage.h"
#include "graphics/printersetup.h"
#include "runtime/strings/string.h"

#include <string>

namespace {

constexpr int32_t unitsWithoutSetup = 72;

std::string& documentName()
{
    static std::string name = "Document";
    return name;
}

// The job ends with its owner: the port takes no device context back before (a job on which
// nothing was drawn never lent one), and the last page is ended even if it stayed empty.
class PrintJob : public GraphicsOwner {
public:
    PrintJob(ObjectHeader* setup, HDC dc, const PrinterPage& page, int32_t horizontal, int32_t vertical)
        : GraphicsOwner(setup), dc(dc), page(page), horizontal(horizontal), vertical(vertical)
    {}
    ~PrintJob() override
    {
        if (abandoned) {
            AbortDoc(dc);
        } else {
            EndPage(dc);
            EndDoc(dc);
        }
        DeleteDC(dc);
    }
    void abandon() override { abandoned = true; }
    HDC acquireDeviceContext() override { return dc; }
    void releaseDeviceContext(HDC) override {}
    void nextPage(HDC) override
    {
        EndPage(dc);
        StartPage(dc);
        setUpPage();
    }
    void clipTo(const RECT& area)
    {
        clip = area;
        clipped = true;
    }
    // A page starts with the device context as the system sets it up: mapping and clip anew.
    void setUpPage()
    {
        printerSetMapping(dc, page, horizontal, vertical);
        HRGN region = clipped ? CreateRectRgnIndirect(&clip) : nullptr;
        SelectClipRgn(dc, region);
        if (region)
            DeleteObject(region);
    }

private:
    HDC dc;
    PrinterPage page;
    int32_t horizontal, vertical;
    RECT clip = {};
    bool clipped = false;
    bool abandoned = false;
};

bool startDocument(HDC dc)
{
    DOCINFOA document = {};
    document.cbSize = sizeof document;
    document.lpszDocName = documentName().c_str();
    if (StartDocA(dc, &document) <= 0)
        return false;
    if (StartPage(dc) > 0)
        return true;
    AbortDoc(dc);
    return false;
}

} // namespace

ObjectHeader* printerJobStart(HDC dc, ObjectHeader* setupObject, const PrintJobCounts& counts)
{
    PrinterSetupObject* setup = printerSetupOf(setupObject);
    PrinterPage page;
    if (!dc)
        return nullptr;
    if (!printerPageOf(dc, page) || !startDocument(dc)) {
        DeleteDC(dc);
        return nullptr;
    }
    if (setup)
        printerSetupResolutionsFromDevice(*setup);
    int32_t horizontal = setup ? setup->horizontalResolution : unitsWithoutSetup;
    int32_t vertical = setup ? setup->verticalResolution : unitsWithoutSetup;
    PrinterLayout layout =
        printerLayout(page, horizontal, vertical, setup ? printerSetupMargins(*setup) : PrinterMargins{});
    auto job = std::make_unique<PrintJob>(setup ? setupObject : nullptr, dc, page, horizontal, vertical);
    if (setup)
        job->clipTo(layout.deviceClip);
    job->setUpPage();
    ObjectHeader* graphics =
        graphicsNew(std::move(job), {layout.originX, layout.originY, layout.width, layout.height, RGB(255, 255, 255)});
    GraphicsPort* port = graphicsPortOf(graphics);
    port->copies = counts.copies;
    port->firstPage = counts.firstPage;
    port->lastPage = counts.lastPage;
    return graphics;
}

void printerJobSetDocumentName(const char* name)
{
    documentName() = name && *name ? name : "Document";
}

extern "C" void RuntimeSetPrintJobName(StringRecord* name)
{
    printerJobSetDocumentName(name ? std::string(stringText(name), size_t(stringLength(name))).c_str() : nullptr);
}

// The job goes with its Graphics as always, but nothing of it reaches the printer.
extern "C" void RuntimeAbandonPrintJob(ObjectHeader* g)
{
    if (GraphicsPort* port = graphicsPortOf(g))
        port->owner->abandon();
}
