// What the PDF printer made of a print job: its file found by the job's document name, its
// pages rendered to pixels with the system's PDF renderer, and where the ink lies on them.
#include "tests/support/printedpages.h"

#include "tests/support/codepages.h"
#include "tests/support/files.h"
#include "tests/support/process.h"
#include "tests/support/waits.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>

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

bool wholePdf(const std::string& bytes)
{
    size_t end = bytes.find_last_not_of("\r\n ");
    return end != std::string::npos && end >= 4 && bytes.compare(end - 4, 5, "%%EOF") == 0;
}

// A PDF string's bytes, from its opening "<" to the ">": two hex digits a byte.
std::string pdfHexString(const std::string& bytes, size_t at)
{
    std::string text;
    for (++at; at + 1 < bytes.size() && isxdigit(uint8_t(bytes[at])) && isxdigit(uint8_t(bytes[at + 1])); at += 2)
        text += char(std::stoi(bytes.substr(at, 2), nullptr, 16));
    return text;
}

// A PDF string's bytes, from its opening "(" to the matching ")": nested parentheses are kept,
// escapes (a backslash and a letter, a parenthesis or up to three octal digits) decoded.
std::string pdfLiteralString(const std::string& bytes, size_t at)
{
    static const std::string escaped = "nrtbf()\\", meant = "\n\r\t\b\f()\\";
    std::string text;
    for (int depth = 1; ++at < bytes.size();) {
        char c = bytes[at];
        if (c == '\\' && at + 1 < bytes.size()) {
            int value = 0, digits = 0;
            for (; digits < 3 && at + 1 < bytes.size() && bytes[at + 1] >= '0' && bytes[at + 1] <= '7'; ++digits)
                value = value * 8 + (bytes[++at] - '0');
            if (digits > 0)
                text += char(value);
            else if (size_t kind = escaped.find(bytes[++at]); kind != std::string::npos)
                text += meant[kind];
            continue;
        }
        depth += c == '(' ? 1 : c == ')' ? -1 : 0;
        if (depth == 0)
            break;
        text += c;
    }
    return text;
}

// The document name the job had, as the printer keeps it in the file's title (in the system's
// code page, and in parentheses).
std::string documentNameOf(const std::string& bytes)
{
    size_t at = bytes.rfind("/Title");
    if (at == std::string::npos)
        return "";
    at = bytes.find_first_not_of(" \r\n", at + 6);
    std::string title = at == std::string::npos ? ""
                        : bytes[at] == '<'      ? pdfHexString(bytes, at)
                        : bytes[at] == '('      ? pdfLiteralString(bytes, at)
                                                : "";
    if (title.size() >= 2 && title.front() == '(' && title.back() == ')')
        title = title.substr(1, title.size() - 2);
    return utf8FromAnsi(title);
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
    PROCESS_INFORMATION process;
    if (!startProcess(commandLine, process))
        return false;
    closeProcess(process);
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

uint64_t ticksOf(const FILETIME& time)
{
    return uint64_t(time.dwHighDateTime) << 32 | time.dwLowDateTime;
}

// When this program started, less two seconds for the coarser clock of some file systems.
uint64_t startOfRun()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    return ticksOf(created) - 2 * 10000000ull;
}

// The printer's files written since this program started (the folder is a person's: what was
// there before is none of this run's), each read once it is whole. The files handed out are
// this run's and are removed at its end.
class PrinterFolder {
public:
    ~PrinterFolder()
    {
        for (const std::string& path : handedOut)
            DeleteFileA(path.c_str());
    }

    // The first whole file of a job of that name that was not handed out yet; empty when none.
    std::string unhandedFile(const std::string& documentName)
    {
        std::string match;
        forEachWholeFile([&](const std::string& path, const std::string& name) {
            if (match.empty() && name == documentName &&
                std::find(handedOut.begin(), handedOut.end(), path) == handedOut.end())
                match = path;
        });
        return match;
    }
    void handOut(const std::string& path) { handedOut.push_back(path); }

private:
    struct WholeFile {
        uint64_t written, size;
        std::string documentName;
    };

    template <typename Visit> void forEachWholeFile(const Visit& visit)
    {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((outputFolder() + "\\*.pdf").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return;
        do {
            if (ticksOf(found.ftLastWriteTime) < runStart)
                continue;
            std::string path = outputFolder() + "\\" + found.cFileName;
            const WholeFile* file = wholeFile(path, ticksOf(found.ftLastWriteTime),
                                              uint64_t(found.nFileSizeHigh) << 32 | found.nFileSizeLow);
            if (file)
                visit(path, file->documentName);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }

    // A file is read again only when it changed since it was read whole.
    const WholeFile* wholeFile(const std::string& path, uint64_t written, uint64_t size)
    {
        auto known = whole.find(path);
        if (known != whole.end() && known->second.written == written && known->second.size == size)
            return &known->second;
        std::string bytes;
        if (!readWholeFile(path, bytes) || !wholePdf(bytes))
            return nullptr;
        return &(whole[path] = {written, size, documentNameOf(bytes)});
    }

    const uint64_t runStart = startOfRun();
    std::map<std::string, WholeFile> whole; // by path
    std::vector<std::string> handedOut;
};

PrinterFolder& printerFolder()
{
    static PrinterFolder folder;
    return folder;
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
    if (!waitUntil([&] { return !(path = printerFolder().unhandedFile(documentName)).empty(); }, timeoutMs))
        return "";
    printerFolder().handOut(path);
    return path;
}

bool printedFileExists(const std::string& documentName)
{
    return !printerFolder().unhandedFile(documentName).empty();
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
