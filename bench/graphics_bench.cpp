// A printed page through a Graphics (20 texts and one transparent picture) against the same GDI
// calls made directly, on a memory bitmap and on the PDF printer; StringWidth of 1,000 strings
// against GetTextExtentPoint32A. Both paths draw the same pixels and measure the same widths.
#include "bench/benchharness.h"
#include "bench/desktopbench.h"
#include "bench/windowfixture.h"
#include "graphics/fontcache.h"
#include "graphics/gdiobjects.h"
#include "graphics/graphics.h"
#include "graphics/graphicsexports.h"
#include "graphics/picture.h"
#include "graphics/picturemaskregion.h"
#include "graphics/printerjob.h"
#include "tests/support/codepages.h"
#include "tests/support/printedpages.h"
#include "tests/support/testpicture.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

namespace {

constexpr double goalWithin = 1.2;
constexpr int32_t pageWidth = 640;
constexpr int32_t pageHeight = 480;
constexpr int32_t textSize = 12;
constexpr const char* fontName = "MS UI Gothic";
constexpr int32_t ownSize = -10000;

struct Settings {
    int rounds;
    int pagesPerRun;
    int widthRepeats; // runs of the 1,000 strings per timing
};

// ---- The page: the fields of a note, and its transparent stamp picture (117 x 79).
struct PageText {
    std::string text;
    int32_t x;
    int32_t y;
};

std::vector<PageText> pageTexts()
{
    const char* const fields[] = {"￥1,234,567※",
                                  "壱百弐拾参万四千五百六拾七円",
                                  "平成",
                                  "12",
                                  "4",
                                  "1",
                                  "東京都千代田区丸の内一丁目",
                                  "株式会社　手形商事",
                                  "代表取締役　山田太郎",
                                  "支払期日",
                                  "支払地",
                                  "支払場所",
                                  "株式会社　銀行　本店",
                                  "振出日",
                                  "振出地",
                                  "住所",
                                  "振出人",
                                  "No. 001234",
                                  "受取人",
                                  "殿"};
    std::vector<PageText> texts;
    int32_t i = 0;
    for (const char* field : fields) {
        texts.push_back({ansiFromUtf8(field), 20 + (i % 2) * 300, 40 + (i / 2) * 40});
        ++i;
    }
    return texts;
}

std::vector<uint8_t> stampForm()
{
    std::vector<uint16_t> pixels(117 * 79, 0x7FFF);
    for (int32_t y = 0; y < 79; ++y) {
        for (int32_t x = 0; x < 117; ++x) {
            int32_t dx = x - 58, dy = y - 39;
            if (dx * dx / 4 + dy * dy < 1300 && dx * dx / 4 + dy * dy > 900)
                pixels[size_t(y * 117 + x)] = 0x7C00;
        }
    }
    return testPictureForm(117, 79, pixels);
}

// A white 32-bit bitmap in a memory DC, drawn on by both paths.
class PageBitmap {
public:
    PageBitmap() : dc(CreateCompatibleDC(nullptr))
    {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof info.bmiHeader, pageWidth, -pageHeight, 1, 32, BI_RGB};
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        previous = SelectObject(dc, bitmap);
    }
    ~PageBitmap()
    {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    void clear() const
    {
        GdiFlush();
        memset(bits, 0xFF, size_t(pageWidth) * pageHeight * 4);
    }
    std::vector<uint32_t> pixels() const
    {
        GdiFlush();
        const auto* all = static_cast<const uint32_t*>(bits);
        return {all, all + pageWidth * pageHeight};
    }

    HDC dc;

private:
    HBITMAP bitmap;
    HGDIOBJ previous;
    void* bits = nullptr;
};

struct Page {
    std::vector<PageText> texts;
    std::vector<StringRecord*> strings; // the same texts as runtime strings
    ObjectHeader* stamp;
    HFONT font; // the direct path's, made once as a program would
    StringRecord* fontName;
};

// ---- The page through a Graphics, made for the page as a Paint event makes one.
void runtimePage(const Page& page, HDC dc)
{
    ObjectHeader* g = graphicsNew(graphicsOwnerLending(nullptr, dc), {0, 0, pageWidth, pageHeight, 0xFFFFFF});
    graphicsTextFontSetter(g, 0, page.fontName);
    graphicsTextSizeSetter(g, 0, textSize);
    graphicsForeColorSetter(g, 0, 0);
    for (size_t t = 0; t < page.texts.size(); ++t)
        RuntimeGraphicsDrawString(g, page.strings[t], page.texts[t].x, page.texts[t].y, 0);
    RuntimeGraphicsDrawPicture(g, page.stamp, 480, 360, ownSize, ownSize, 0, 0, ownSize, ownSize);
    graphicsDetach(g);
    RuntimeUnlockObject(g);
}

// ---- The same page with GDI calls made directly.
void directTexts(const Page& page, HDC dc)
{
    HGDIOBJ previousFont = SelectObject(dc, page.font);
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_LEFT | TA_BASELINE);
    COLORREF previousColor = SetTextColor(dc, 0);
    for (const PageText& text : page.texts)
        TextOutA(dc, text.x, text.y, text.text.data(), int(text.text.size()));
    SetTextColor(dc, previousColor);
    SelectObject(dc, previousFont);
}

