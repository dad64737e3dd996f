// Printing on the PDF printer for real: jobs opened through the print dialog (its buttons pressed
// as a person would) and without it, rendered to pixels and measured: where text lands, with and
// without margins, in which size and font, Japanese text, a second page, a transparent picture.
// And the PrinterSetup: its resolutions, its SetupString, its page geometry, its page setup.
#include "graphics/graphicsexports.h"
#include "graphics/picture.h"
#include "graphics/printerdevice.h"
#include "graphics/printerexports.h"
#include "graphics/printersetup.h"
#include "runtime/objects/builtinclassset.h"
#include "tests/graphics/dialoganswerer.h"
#include "tests/support/codepages.h"
#include "tests/support/printedpages.h"
#include "tests/support/testpicture.h"

#include <dlgs.h>
#include <winspool.h>

#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr const char* pdfPrinter = "PDF";
constexpr DWORD printedWithin = 60000;

StringRef text(const std::string& bytes)
{
    return StringRef(stringFromView(bytes));
}

// Names the jobs started from now on, as application code does.
void nameJobs(const std::string& utf8)
{
    RuntimeSetPrintJobName(text(ansiFromUtf8(utf8)).get());
}

ObjectRef newSetup()
{
    builtinClassesEnsure();
    return ObjectRef(objectInstantiate(printerSetupClass()));
}

PrinterSetupObject& setupOf(const ObjectRef& setup)
{
    return *printerSetupOf(setup.get());
}

std::string portOf(const char* printerName)
{
    HANDLE printer = nullptr;
    if (!OpenPrinterA(const_cast<char*>(printerName), &printer, nullptr))
        return "";
    DWORD size = 0;
    GetPrinterA(printer, 2, nullptr, 0, &size);
    std::vector<uint8_t> info(size);
    std::string port;
    if (size && GetPrinterA(printer, 2, info.data(), size, &size))
        port = reinterpret_cast<PRINTER_INFO_2A*>(info.data())->pPortName;
    ClosePrinter(printer);
    return port;
}

// The handles a print dialog gives for the named printer (with the PDF printer's settings).
void choosePrinter(const ObjectRef& setup, const char* name)
{
    HANDLE printer = nullptr;
    ASSERT_TRUE(OpenPrinterA(const_cast<char*>(pdfPrinter), &printer, nullptr));
    LONG size = DocumentPropertiesA(nullptr, printer, const_cast<char*>(pdfPrinter), nullptr, nullptr, 0);
    HGLOBAL devMode = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size_t(size));
    {
        GlobalView<DEVMODEA> mode(devMode);
        DocumentPropertiesA(nullptr, printer, const_cast<char*>(pdfPrinter), mode.get(), nullptr, DM_OUT_BUFFER);
    }
    ClosePrinter(printer);
    const std::string driver = "winspool", device = name, port = portOf(pdfPrinter);
    HGLOBAL devNames =
        GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DEVNAMES) + driver.size() + device.size() + port.size() + 3);
    {
        GlobalView<DEVNAMES> names(devNames);
        char* base = reinterpret_cast<char*>(names.get());
        names.get()->wDriverOffset = sizeof(DEVNAMES);
        names.get()->wDeviceOffset = WORD(sizeof(DEVNAMES) + driver.size() + 1);
        names.get()->wOutputOffset = WORD(names.get()->wDeviceOffset + device.size() + 1);
        strcpy(base + names.get()->wDriverOffset, driver.c_str());
        strcpy(base + names.get()->wDeviceOffset, device.c_str());
        strcpy(base + names.get()->wOutputOffset, port.c_str());
    }
    printerSetupTakeHandles(setupOf(setup), devMode, devNames);
}

PAGESETUPDLGA recordOf(const ObjectRef& setup)
{
    StringRef saved(printerSetupStringGetter(setup.get(), 0));
    PAGESETUPDLGA record = {};
    if (stringLength(saved.get()) == sizeof record)
        memcpy(&record, stringText(saved.get()), sizeof record);
    return record;
}

void setMargins(const ObjectRef& setup, RECT margins)
{
    PAGESETUPDLGA record = recordOf(setup);
    record.lStructSize = sizeof record;
    record.Flags = PSD_INHUNDREDTHSOFMILLIMETERS | PSD_MARGINS;
    record.rtMargin = margins;
    printerSetupStringSetter(setup.get(), 0, text(std::string(reinterpret_cast<char*>(&record), sizeof record)).get());
}

