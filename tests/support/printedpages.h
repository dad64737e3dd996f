// What the PDF printer made of a print job: its file found by the job's document name, its
// pages rendered to pixels with the system's PDF renderer, and where the ink lies on them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// A document name no other job of any run shares.
std::string uniqueDocumentName(const char* what);

// The next PDF file the printer wrote for a job of that name (UTF-8; the printer keeps it as the
// file's title) that no earlier call handed out, once it is whole; empty when none came within
// the time. Only files written since this program started count, and those handed out are
// removed when it ends: they are the run's, not the person's.
std::string waitForPrintedFile(const std::string& documentName, DWORD timeoutMs);
// Whether such a file is there now.
bool printedFileExists(const std::string& documentName);
// Prints a small job of this program's own to the PDF printer and waits for its file (empty when
// none came within the time). The spooler keeps its order: once this later job is out, every
// job sent to the printer before it is out too, so what is not there by then was never sent.
std::string printLaterJob(DWORD timeoutMs);

// The number of pages of a PDF file.
int printedPageCount(const std::string& pdfPath);

constexpr int renderedDotsPerInch = 144; // two pixels to a unit of 1/72 inch

struct RenderedPage {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> rgb; // three bytes a pixel, top row first

    uint32_t at(int32_t x, int32_t y) const;
    // The smallest rectangle (in pixels) holding every pixel darker than light grey inside the
    // area; empty when there is none.
    RECT inkWithin(const RECT& area) const;
};

// One page (from 1) rendered at renderedDotsPerInch; empty (width 0) when it cannot be.
RenderedPage renderPrintedPage(const std::string& pdfPath, int page);
// Writes a rendered page as a PNG beside the screenshots, to look at.
void keepRenderedPage(const std::string& pdfPath, int page, const std::string& name);

// Units of 1/72 inch to rendered pixels and back.
inline int32_t pixelsOf(int32_t units)
{
    return units * renderedDotsPerInch / 72;
}
inline double unitsOf(int32_t pixels)
{
    return pixels * 72.0 / renderedDotsPerInch;
}