void directPage(const Page& page, HDC dc)
{
    directTexts(page, dc);
    PictureBitmaps stamp;
    pictureBitmaps(page.stamp, stamp);
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ previousBitmap = SelectObject(source, stamp.mask);
    StretchBlt(dc, 480, 360, stamp.width, stamp.height, source, 0, 0, stamp.width, stamp.height, SRCAND);
    SelectObject(source, stamp.image);
    StretchBlt(dc, 480, 360, stamp.width, stamp.height, source, 0, 0, stamp.width, stamp.height, SRCPAINT);
    SelectObject(source, previousBitmap);
    DeleteDC(source);
}

// ---- The same page on the PDF printer, one job a path with a page per draw. A printer paints
// without reading back, so the stamp is copied through a region of its opaque pixels (made by
// the runtime's one region builder, as the runtime's path makes it); a new
// page starts with the device context's state anew, so each page sets it up again.
constexpr const char* printerName = "PDF";

void setPrinterMapping(HDC dc)
{
    int32_t width = GetDeviceCaps(dc, PHYSICALWIDTH), height = GetDeviceCaps(dc, PHYSICALHEIGHT);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, width * 72 / GetDeviceCaps(dc, LOGPIXELSX), height * 72 / GetDeviceCaps(dc, LOGPIXELSY),
                   nullptr);
    SetViewportExtEx(dc, width, height, nullptr);
}

void directPrinterPage(const Page& page, HDC dc)
{
    directTexts(page, dc);
    PictureBitmaps stamp;
    pictureBitmaps(page.stamp, stamp);
    HRGN opaque =
        pictureOpaqueRegion(dc, stamp.mask, {480, 360, stamp.width, stamp.height}, {0, 0, stamp.width, stamp.height});
    SelectClipRgn(dc, opaque);
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ previousBitmap = SelectObject(source, stamp.image);
    StretchBlt(dc, 480, 360, stamp.width, stamp.height, source, 0, 0, stamp.width, stamp.height, SRCCOPY);
    SelectObject(source, previousBitmap);
    DeleteDC(source);
    SelectClipRgn(dc, nullptr);
    DeleteObject(opaque);
    EndPage(dc);
    StartPage(dc);
    setPrinterMapping(dc);
}

void runtimePrinterPage(const Page& page, ObjectHeader* g)
{
    graphicsTextFontSetter(g, 0, page.fontName);
    graphicsTextSizeSetter(g, 0, textSize);
    graphicsForeColorSetter(g, 0, 0);
    for (size_t t = 0; t < page.texts.size(); ++t)
        RuntimeGraphicsDrawString(g, page.strings[t], page.texts[t].x, page.texts[t].y, 0);
    RuntimeGraphicsDrawPicture(g, page.stamp, 480, 360, ownSize, ownSize, 0, 0, ownSize, ownSize);
    RuntimeGraphicsNextPage(g);
}

HDC startPrinterJob(const char* documentName)
{
    HDC dc = CreateDCA("WINSPOOL", printerName, nullptr, nullptr);
    DOCINFOA document = {sizeof document, documentName, nullptr, nullptr, 0};
    if (dc && StartDocA(dc, &document) > 0 && StartPage(dc) > 0) {
        setPrinterMapping(dc);
        return dc;
    }
    if (dc)
        DeleteDC(dc);
    return nullptr;
}