// The PDF printer's page as its device context reports it.
struct PdfPage {
    int32_t dpiX = 0, dpiY = 0, width = 0, height = 0, offsetX = 0, offsetY = 0;
};

PdfPage pdfPage()
{
    HDC dc = CreateDCA("WINSPOOL", pdfPrinter, nullptr, nullptr);
    PdfPage page = {GetDeviceCaps(dc, LOGPIXELSX),      GetDeviceCaps(dc, LOGPIXELSY),
                    GetDeviceCaps(dc, PHYSICALWIDTH),   GetDeviceCaps(dc, PHYSICALHEIGHT),
                    GetDeviceCaps(dc, PHYSICALOFFSETX), GetDeviceCaps(dc, PHYSICALOFFSETY)};
    DeleteDC(dc);
    return page;
}

// Where the printable corner lies on the rendered page.
POINT printableCorner()
{
    PdfPage page = pdfPage();
    return {page.offsetX * renderedDotsPerInch / page.dpiX, page.offsetY * renderedDotsPerInch / page.dpiY};
}

// The ink of an area given in units from the printable corner, in units from there.
struct InkInUnits {
    double left, top, right, bottom;
    double width() const { return right - left; }
    double height() const { return bottom - top; }
    bool any() const { return right > left; }
};

InkInUnits inkAt(const RenderedPage& page, RECT unitsArea)
{
    POINT corner = printableCorner();
    RECT area = {corner.x + pixelsOf(unitsArea.left), corner.y + pixelsOf(unitsArea.top),
                 corner.x + pixelsOf(unitsArea.right), corner.y + pixelsOf(unitsArea.bottom)};
    RECT ink = page.inkWithin(area);
    return {unitsOf(ink.left - corner.x), unitsOf(ink.top - corner.y), unitsOf(ink.right - corner.x),
            unitsOf(ink.bottom - corner.y)};
}

void drawText(ObjectHeader* g, const char* font, int32_t size, const std::string& bytes, int32_t x, int32_t y)
{
    graphicsTextFontSetter(g, 0, text(font).get());
    graphicsTextSizeSetter(g, 0, size);
    graphicsForeColorSetter(g, 0, 0);
    RuntimeGraphicsDrawString(g, text(bytes).get(), x, y, 0);
}

// Opens a job through the print dialog, choosing the PDF printer and pressing OK: the printer
// Graphics with its reference, or Nil.
ObjectHeader* printThroughDialog(ObjectHeader* setup)
{
    DialogAnswerer person(cmb4, [](HWND dialog) {
        dialogChooseFromList(dialog, cmb4, pdfPrinter);
        dialogClick(dialog, IDOK);
    });
    ObjectHeader* graphics = RuntimeOpenPrinterDialog(setup);
    EXPECT_TRUE(person.answered());
    return graphics;
}

// A page drawn through the print dialog without a setup, as the application prints its forms:
// texts in a size and font changed between them, Japanese text, all in 1/72 inch.
class PrintedThroughTheDialog : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        builtinClassesEnsure();
        std::string name = uniqueDocumentName("dialog");
        nameJobs(name);
        {
            ObjectRef g(printThroughDialog(nullptr));
            ASSERT_NE(g.get(), nullptr);
            drawText(g.get(), "IPAGothic", 16, "HHHH", 84, 84);
            drawText(g.get(), "IPAGothic", 12, "HHHH", 84, 200);
            drawText(g.get(), "IPAGothic", 36, "HHHH", 84, 300);
            drawText(g.get(), "IPAGothic", 24, "iiii", 300, 200);
            drawText(g.get(), "IPAPGothic", 24, "iiii", 300, 300);
            drawText(g.get(), "IPAMincho", 24, ansiFromUtf8("約束手形"), 84, 400);
        }
        pdf = waitForPrintedFile(name, printedWithin);
        ASSERT_FALSE(pdf.empty()) << "no PDF for " << name;
        keepRenderedPage(pdf, 1, "printed-dialog");
        page = renderPrintedPage(pdf, 1);
        ASSERT_GT(page.width, 0);
    }
    static std::string pdf;
    static RenderedPage page;
};
std::string PrintedThroughTheDialog::pdf;
RenderedPage PrintedThroughTheDialog::page;

TEST_F(PrintedThroughTheDialog, TextDrawnAt84StartsWithinOneUnitOf84FromThePrintableCorner)
{
    InkInUnits ink = inkAt(page, {60, 50, 200, 100});
    ASSERT_TRUE(ink.any());
    EXPECT_NEAR(ink.left, 84, 1.0);
    EXPECT_NEAR(ink.bottom, 84, 1.0); // the baseline: H has no descender
    EXPECT_EQ(printedPageCount(pdf), 1);
}

