// What the PDF printer made of a print job: its file found by the job's document name, its
// pages rendered to pixels with the system's PDF renderer, and where the ink lies on them.
#include "tests/support/printedpages.h"

#include "tests/support/programdriver.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

std::string unixToWindows(const std::string& path)
{
    std::string windows = "Z:" + path;
    std::replace(windows.begin(), windows.end(), '/', '\\');
    return windows;
}

std::string replaced(std::string text, const std::string& name, const std::string& value)
{
    for (size_t at; (at = text.find(name)) != std::string::npos;)
        text.replace(at, name.size(), value);
    return text;
}

// Wine keeps the home folder as \??\Z:\home\... and the user name as the login's.
std::string unixHome()
{
    char home[MAX_PATH] = {};
    GetEnvironmentVariableA("WINEHOMEDIR", home, sizeof home);
    std::string path = home;
    path = path.rfind("\\??\\Z:", 0) == 0 ? path.substr(6) : "/root";
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

std::string userName()
{
    char name[256] = {};
    DWORD size = sizeof name;
    GetUserNameA(name, &size);
    return name;
}

// The printer's "Out" setting (where it writes its files), as a Windows path.
const std::string& outputFolder()
{
    static const std::string folder = [] {
        std::string out = "/var/spool/cups-pdf/${USER}", conf;
        readWholeFile("Z:\\etc\\cups\\cups-pdf.conf", conf);
        for (size_t start = 0; start < conf.size();) {
            size_t end = std::min(conf.find('\n', start), conf.size());
            std::string line = conf.substr(start, end - start);
            if (line.rfind("Out ", 0) == 0)
                out = line.substr(4);
            start = end + 1;
        }
        out = replaced(replaced(out, "${HOME}", unixHome()), "${USER}", userName());
        return unixToWindows(out);
    }();
    return folder;
}

std::string fileFor(const std::string& documentName)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((outputFolder() + "\\" + documentName + "*.pdf").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return "";
    FindClose(search);
    return outputFolder() + "\\" + found.cFileName;
}

bool wholePdf(const std::string& path)
{
    std::string bytes;
    if (!readWholeFile(path, bytes))
        return false;
    size_t end = bytes.find_last_not_of("\r\n ");
    return end != std::string::npos && end >= 4 && bytes.compare(end - 4, 5, "%%EOF") == 0;
}

// A P6 file whose pixels are all there.
bool readPixmap(const std::string& path, RenderedPage& page)
{
    std::string bytes;
    if (!readWholeFile(path, bytes) || bytes.compare(0, 2, "P6") != 0)
        return false;
    int width = 0, height = 0, maximum = 0, headerEnd = 0;
    if (sscanf(bytes.c_str(), "P6 %d %d %d%n", &width, &height, &maximum, &headerEnd) != 3 || maximum != 255)
        return false;
    size_t pixels = size_t(width) * size_t(height) * 3;
    if (bytes.size() < size_t(headerEnd) + 1 + pixels)
        return false;
    page.width = width;
    page.height = height;
    page.rgb.assign(bytes.end() - std::ptrdiff_t(pixels), bytes.end());
    return true;
}

// The renderer is a program of the host system: Wine starts it but gives no handle to wait
// on, so its output is awaited instead.
bool runHostProgram(const std::string& commandLine)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string line = commandLine;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    if (process.hProcess)
        CloseHandle(process.hProcess);
    if (process.hThread)
        CloseHandle(process.hThread);
    return true;
}

std::string unixPathOf(const std::string& windowsPath)
{
    std::string path = windowsPath.substr(2);
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

std::string renderTo(const std::string& pdfPath, int page, const char* format, const std::string& outputStem)
{
    const std::string output = outputStem + (strcmp(format, "-png") == 0 ? ".png" : ".ppm");
    DeleteFileA(unixToWindows(output).c_str());
    std::string command = "Z:\\usr\\bin\\pdftoppm " + std::string(format) + " -r " +
                          std::to_string(renderedDotsPerInch) + " -f " + std::to_string(page) + " -l " +
                          std::to_string(page) + " -singlefile \"" + unixPathOf(pdfPath) + "\" \"" + outputStem + "\"";
    return runHostProgram(command) ? unixToWindows(output) : "";
}

// Files of this run, removed at its end.
class RunFiles {
public:
    ~RunFiles()
    {
        for (const std::string& path : paths)
            DeleteFileA(path.c_str());
    }
    void add(const std::string& path)
    {
        if (std::find(paths.begin(), paths.end(), path) == paths.end())
            paths.push_back(path);
    }

private:
    std::vector<std::string> paths;
};

RunFiles& runFiles()
{
    static RunFiles files;
    return files;
}

} // namespace

std::string uniqueDocumentName(const char* what)
{
    static int jobs = 0;
    return "tegata-" + std::string(what) + "-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(GetTickCount()) + "-" + std::to_string(++jobs);
}