// Both jobs end after the timings. Fewer pages than on the bitmap: every page is spooled and
// made into the PDF printer's file, which the run waits for and removes.
double benchPrinterPages(const Page& page, const Settings& settings, bool& correct)
{
    const std::string directName = uniqueDocumentName("bench-direct");
    const std::string graphicsName = uniqueDocumentName("bench-graphics");
    HDC direct = startPrinterJob(directName.c_str());
    printerJobSetDocumentName(graphicsName.c_str());
    ObjectRef g(printerJobStart(CreateDCA("WINSPOOL", printerName, nullptr, nullptr), nullptr, {1, 0, 0}));
    printerJobSetDocumentName(nullptr);
    correct &= benchCheck(direct && g.get(), "no job could be started on the printer " + std::string(printerName));
    if (!direct || !g.get()) {
        if (direct)
            DeleteDC(direct);
        return 0;
    }
    int pages = std::max(1, settings.pagesPerRun / 4);
    std::vector<double> best =
        benchBestInTurns(std::max(2, settings.rounds / 4), {{[&] {
                                                                 for (int p = 0; p < pages; ++p)
                                                                     directPrinterPage(page, direct);
                                                             },
                                                             {}},
                                                            {[&] {
                                                                 for (int p = 0; p < pages; ++p)
                                                                     runtimePrinterPage(page, g.get());
                                                             },
                                                             {}}});
    EndPage(direct);
    EndDoc(direct);
    DeleteDC(direct);
    RuntimeUnlockObject(g.release());
    // Waited for only to be removed with the run.
    correct &=
        benchCheck(!waitForPrintedFile(directName, 40000).empty() && !waitForPrintedFile(graphicsName, 40000).empty(),
                   "the printer made no file of a job");
    benchPrintHeader("The same page on the PDF printer, ns per page", "the same GDI calls made directly");
    benchPrintRow("direct GDI", pages, best[0] / pages, best[0] / pages);
    benchPrintRow("through a printer Graphics", pages, best[1] / pages, best[0] / pages);
    return best[1] / best[0];
}

// ---- StringWidth of 1,000 strings of 1 to 40 characters.
std::vector<std::string> widthTexts()
{
    std::vector<std::string> texts;
    for (int32_t i = 0; i < 1000; ++i)
        texts.push_back(std::string(size_t(1 + i % 40), char('A' + i % 26)) + std::to_string(i));
    return texts;
}

int64_t runtimeWidths(ObjectHeader* g, const std::vector<StringRecord*>& strings)
{
    int64_t total = 0;
    for (StringRecord* s : strings)
        total += RuntimeGraphicsStringWidth(g, s);
    return total;
}

int64_t directWidths(HDC dc, const std::vector<std::string>& texts)
{
    int64_t total = 0;
    for (const std::string& text : texts) {
        SIZE extent;
        GetTextExtentPoint32A(dc, text.data(), int(text.size()), &extent);
        total += extent.cx;
    }
    return total;
}

double benchPages(const Page& page, const PageBitmap& bitmap, const Settings& settings, HFONT heldFont)
{
    auto drawPages = [&](void (*draw)(const Page&, HDC)) {
        return [&, draw] {
            for (int p = 0; p < settings.pagesPerRun; ++p)
                draw(page, bitmap.dc);
        };
    };
    std::vector<double> best = benchBestInTurns(settings.rounds, {{drawPages(directPage), [&] { bitmap.clear(); }},
                                                                  {drawPages(runtimePage), [&] { bitmap.clear(); }}});
    // Without any other holder of its font, each page's Graphics makes it anew.
    fontRelease(heldFont);
    std::vector<double> alone = benchBestInTurns(settings.rounds, {{drawPages(runtimePage), [&] { bitmap.clear(); }}});
    fontAcquire(fontName, textSize, false, false, false);
    int pages = settings.pagesPerRun;
    benchPrintHeader("A page of 20 texts and a transparent picture, ns per page", "the same GDI calls made directly");
    benchPrintRow("direct GDI", pages, best[0] / pages, best[0] / pages);
    benchPrintRow("through a Graphics", pages, best[1] / pages, best[0] / pages);
    benchPrintRow(" its font held by no other", pages, alone[0] / pages, best[0] / pages);
    return best[1] / best[0];
}