TEST_F(PrintedThroughTheDialog, ASizeChangedBetweenTwoDrawsTakesEffect)
{
    InkInUnits small = inkAt(page, {60, 170, 250, 210});
    InkInUnits large = inkAt(page, {60, 250, 290, 310});
    ASSERT_TRUE(small.any() && large.any());
    EXPECT_NEAR(large.height() / small.height(), 3.0, 0.3) << small.height() << " and " << large.height();
}

TEST_F(PrintedThroughTheDialog, AFontChangedBetweenTwoDrawsTakesEffect)
{
    // A fixed-pitch font gives each i half a square; a proportional one much less.
    InkInUnits fixed = inkAt(page, {290, 170, 420, 210});
    InkInUnits proportional = inkAt(page, {290, 270, 420, 310});
    ASSERT_TRUE(fixed.any() && proportional.any());
    EXPECT_GT(fixed.width(), 1.5 * proportional.width()) << fixed.width() << " and " << proportional.width();
}

TEST_F(PrintedThroughTheDialog, JapaneseTextPrintsInFullWidthCharacters)
{
    InkInUnits japanese = inkAt(page, {60, 360, 300, 410});
    ASSERT_TRUE(japanese.any());
    EXPECT_NEAR(japanese.width(), 4 * 24, 12) << "four characters of 24 units";
    EXPECT_GT(japanese.height(), 16);
}

// A job on the setup's printer without the dialog, with its drawing and its check after.
struct DirectJob {
    std::string pdf;
    RenderedPage page;
};

template <typename Draw> DirectJob printDirectly(ObjectHeader* setup, Draw draw)
{
    DirectJob job;
    std::string name = uniqueDocumentName("direct") + " 直接印刷";
    nameJobs(name);
    {
        ObjectRef g(RuntimeOpenPrinter(setup));
        EXPECT_NE(g.get(), nullptr);
        if (!g.get())
            return job;
        draw(g.get());
    }
    job.pdf = waitForPrintedFile(name, printedWithin);
    EXPECT_FALSE(job.pdf.empty()) << "no PDF for " << name;
    if (!job.pdf.empty())
        job.page = renderPrintedPage(job.pdf, 1);
    return job;
}

TEST(PrintingWithoutDialog, WholeInchMarginsMoveTheOriginByTheResolution)
{
    struct Case {
        const char* what;
        RECT margins;
        double left, baseline;
    };
    const Case cases[] = {
        {"no margins", {0, 0, 0, 0}, 84, 84},
        {"2499 is less than an inch", {2499, 2499, 0, 0}, 84, 84},
        {"a one-inch left margin", {2500, 0, 0, 0}, 84 + 72, 84},
        {"one inch left and two on top", {2500, 5000, 0, 0}, 84 + 72, 84 + 144},
    };
    for (const Case& c : cases) {
        ObjectRef setup = newSetup();
        choosePrinter(setup, pdfPrinter);
        setMargins(setup, c.margins);
        DirectJob job =
            printDirectly(setup.get(), [](ObjectHeader* g) { drawText(g, "IPAGothic", 16, "HHHH", 84, 84); });
        InkInUnits ink = inkAt(job.page, {40, 40, 400, 300});
        ASSERT_TRUE(ink.any()) << c.what;
        EXPECT_NEAR(ink.left, c.left, 1.0) << c.what;
        EXPECT_NEAR(ink.bottom, c.baseline, 1.0) << c.what;
    }
}

TEST(PrintingWithoutDialog, NextPageStartsASecondPageWithTheSameMapping)
{
    ObjectRef setup = newSetup();
    choosePrinter(setup, pdfPrinter);
    DirectJob job = printDirectly(setup.get(), [](ObjectHeader* g) {
        drawText(g, "IPAGothic", 16, "HHHH", 84, 84);
        RuntimeGraphicsNextPage(g);
        drawText(g, "IPAGothic", 16, "HHHH", 84, 120);
    });
    ASSERT_FALSE(job.pdf.empty());
    EXPECT_EQ(printedPageCount(job.pdf), 2);
    RenderedPage second = renderPrintedPage(job.pdf, 2);
    keepRenderedPage(job.pdf, 2, "printed-second-page");
    InkInUnits ink = inkAt(second, {40, 40, 400, 300});
    ASSERT_TRUE(ink.any());
    EXPECT_NEAR(ink.left, 84, 1.0);
    EXPECT_NEAR(ink.bottom, 120, 1.0);
}

