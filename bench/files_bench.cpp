// Text streams and folder listings against the standard library and the system's own search:
// a Shift-JIS text file read line by line and written back, and a folder listed by count and
// items at two sizes, to show the listing loop grows linearly with the number of files.
#include "bench/benchharness.h"
#include "files/filesexports.h"
#include "runtime/strings/string.h"
#include "tests/files/scratchfolder.h"

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr double goalStreams = 1.2; // ratio to the standard library
constexpr double goalLinear = 1.3;  // time per file of the larger listing to that of the smaller

struct Settings {
    bool smoke;
    int repetitions;
    size_t textBytes;
    int32_t smallFolder;
    int32_t largeFolder;
};

// Lines of Japanese text of varied length, several with a second byte that is a backslash.
std::vector<std::string> makeLines(size_t totalBytes)
{
    const char* words[] = {"約束手形",
                           "\x95\x5c"
                           "示",
                           "小切手",
                           "\x83\x5c"
                           "フト",
                           "株式会社",
                           "金額",
                           "12345",
                           "円",
                           " "};
    std::vector<std::string> lines;
    size_t bytes = 0;
    for (uint32_t seed = 1; bytes < totalBytes;) {
        std::string line;
        size_t length = 20 + seed % 80;
        while (line.size() < length) {
            seed = seed * 1103515245 + 12345;
            line += words[(seed >> 16) % 9];
        }
        bytes += line.size() + 2;
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text.append(line).append("\r\n");
    return text;
}

size_t readWithStream(const std::string& path, std::vector<std::string>* kept)
{
    ObjectRef item(itemFor(path));
    ObjectRef stream(FolderItemOpenTextFile(item.get()));
    size_t bytes = 0;
    while (!TextInputStreamEOF(stream.get())) {
        StringRef line(TextInputStreamReadLine(stream.get()));
        bytes += static_cast<size_t>(stringLength(line.get()));
        if (kept)
            kept->emplace_back(stringText(line.get()), static_cast<size_t>(stringLength(line.get())));
    }
    TextInputStreamClose(stream.get());
    return bytes;
}

size_t readWithStandardLibrary(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string line;
    size_t bytes = 0;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        bytes += line.size();
    }
    return bytes;
}

bool writeWithStream(const std::string& path, const std::vector<StringRecord*>& lines)
{
    ObjectRef item(itemFor(path));
    ObjectRef stream(FolderItemCreateTextFile(item.get()));
    for (StringRecord* line : lines)
        TextOutputStreamWriteLine(stream.get(), line);
    return TextOutputStreamClose(stream.get());
}

bool writeWithStandardLibrary(const std::string& path, const std::vector<std::string>& lines)
{
    std::ofstream out(path, std::ios::binary);
    for (const std::string& line : lines)
        out.write(line.data(), static_cast<std::streamsize>(line.size())).write("\r\n", 2);
    out.close();
    return !out.fail();
}

void benchStreams(const Settings& settings, BenchOutcome& outcome)
{
    ScratchFolder scratch;
    std::vector<std::string> lines = makeLines(settings.textBytes);
    std::string text = joined(lines);
    std::string source = scratch.make("text.txt", text);
    std::vector<std::string> read;
    readWithStream(source, &read);
    outcome.check(read == lines, "the lines read are the lines of the file");
    size_t lineBytes = 0;
    std::vector<StringRecord*> records;
    for (const std::string& line : lines) {
        records.push_back(stringFromView(line));
        lineBytes += line.size();
    }
    double baselineRead = benchBestNanoseconds(
        settings.repetitions, [] {}, [&] { readWithStandardLibrary(source); });
    double streamRead = benchBestNanoseconds(
        settings.repetitions, [] {}, [&] { readWithStream(source, nullptr); });
    outcome.check(readWithStandardLibrary(source) == lineBytes && readWithStream(source, nullptr) == lineBytes,
                  "both readers read every byte of every line");
    std::string copy = scratch.pathOf("copy.txt");
    double baselineWrite = benchBestNanoseconds(
        settings.repetitions, [] {}, [&] { writeWithStandardLibrary(copy, lines); });
    outcome.check(fileBytes(copy) == text, "the standard library writes the file back as it was");
    double streamWrite = benchBestNanoseconds(
        settings.repetitions, [] {}, [&] { writeWithStream(copy, records); });
    outcome.check(fileBytes(copy) == text, "the stream writes the file back as it was");
    for (StringRecord* record : records)
        RuntimeUnlockString(record);

    benchPrintHeader("Shift-JIS text file, per line", "std::ifstream/std::getline and std::ofstream");
    outcome.report("read a line", lines.size(), streamRead / lines.size(), baselineRead / lines.size(), goalStreams);
    outcome.report("write a line", lines.size(), streamWrite / lines.size(), baselineWrite / lines.size(), goalStreams);
}