double benchWidths(ObjectHeader* g, HDC dc, const std::vector<StringRecord*>& strings,
                   const std::vector<std::string>& texts, const Settings& settings)
{
    volatile int64_t sink = 0;
    std::vector<double> best = benchBestInTurns(settings.rounds, {{[&] {
                                                                       for (int r = 0; r < settings.widthRepeats; ++r)
                                                                           sink = sink + directWidths(dc, texts);
                                                                   },
                                                                   {}},
                                                                  {[&] {
                                                                       for (int r = 0; r < settings.widthRepeats; ++r)
                                                                           sink = sink + runtimeWidths(g, strings);
                                                                   },
                                                                   {}}});
    uint64_t count = uint64_t(settings.widthRepeats) * strings.size();
    benchPrintHeader("StringWidth of 1,000 strings, ns per string", "GetTextExtentPoint32A");
    benchPrintRow("GetTextExtentPoint32A", count, best[0] / double(count), best[0] / double(count));
    benchPrintRow("StringWidth", count, best[1] / double(count), best[0] / double(count));
    return best[1] / best[0];
}

bool checkPages(const Page& page, const PageBitmap& bitmap)
{
    bitmap.clear();
    directPage(page, bitmap.dc);
    std::vector<uint32_t> direct = bitmap.pixels();
    bitmap.clear();
    runtimePage(page, bitmap.dc);
    bool correct = benchCheck(bitmap.pixels() == direct, "the page through a Graphics differs from the direct one");
    int32_t inked = 0;
    for (uint32_t pixel : direct)
        inked += (pixel & 0xFFFFFF) != 0xFFFFFF;
    return correct & benchCheck(inked > 2000, "the page is nearly blank: " + std::to_string(inked) + " pixels");
}

} // namespace

int main(int argc, char** argv)
{
    bool smoke;
    if (!benchReadArguments(argc, argv, smoke))
        return 2;
    Settings settings = smoke ? Settings{2, 1, 1} : Settings{40, 20, 5};
    fixtureSetUp();
    std::vector<uint8_t> form = stampForm();
    ObjectRef stamp(pictureFromImageData(form.data(), uint32_t(form.size()), 1));
    StringRef name(stringFromText(fontName));
    // Held for the whole run, as an open window's fonts are: the direct path's font.
    HFONT font = fontAcquire(fontName, textSize, false, false, false);
    Page page = {pageTexts(), {}, stamp.get(), font, name.get()};
    std::deque<StringRef> owned; // every string of the run
    for (const PageText& text : page.texts)
        page.strings.push_back(owned.emplace_back(stringFromView(text.text)).get());
    PageBitmap bitmap;

    std::vector<std::string> texts = widthTexts();
    std::vector<StringRecord*> strings;
    for (const std::string& text : texts)
        strings.push_back(owned.emplace_back(stringFromView(text)).get());
    ObjectRef g(graphicsNew(graphicsOwnerLending(nullptr, bitmap.dc), {0, 0, pageWidth, pageHeight, 0xFFFFFF}));
    graphicsTextFontSetter(g.get(), 0, name.get());
    graphicsTextSizeSetter(g.get(), 0, textSize);
    RuntimeGraphicsTextHeight(g.get()); // selects the font into the bitmap's DC

    bool correct = checkPages(page, bitmap);
    int64_t measured = runtimeWidths(g.get(), strings); // selects the Graphics' font for both
    correct &= benchCheck(measured == directWidths(bitmap.dc, texts), "StringWidth differs from GetTextExtentPoint32A");
    double pageRatio = benchPages(page, bitmap, settings, font);
    RuntimeGraphicsTextHeight(g.get()); // the page runs made other ports current
    double widthRatio = benchWidths(g.get(), bitmap.dc, strings, texts, settings);
    graphicsDetach(g.get());
    double printerRatio = benchPrinterPages(page, settings, correct);
    fontRelease(font);
    if (smoke)
        printf("\nsmoke run: sizes too small for the timings to mean anything\n");
    else
        printf("\npage %.2f, printed page %.2f, StringWidth %.2f times direct GDI (goal within %.1f: %s)\n", pageRatio,
               printerRatio, widthRatio, goalWithin,
               pageRatio <= goalWithin && printerRatio <= goalWithin && widthRatio <= goalWithin ? "met" : "NOT met");
    printf("%s\n", correct ? "results correct" : "results WRONG");
    return correct ? 0 : 1;
}