// 20 x 20 pixels: a red frame 5 pixels wide round a white middle, which is transparent.
std::vector<uint8_t> framedPicture()
{
    std::vector<uint16_t> pixels(400, 0x7FFF);
    for (int32_t y = 0; y < 20; ++y) {
        for (int32_t x = 0; x < 20; ++x) {
            if (x < 5 || x >= 15 || y < 5 || y >= 15)
                pixels[size_t(y * 20 + x)] = 0x7C00;
        }
    }
    return testPictureForm(20, 20, pixels);
}

TEST(PrintingWithoutDialog, ATransparentPictureLeavesTheBackgroundWhereItsMaskSaysSo)
{
    std::vector<uint8_t> form = framedPicture();
    ObjectRef picture(pictureFromImageData(form.data(), uint32_t(form.size()), 1));
    ObjectRef setup = newSetup();
    choosePrinter(setup, pdfPrinter);
    DirectJob job = printDirectly(setup.get(), [&](ObjectHeader* g) {
        graphicsForeColorSetter(g, 0, 0x0000FF);
        RuntimeGraphicsFillRect(g, 100, 100, 80, 80);
        RuntimeGraphicsDrawPicture(g, picture.get(), 110, 110, 60, 60, 0, 0, 20, 20);
    });
    ASSERT_GT(job.page.width, 0);
    keepRenderedPage(job.pdf, 1, "printed-transparent-picture");
    POINT corner = printableCorner();
    auto colourAt = [&](int32_t x, int32_t y) { return job.page.at(corner.x + pixelsOf(x), corner.y + pixelsOf(y)); };
    struct Case {
        const char* where;
        int32_t x, y;
        uint32_t colour;
    };
    const Case cases[] = {
        {"the background outside the picture", 104, 104, 0x0000FF},
        {"the picture's opaque frame", 115, 115, 0xFF0000},
        {"the picture's transparent middle", 140, 140, 0x0000FF},
        {"the frame on the other side", 165, 140, 0xFF0000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(colourAt(c.x, c.y), c.colour) << c.where;
}

TEST(PrintingWithDialog, CancellingTheDialogStartsNoDocument)
{
    builtinClassesEnsure();
    std::string cancelled = uniqueDocumentName("cancelled");
    nameJobs(cancelled);
    ObjectRef setup = newSetup();
    {
        DialogAnswerer person(cmb4, [](HWND dialog) { dialogClick(dialog, IDCANCEL); });
        ObjectRef g(RuntimeOpenPrinterDialog(setup.get()));
        EXPECT_TRUE(person.answered());
        EXPECT_EQ(g.get(), nullptr);
    }
    EXPECT_EQ(setupOf(setup).devMode, nullptr) << "the setup is unchanged";
    EXPECT_EQ(setupOf(setup).hasSetup, 0);
    // The spooler keeps its order: once a later job is out, an earlier one would be too.
    choosePrinter(setup, pdfPrinter);
    DirectJob later =
        printDirectly(setup.get(), [](ObjectHeader* g) { drawText(g, "IPAGothic", 16, "later", 84, 84); });
    EXPECT_FALSE(later.pdf.empty());
    EXPECT_FALSE(printedFileExists(cancelled));
}

TEST(PrintingWithoutDialog, AnAbandonedJobReachesNoPrinterEvenWithTextDrawn)
{
    builtinClassesEnsure();
    ObjectRef setup = newSetup();
    choosePrinter(setup, pdfPrinter);
    std::string abandoned = uniqueDocumentName("abandoned");
    nameJobs(abandoned);
    {
        ObjectRef g(RuntimeOpenPrinter(setup.get()));
        ASSERT_NE(g.get(), nullptr);
        drawText(g.get(), "IPAGothic", 16, "never printed", 84, 84);
        RuntimeAbandonPrintJob(g.get());
    }
    DirectJob later =
        printDirectly(setup.get(), [](ObjectHeader* g) { drawText(g, "IPAGothic", 16, "later", 84, 84); });
    EXPECT_FALSE(later.pdf.empty());
    EXPECT_FALSE(printedFileExists(abandoned)) << "the spooler keeps its order: a later job is out";
}

TEST(PrintingWithDialog, AConfirmedDialogGivesTheSetupItsPrinterAndTheGraphicsItsCounts)
{
    builtinClassesEnsure();
    std::string name = uniqueDocumentName("counted");
    nameJobs(name);
    ObjectRef setup = newSetup();
    {
        ObjectRef g(printThroughDialog(setup.get()));
        ASSERT_NE(g.get(), nullptr);
        EXPECT_EQ(graphicsCopiesGetter(g.get(), 0), 1);
        EXPECT_EQ(graphicsWidthGetter(g.get(), 0), printerSetupInfoGetter(setup.get(), 4));
    }
    EXPECT_NE(setupOf(setup).devMode, nullptr);
    EXPECT_EQ(setupOf(setup).hasSetup, 1);
    EXPECT_EQ(printerSetupInfoGetter(setup.get(), 1), 72) << "held to its maximum of 72";
    EXPECT_FALSE(waitForPrintedFile(name, printedWithin).empty()) << "a job on which nothing was drawn still ends";
}

// The page-setup dialog, a margin typed in as a person would (in millimetres here).
TEST(PageSetup, ATypedMarginIsKeptAndACancelledDialogChangesNothing)
{
    ObjectRef setup = newSetup();
    choosePrinter(setup, pdfPrinter);
    {
        DialogAnswerer person(edt4, [](HWND dialog) {
            dialogTypeInto(dialog, edt4, "25");
            dialogClick(dialog, IDOK);
        });
        EXPECT_EQ(printerSetupPageSetup(setup.get()), 1);
        EXPECT_TRUE(person.answered());
    }
    PAGESETUPDLGA kept = recordOf(setup);
    EXPECT_EQ(kept.rtMargin.left, 2500);
    EXPECT_EQ(kept.hDevMode, nullptr);
    EXPECT_EQ(kept.hDevNames, nullptr);
    EXPECT_EQ(printerSetupInfoGetter(setup.get(), 6), -72) << "PageLeft: one inch of margin, no unprintable edge";
    StringRef before(printerSetupStringGetter(setup.get(), 0));
    {
        DialogAnswerer person(edt4, [](HWND dialog) {
            dialogTypeInto(dialog, edt4, "50");
            dialogClick(dialog, IDCANCEL);
        });
        EXPECT_EQ(printerSetupPageSetup(setup.get()), 0);
        EXPECT_TRUE(person.answered());
    }
    StringRef after(printerSetupStringGetter(setup.get(), 0));
    EXPECT_EQ(RuntimeStringCompare(before.get(), after.get()), 0);
}

TEST(PrinterSetups, ANewSetupDrawsInSeventyTwoUnitsPerInch)
{
    ObjectRef setup = newSetup();
    for (int32_t selector : {0, 1, 10, 11})
        EXPECT_EQ(printerSetupInfoGetter(setup.get(), selector), 72) << "selector " << selector;
    for (int32_t selector : {2, 3, 12, -1})
        EXPECT_EQ(printerSetupInfoGetter(setup.get(), selector), 0) << "selector " << selector;
    EXPECT_EQ(printerSetupInfoGetter(nullptr, 0), 0);
    printerSetupResSetter(setup.get(), 1, 0);
    EXPECT_EQ(printerSetupInfoGetter(setup.get(), 1), 72) << "a resolution of 0 is not taken";
}

TEST(PrinterSetups, SetupStringsRestoreTheirBytesAndNothingBeyond)
{
    std::string full(sizeof(PAGESETUPDLGA), '\0');
    for (size_t i = 0; i < full.size(); ++i)
        full[i] = char(i + 1);
    struct Case {
        const char* what;
        std::string restored;
        size_t bytesTaken;
    };
    const Case cases[] = {
        {"the 84 bytes", full, 84},
        {"a longer string", full + std::string(40, '\x55'), 84},
        {"a shorter string", full.substr(0, 30), 30},
        {"an empty string", "", 0},
    };
    for (const Case& c : cases) {
        ObjectRef setup = newSetup();
        printerSetupStringSetter(setup.get(), 0, text(c.restored).get());
        StringRef saved(printerSetupStringGetter(setup.get(), 0));
        ASSERT_EQ(stringLength(saved.get()), 84) << c.what;
        std::string expected = c.restored.substr(0, c.bytesTaken) + std::string(84 - c.bytesTaken, '\0');
        std::fill_n(expected.begin() + 8, 8, '\0'); // the two handles
        EXPECT_EQ(std::string(stringText(saved.get()), 84), expected) << c.what;
        EXPECT_EQ(setupOf(setup).hasSetup, c.bytesTaken ? 1 : 0) << c.what;
        EXPECT_EQ(setupOf(setup).devMode, nullptr) << c.what;
    }
}

TEST(PrinterSetups, ResolutionsComeFromTheDeviceModeHeldToTheirMaxima)
{
    struct Case {
        const char* what;
        int32_t maxHorizontal, maxVertical;
        int16_t quality, yResolution;
        int32_t horizontal, vertical;
    };
    const Case cases[] = {
        {"held to a maximum of 300", 300, 300, 600, 0, 300, 300},
        {"no maximum", 0, -1, 600, 0, 600, 600},
        {"a vertical resolution of its own", 0, 0, 600, 300, 600, 300},
        {"a maximum above the device's", 1200, 1200, 600, 600, 600, 600},
        {"a quality code is no resolution", 0, 0, DMRES_HIGH, 0, 72, 72},
    };
    for (const Case& c : cases) {
        ObjectRef setup = newSetup();
        printerSetupMaxResSetter(setup.get(), 11, c.maxHorizontal);
        printerSetupMaxResSetter(setup.get(), 10, c.maxVertical);
        HGLOBAL devMode = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DEVMODEA));
        {
            GlobalView<DEVMODEA> mode(devMode);
            mode.get()->dmSize = sizeof(DEVMODEA);
            mode.get()->dmPrintQuality = c.quality;
            mode.get()->dmYResolution = c.yResolution;
        }
        printerSetupTakeHandles(setupOf(setup), devMode, nullptr);
        printerSetupResolutionsFromDevice(setupOf(setup));
        EXPECT_EQ(printerSetupInfoGetter(setup.get(), 1), c.horizontal) << c.what;
        EXPECT_EQ(printerSetupInfoGetter(setup.get(), 0), c.vertical) << c.what;
    }
}

