// Linking and relocating a synthetic image, against a loop that makes the same writes unchecked.
#include "base/bytecursor.h"
#include "bench/benchharness.h"
#include "bench/linkcheck.h"
#include "bench/syntheticimage.h"
#include "image/datarelocation.h"
#include "image/exporttable.h"
#include "image/linker.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr uint32_t exportSlotCount = 1138;
constexpr uint32_t importNames = 1000;

uint32_t addressOf(const void* pointer)
{
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(pointer));
}

// The floor: the displacements and additions linking and relocation end up making, taken
// from lists made in advance, with nothing parsed, looked up or checked.
void plainWriteCalls(uint8_t* code, const std::vector<CallSite>& sites)
{
    uint32_t codeBase = addressOf(code);
    for (const CallSite& site : sites)
        storeU32LE(code + site.operandOffset, site.target - (codeBase + site.operandOffset + 4));
}

void plainAddBases(uint8_t* data, const std::vector<RelocatedRun>& runs, uint32_t codeBase, uint32_t dataBase)
{
    for (const RelocatedRun& run : runs) {
        uint32_t base = run.byDataBase ? dataBase : codeBase;
        uint8_t* word = data + run.offset;
        for (uint32_t i = 0; i < run.words; ++i, word += 4)
            storeU32LE(word, loadU32LE(word) + base);
    }
}

// Working copies of the blocks. Each timed run starts from the blocks as stored, since
// linking consumes the call-site chains.
struct Workbench {
    const SyntheticImage& image;
    const ExportIndex& exports;
    std::vector<uint8_t> code;
    std::vector<uint8_t> data;
    std::string error;

    void restore()
    {
        code = image.code;
        data = image.data;
    }

    uint32_t size(const std::vector<uint8_t>& block) const { return static_cast<uint32_t>(block.size()); }

    void link()
    {
        LinkedImage linked{code.data(), size(code), data.data(), size(data)};
        if (!linkImage(linked, image.records.data(), size(image.records), exports, error) && error.empty())
            error = "linking failed without a message";
    }

    void relocate()
    {
        relocateData(data.data(), size(data), image.relocations.data(), size(image.relocations), addressOf(code.data()),
                     addressOf(data.data()), error);
    }

    void plainLink() { plainWriteCalls(code.data(), image.callSites); }
    void plainRelocate() { plainAddBases(data.data(), image.runs, addressOf(code.data()), addressOf(data.data())); }
};

using Stage = void (Workbench::*)();

struct StageTimes {
    double link;     // ns per call site
    double relocate; // ns per relocated word
    double both;     // ns per call site, with its relocated word
};

// Times linking, relocation and both; the blocks are left linked and relocated.
StageTimes timeStages(Workbench& bench, uint32_t count, int repetitions, Stage link, Stage relocate)
{
    auto restore = [&] { bench.restore(); };
    StageTimes times;
    times.link = benchBestNanoseconds(repetitions, restore, [&] { (bench.*link)(); }) / count;
    times.relocate = benchBestNanoseconds(repetitions, restore, [&] { (bench.*relocate)(); }) / count;
    auto linkThenRelocate = [&] {
        (bench.*link)();
        (bench.*relocate)();
    };
    times.both = benchBestNanoseconds(repetitions, restore, linkThenRelocate) / count;
    return times;
}

bool checkResult(const Workbench& bench, const char* what)
{
    std::string problem = bench.error;
    bool correct = problem.empty() && checkLinkedCode(bench.image, bench.code.data(), problem) &&
                   checkRelocatedData(bench.image, bench.data.data(), addressOf(bench.code.data()),
                                      addressOf(bench.data.data()), problem);
    if (!correct)
        printf("FAILED: %s: %s\n", what, problem.c_str());
    return correct;
}

void printStages(uint32_t count, const StageTimes& measured, const StageTimes& floor)
{
    const struct {
        const char* stage;
        double ns, floorNs;
    } rows[] = {
        {"link", measured.link, floor.link},
        {"relocate", measured.relocate, floor.relocate},
        {"link+relocate", measured.both, floor.both},
    };
    char name[40];
    for (const auto& row : rows) {
        snprintf(name, sizeof name, "%s %u", row.stage, count);
        benchPrintRow(name, count, row.ns, row.floorNs);
    }
}

// A ratio below 1 means part of the cost does not grow with the sites (resolving the names);
// the two sizes split the time into that part and a cost per extra site.
void printGrowth(const uint32_t counts[2], const double perSite[2])
{
    double total[2] = {perSite[0] * counts[0], perSite[1] * counts[1]};
    double perExtraSite = (total[1] - total[0]) / (counts[1] - counts[0]);
    printf("\nlink+relocate per site: %.2f ns at %u, %.2f ns at %u; ratio %.3f (1.000 is linear growth)\n", perSite[0],
           counts[0], perSite[1], counts[1], perSite[1] / perSite[0]);
    printf("as a line: %.2f ns per extra site, plus %.0f us that does not grow with the sites\n", perExtraSite,
           (total[0] - perExtraSite * counts[0]) / 1000);
}

// `count` call sites and as many relocated words; gives the cost of both per site.
bool benchOneSize(const SyntheticExports& exports, const ExportIndex& index, uint32_t count, int repetitions,
                  double& perSite)
{
    SyntheticImage image = syntheticImage(exports, count, importNames, count);
    Workbench bench{image, index, {}, {}, {}};
    StageTimes floor = timeStages(bench, count, repetitions, &Workbench::plainLink, &Workbench::plainRelocate);
    bool correct = checkResult(bench, "unchecked loop");
    StageTimes measured = timeStages(bench, count, repetitions, &Workbench::link, &Workbench::relocate);
    correct &= checkResult(bench, "linkImage + relocateData");
    if (correct)
        printStages(count, measured, floor);
    perSite = measured.both;
    return correct;
}

} // namespace

int main(int argc, char** argv)
{
    bool smoke;
    if (!benchReadArguments(argc, argv, smoke))
        return 2;
    SyntheticExports exports = syntheticExports(exportSlotCount);
    ExportIndex index(exports.slots);
    const uint32_t counts[2] = {smoke ? 2000u : 50000u, smoke ? 4000u : 100000u};
    int repetitions = smoke ? 2 : 7;
    benchPrintHeader("Linking and relocating a synthetic image: N call sites over 1000 names, N relocated words",
                     "unchecked loop making the same writes");
    double perSite[2];
    bool correct = true;
    for (int i = 0; i < 2; ++i)
        correct &= benchOneSize(exports, index, counts[i], repetitions, perSite[i]);
    if (smoke)
        printf("\nsmoke run: sizes too small for the timings to mean anything\n");
    else if (correct)
        printGrowth(counts, perSite);
    printf("%s\n", correct ? "results correct" : "results WRONG");
    return correct ? 0 : 1;
}