// Count then items 1 to count, each item's name taken, as a font menu is filled.
size_t listByCountAndItems(ObjectHeader* folder)
{
    size_t nameBytes = 0;
    int32_t count = fileCountGetter(folder, 0);
    for (int32_t i = 1; i <= count; ++i) {
        ObjectRef item(FolderItemItem(folder, i));
        StringRef name(fileNameGetter(item.get(), 0));
        nameBytes += static_cast<size_t>(stringLength(name.get()));
    }
    return nameBytes;
}

size_t listBySystemSearch(const std::string& folder)
{
    size_t nameBytes = 0;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*.*").c_str(), &found);
    do {
        std::string name = found.cFileName;
        if (name != "." && name != "..")
            nameBytes += name.size();
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return nameBytes;
}

struct ListingTimes {
    double perFile;
    double baselinePerFile;
};

ListingTimes timeListing(const Settings& settings, BenchOutcome& outcome, int32_t files)
{
    ScratchFolder scratch;
    size_t expectedBytes = 0;
    for (int32_t i = 0; i < files; ++i) {
        std::string name = "\x95\x5c"
                           "file" +
                           std::to_string(i) + ".txt";
        scratch.make(name);
        expectedBytes += name.size();
    }
    ObjectRef folder(itemFor(scratch.path()));
    outcome.check(listByCountAndItems(folder.get()) == expectedBytes, "the listing names every file once");
    outcome.check(listBySystemSearch(scratch.path()) == expectedBytes, "the system's search names every file once");
    double runtime = benchBestNanoseconds(
        settings.repetitions, [] {}, [&] { listByCountAndItems(folder.get()); });
    double baseline = benchBestNanoseconds(
        settings.repetitions, [] {}, [&] { listBySystemSearch(scratch.path()); });
    return {runtime / files, baseline / files};
}

void benchListing(const Settings& settings, BenchOutcome& outcome)
{
    ListingTimes small = timeListing(settings, outcome, settings.smallFolder);
    ListingTimes large = timeListing(settings, outcome, settings.largeFolder);
    benchPrintHeader("folder listed by count and items, per file", "FindFirstFileA/FindNextFileA");
    std::string smallName = std::to_string(settings.smallFolder) + " files";
    std::string largeName = std::to_string(settings.largeFolder) + " files";
    benchPrintRow(smallName.c_str(), settings.smallFolder, small.perFile, small.baselinePerFile);
    benchPrintRow(largeName.c_str(), settings.largeFolder, large.perFile, large.baselinePerFile);
    benchPrintHeader("listing growth, per file", ("the same loop over " + smallName).c_str());
    outcome.report(largeName.c_str(), settings.largeFolder, large.perFile, small.perFile, goalLinear);
}

} // namespace

int main(int argc, char** argv)
{
    bool smoke;
    if (!benchReadArguments(argc, argv, smoke))
        return 2;
    Settings settings =
        smoke ? Settings{true, 1, 64 * 1024, 20, 100} : Settings{false, 5, 10 * 1024 * 1024, 1000, 5000};
    BenchOutcome outcome;
    benchStreams(settings, outcome);
    benchListing(settings, outcome);
    if (smoke)
        printf("\nsmoke run: sizes too small for the timings to mean anything\n");
    else
        printf("\ngoals (streams within %.1fx of the standard library, listing per file within %.1fx): %s%s\n",
               goalStreams, goalLinear, outcome.missedGoals.empty() ? "met" : "NOT met by ",
               outcome.missedGoals.c_str());
    printf("%s\n", outcome.correct ? "results correct" : "results WRONG");
    return outcome.correct ? 0 : 1;
}