std::string waitForPrintedFile(const std::string& documentName, DWORD timeoutMs)
{
    std::string path;
    if (!waitUntil([&] { return !(path = fileFor(documentName)).empty() && wholePdf(path); }, timeoutMs))
        return "";
    runFiles().add(path);
    return path;
}

namespace {
std::vector<std::pair<std::string, uint64_t>> printedFilesNow()
{
    std::vector<std::pair<std::string, uint64_t>> files;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((outputFolder() + "\\*.pdf").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return files;
    do {
        uint64_t written = uint64_t(found.ftLastWriteTime.dwHighDateTime) << 32 | found.ftLastWriteTime.dwLowDateTime;
        files.emplace_back(found.cFileName, written);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return files;
}
} // namespace

PrintedFilesBefore::PrintedFilesBefore() : files(printedFilesNow())
{}

std::string PrintedFilesBefore::newFile() const
{
    for (const auto& file : printedFilesNow()) {
        if (std::find(files.begin(), files.end(), file) == files.end())
            return outputFolder() + "\\" + file.first;
    }
    return "";
}

std::vector<std::string> PrintedFilesBefore::newFiles() const
{
    std::vector<std::string> written;
    for (const auto& file : printedFilesNow()) {
        if (std::find(files.begin(), files.end(), file) == files.end())
            written.push_back(outputFolder() + "\\" + file.first);
    }
    return written;
}

std::string PrintedFilesBefore::waitForNewFile(DWORD timeoutMs) const
{
    std::string path;
    if (!waitUntil([&] { return !(path = newFile()).empty() && wholePdf(path); }, timeoutMs))
        return "";
    runFiles().add(path);
    return path;
}

bool printedFileExists(const std::string& documentName)
{
    return !fileFor(documentName).empty();
}

std::string printLaterJob(DWORD timeoutMs)
{
    std::string name = uniqueDocumentName("later");
    HDC printer = CreateDCA("WINSPOOL", "PDF", nullptr, nullptr);
    if (!printer)
        return "";
    DOCINFOA document = {sizeof document, name.c_str(), nullptr, nullptr, 0};
    bool sent = StartDocA(printer, &document) > 0 && StartPage(printer) > 0;
    if (sent) {
        TextOutA(printer, 300, 300, "later", 5);
        sent = EndPage(printer) > 0 && EndDoc(printer) > 0;
    }
    DeleteDC(printer);
    return sent ? waitForPrintedFile(name, timeoutMs) : "";
}

// The printer's files keep each page's dictionary in plain text: "/Type/Page" or "/Type /Page",
// apart from the one "/Pages".
int printedPageCount(const std::string& pdfPath)
{
    std::string bytes;
    readWholeFile(pdfPath, bytes);
    int pages = 0;
    for (size_t at = 0; (at = bytes.find("/Type", at)) != std::string::npos;) {
        at = bytes.find_first_not_of(" \r\n", at + 5);
        pages += at != std::string::npos && bytes.compare(at, 5, "/Page") == 0 && bytes.compare(at + 5, 1, "s") != 0;
    }
    return pages;
}

RenderedPage renderPrintedPage(const std::string& pdfPath, int page)
{
    RenderedPage rendered;
    std::string stem = "/tmp/tegata-printed-" + std::to_string(GetCurrentProcessId());
    std::string output = renderTo(pdfPath, page, "", stem);
    if (!output.empty() && !waitUntil([&] { return readPixmap(output, rendered); }, 20000))
        rendered = {};
    DeleteFileA(output.c_str());
    return rendered;
}

void keepRenderedPage(const std::string& pdfPath, int page, const std::string& name)
{
    CreateDirectoryA("screenshots", nullptr);
    char folder[MAX_PATH] = {};
    GetFullPathNameA("screenshots", MAX_PATH, folder, nullptr);
    // The build folder lies on the host's file system, reached through Z: as every host path here.
    std::string path = std::string(folder) + "\\" + name;
    if ((path[0] == 'Z' || path[0] == 'z') && path[1] == ':')
        renderTo(pdfPath, page, "-png", unixPathOf(path));
}

uint32_t RenderedPage::at(int32_t x, int32_t y) const
{
    const uint8_t* pixel = &rgb[(size_t(y) * size_t(width) + size_t(x)) * 3];
    return uint32_t(pixel[0]) << 16 | uint32_t(pixel[1]) << 8 | pixel[2];
}

RECT RenderedPage::inkWithin(const RECT& area) const
{
    RECT ink = {INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (int32_t y = std::max<int32_t>(area.top, 0); y < std::min<int32_t>(area.bottom, height); ++y) {
        for (int32_t x = std::max<int32_t>(area.left, 0); x < std::min<int32_t>(area.right, width); ++x) {
            const uint8_t* pixel = &rgb[(size_t(y) * size_t(width) + size_t(x)) * 3];
            if (pixel[0] + pixel[1] + pixel[2] >= 3 * 192)
                continue;
            ink = {std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y), std::max<LONG>(ink.right, x + 1),
                   std::max<LONG>(ink.bottom, y + 1)};
        }
    }
    return ink.left > ink.right ? RECT{} : ink;
}
