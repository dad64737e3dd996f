// Strings against the standard library: counts, joining, exact search and double-byte text.
#include "bench/benchharness.h"
#include "runtime/strings/dbcs.h"
#include "runtime/strings/string.h"

#include <windows.h>

#include <cstdio>
#include <random>
#include <string>

namespace {

constexpr double goalWithin = 1.5; // ratio to the standard-library baseline, everywhere
constexpr double goalFaster = 1.0; // for short joins and long-pattern search

struct Settings {
    bool smoke;
    int repetitions;
    uint32_t pairs;         // retain/release pairs and joins per run
    int32_t searchText;     // bytes of the text searched
    int32_t doubleByteText; // bytes of the Shift-JIS text
    uint32_t textPasses;    // searches or walks per run
};

volatile int32_t sink;

// ---- retain/release pairs -------------------------------------------------------------------

// The same increment and decrement as called routines: what any out-of-line pair costs.
[[gnu::noipa]] void plainIncrement(volatile int32_t* count)
{
    *count = *count + 1;
}

[[gnu::noipa]] void plainDecrement(volatile int32_t* count)
{
    *count = *count - 1;
}

template <class Pair> double timePairs(const Settings& settings, Pair pair)
{
    return benchBestNanoseconds(
               settings.repetitions, [] {},
               [&] {
                   for (uint32_t i = 0; i < settings.pairs; ++i)
                       pair();
               }) /
           settings.pairs;
}

void benchCounts(const Settings& settings, BenchOutcome& outcome)
{
    StringRef s(stringFromText("counted"));
    volatile int32_t plainCount = 1;
    double inlinePair = timePairs(settings, [&] {
        plainCount = plainCount + 1;
        plainCount = plainCount - 1;
    });
    double calledPair = timePairs(settings, [&] {
        plainIncrement(&plainCount);
        plainDecrement(&plainCount);
    });
    double countedPair = timePairs(settings, [&] {
        RuntimeLockString(s.get());
        RuntimeUnlockString(s.get());
    });
    outcome.check(s.get()->count == 1, "retain/release pairs leave the count as it was");
    benchPrintHeader("Retain/release pairs", "increment and decrement of a volatile int, inline");
    outcome.report("Lock+Unlock", settings.pairs, countedPair, inlinePair, goalWithin);
    benchPrintRow("(the same as two calls)", settings.pairs, calledPair, inlinePair);
}

// ---- joining short strings ------------------------------------------------------------------

void benchOneJoin(const Settings& settings, BenchOutcome& outcome, const char* name, const std::string& left,
                  const std::string& right, double goal)
{
    StringRef a(stringFromView(left)), b(stringFromView(right));
    uint32_t joins = settings.pairs;
    double baseline = benchBestNanoseconds(
        settings.repetitions, [] {},
        [&] {
            for (uint32_t i = 0; i < joins; ++i) {
                std::string joined = left + right;
                sink = joined[0];
            }
        });
    double ours = benchBestNanoseconds(
        settings.repetitions, [] {},
        [&] {
            for (uint32_t i = 0; i < joins; ++i) {
                StringRecord* joined = RuntimeAddString(a.get(), b.get());
                sink = joined->buffer[1];
                RuntimeUnlockString(joined);
            }
        });
    StringRef joined(RuntimeAddString(a.get(), b.get()));
    outcome.check(std::string(stringText(joined.get()), stringLength(joined.get())) == left + right,
                  "RuntimeAddString joins the two texts");
    outcome.report(name, joins, ours / joins, baseline / joins, goal);
}

// Texts of up to 15 bytes fit in std::string's own buffer; longer ones make it allocate.
void benchJoins(const Settings& settings, BenchOutcome& outcome)
{
    const struct {
        const char* name;
        size_t left, right;
    } joins[] = {
        {"AddString 4+4 B (in SSO)", 4, 4}, {"AddString 7+8 B (in SSO)", 7, 8}, {"AddString 8+8 B", 8, 8},
        {"AddString 16+16 B", 16, 16},      {"AddString 24+24 B", 24, 24},      {"AddString 64+64 B", 64, 64},
    };
    benchPrintHeader("Joining two strings, result released", "std::string a + b, destroyed");
    for (const auto& join : joins)
        benchOneJoin(settings, outcome, join.name, std::string(join.left, 'a'), std::string(join.right, 'b'),
                     goalFaster);
}

// ---- exact search ---------------------------------------------------------------------------

// Words of random letters; the pattern is put near the end, so the whole text is searched.
std::string searchText(int32_t size, const std::string& pattern)
{
    std::mt19937 random(42);
    std::string text;
    while (int32_t(text.size()) < size - int32_t(pattern.size()) - 16)
        text += random() % 6 == 0 ? ' ' : char('a' + random() % 26);
    return text + " " + pattern + " end";
}

void benchOneSearch(const Settings& settings, BenchOutcome& outcome, const char* name, const std::string& pattern,
                    double goal)
{
    std::string text = searchText(settings.searchText, pattern);
    StringRef s(stringFromView(text));
    StringRef find(stringFromView(pattern));
    uint32_t passes = settings.textPasses;
    size_t expected = text.find(pattern);
    double baseline = benchBestNanoseconds(
        settings.repetitions, [] {},
        [&] {
            for (uint32_t i = 0; i < passes; ++i)
                sink = int32_t(text.find(pattern));
        });
    double ours = benchBestNanoseconds(
        settings.repetitions, [] {},
        [&] {
            for (uint32_t i = 0; i < passes; ++i)
                sink = StringInStrB(1, s.get(), find.get());
        });
    outcome.check(StringInStrB(1, s.get(), find.get()) == int32_t(expected) + 1, "StringInStrB finds the pattern");
    outcome.check(StringInStrB(int32_t(expected) + 2, s.get(), find.get()) == 0, "StringInStrB finds it only once");
    outcome.report(name, passes, ours / passes, baseline / passes, goal);
}

void benchSearches(const Settings& settings, BenchOutcome& outcome)
{
    char title[80];
    snprintf(title, sizeof title, "Exact search of a %d-byte text", settings.searchText);
    benchPrintHeader(title, "std::string::find");
    benchOneSearch(settings, outcome, "InStrB 3-byte pattern", "qz,", goalWithin);
    benchOneSearch(settings, outcome, "InStrB 40-byte pattern", "the amount of ten thousand yen, paid qz,", goalFaster);
}

// ---- double-byte text -----------------------------------------------------------------------

struct DoubleByteSample {
    std::string text;
    int32_t characters = 0;
};

// Two thirds of the characters are two bytes long (lead 0x88..0x9F, trail 0x40..0x7E).
DoubleByteSample doubleByteSample(int32_t size)
{
    std::mt19937 random(7);
    DoubleByteSample sample;
    while (int32_t(sample.text.size()) < size - 1) {
        if (random() % 3 == 0) {
            sample.text += char('a' + random() % 26);
        } else {
            sample.text += char(0x88 + random() % 24);
            sample.text += char(0x40 + random() % 63);
        }
        ++sample.characters;
    }
    return sample;
}

// The baseline walk: a lead-byte table made from IsDBCSLeadByte, one lookup per character.
struct PlainWalk {
    uint8_t lead[256];
    PlainWalk()
    {
        for (int byte = 0; byte < 256; ++byte)
            lead[byte] = IsDBCSLeadByte(BYTE(byte)) ? 1 : 0;
    }
    int32_t length(const std::string& text) const
    {
        int32_t count = 0;
        for (size_t at = 0; at < text.size(); at += 1 + lead[uint8_t(text[at])])
            ++count;
        return count;
    }
    // Characters k to k + n - 1 (1-based), copied.
    std::string middle(const std::string& text, int32_t k, int32_t n) const
    {
        size_t at = 0;
        for (int32_t c = 1; c < k && at < text.size(); ++c)
            at += 1 + lead[uint8_t(text[at])];
        size_t end = at;
        for (int32_t c = 0; c < n && end < text.size(); ++c)
            end += 1 + lead[uint8_t(text[end])];
        return text.substr(at, end - at);
    }
};

void benchDoubleByteLength(const Settings& settings, BenchOutcome& outcome, const DoubleByteSample& sample,
                           StringRecord* s, const PlainWalk& plain)
{
    uint32_t passes = settings.textPasses;
    double baseline = benchBestNanoseconds(
        settings.repetitions, [] {},
        [&] {
            for (uint32_t i = 0; i < passes; ++i)
                sink = plain.length(sample.text);
        });
    double ours = benchBestNanoseconds(
        settings.repetitions, [] {},
        [&] {
            for (uint32_t i = 0; i < passes; ++i)
                sink = StringDBCSLen(s);
        });
    outcome.check(StringDBCSLen(s) == sample.characters, "StringDBCSLen counts the characters");
    outcome.check(plain.length(sample.text) == sample.characters, "the baseline counts the characters");
    outcome.report("DBCSLen", passes, ours / passes, baseline / passes, goalWithin);
}

void benchDoubleByteMiddle(const Settings& settings, BenchOutcome& outcome, const DoubleByteSample& sample,
                           StringRecord* s, const PlainWalk& plain)
{
    uint32_t passes = settings.textPasses;
    int32_t k = sample.characters / 2, n = 1000;
    double baseline = benchBestNanoseconds(
        settings.repetitions, [] {},
        [&] {
            for (uint32_t i = 0; i < passes; ++i)
                sink = int32_t(plain.middle(sample.text, k, n).size());
        });
    double ours = benchBestNanoseconds(
        settings.repetitions, [] {},
        [&] {
            for (uint32_t i = 0; i < passes; ++i) {
                StringRecord* middle = StringDBCSMid3(s, k, n);
                sink = stringLength(middle);
                RuntimeUnlockString(middle);
            }
        });
    StringRef middle(StringDBCSMid3(s, k, n));
    outcome.check(std::string(stringText(middle.get()), stringLength(middle.get())) == plain.middle(sample.text, k, n),
                  "StringDBCSMid3 takes the same characters as the baseline");
    outcome.report("DBCSMid3 (middle, 1000 ch)", passes, ours / passes, baseline / passes, goalWithin);
}

void benchDoubleByte(const Settings& settings, BenchOutcome& outcome)
{
    DoubleByteSample sample = doubleByteSample(settings.doubleByteText);
    StringRef s(stringFromView(sample.text));
    PlainWalk plain;
    char title[80];
    snprintf(title, sizeof title, "Shift-JIS text of %d bytes", settings.doubleByteText);
    benchPrintHeader(title, "a loop over the bytes with a table made from IsDBCSLeadByte");
    benchDoubleByteLength(settings, outcome, sample, s.get(), plain);
    benchDoubleByteMiddle(settings, outcome, sample, s.get(), plain);
}

} // namespace

int main(int argc, char** argv)
{
    bool smoke;
    if (!benchReadArguments(argc, argv, smoke))
        return 2;
    Settings settings =
        smoke ? Settings{true, 2, 1000, 4096, 8192, 2} : Settings{false, 7, 2000000, 1 << 20, 100 * 1024, 50};
    BenchOutcome outcome;
    benchCounts(settings, outcome);
    benchJoins(settings, outcome);
    benchSearches(settings, outcome);
    benchDoubleByte(settings, outcome);
    if (smoke)
        printf("\nsmoke run: sizes too small for the timings to mean anything\n");
    else
        printf("\ngoals (within %.1fx of the baseline; faster for short joins and long patterns): %s%s\n", goalWithin,
               outcome.missedGoals.empty() ? "met" : "NOT met by ", outcome.missedGoals.c_str());
    printf("%s\n", outcome.correct ? "results correct" : "results WRONG");
    return outcome.correct ? 0 : 1;
}