TEST(PrinterSetups, PageGeometryFollowsThePrinterAndWholeInchMargins)
{
    PdfPage page = pdfPage();
    ASSERT_GT(page.dpiX, 0);
    int32_t printableWidth = (page.width - 2 * page.offsetX) * 72 / page.dpiX;
    int32_t printableHeight = (page.height - 2 * page.offsetY) * 72 / page.dpiY;
    struct Case {
        const char* what;
        RECT margins;
        int32_t width, height, pageLeft, pageTop;
    };
    const Case cases[] = {
        {"no margins",
         {0, 0, 0, 0},
         printableWidth,
         printableHeight,
         -(page.offsetX * 72 / page.dpiX),
         -(page.offsetY * 72 / page.dpiY)},
        {"2499 counts as none",
         {2499, 2499, 2499, 2499},
         printableWidth,
         printableHeight,
         -(page.offsetX * 72 / page.dpiX),
         -(page.offsetY * 72 / page.dpiY)},
        {"an inch on each side, two at the bottom",
         {2500, 2500, 2500, 5000},
         printableWidth - 144,
         printableHeight - 216,
         -72 - page.offsetX * 72 / page.dpiX,
         -72 - page.offsetY * 72 / page.dpiY},
    };
    for (const Case& c : cases) {
        ObjectRef setup = newSetup();
        choosePrinter(setup, pdfPrinter);
        setMargins(setup, c.margins);
        EXPECT_EQ(printerSetupInfoGetter(setup.get(), 4), c.width) << c.what;
        EXPECT_EQ(printerSetupInfoGetter(setup.get(), 5), c.height) << c.what;
        EXPECT_EQ(printerSetupInfoGetter(setup.get(), 6), c.pageLeft) << c.what;
        EXPECT_EQ(printerSetupInfoGetter(setup.get(), 7), c.pageTop) << c.what;
        EXPECT_EQ(printerSetupInfoGetter(setup.get(), 8), page.width * 72 / page.dpiX) << c.what;
        EXPECT_EQ(printerSetupInfoGetter(setup.get(), 9), page.height * 72 / page.dpiY) << c.what;
    }
}

TEST(PrinterSetups, APrinterThatIsGoneGivesZeroAndNoJob)
{
    ObjectRef setup = newSetup();
    choosePrinter(setup, "NoSuchPrinter");
    EXPECT_EQ(printerSetupInfoGetter(setup.get(), 8), 0);
    EXPECT_EQ(RuntimeOpenPrinter(setup.get()), nullptr);
    EXPECT_EQ(printerSetupInfoGetter(setup.get(), 1), 72);
}

} // namespace
