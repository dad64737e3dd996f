// imagelink's diagnostics: every link error and every kind of malformed object, each with
// its exact message, and a check that damaged objects never crash the reader.
#include "base/bytecursor.h"
#include "tests/link_fixture.h"

#include <cstring>
#include <functional>
#include <gtest/gtest.h>

namespace {

using namespace testsupport;
using Objects = std::vector<imagelink::InputObject>;

struct LinkErrorCase {
    const char* what;
    std::function<Objects()> objects;
    bool withHeader;
    std::vector<std::string> expected;
};

imagelink::InputObject single(const std::function<void(CoffBuilder&)>& fill, const std::string& path = "bad.o")
{
    CoffBuilder object;
    fill(object);
    return {path, object.build()};
}

Objects one(const std::function<void(CoffBuilder&)>& fill)
{
    return {single(fill)};
}

// An object with a code section calling `name` at +0x1, under `addend`.
Objects callTo(const std::string& name, uint32_t addend = 0)
{
    return one([&](CoffBuilder& o) {
        std::vector<uint8_t> code{0xE8};
        for (uint8_t b : le32(addend))
            code.push_back(b);
        code.push_back(0xC3);
        o.addRelocation(o.addCode(code), 1, o.addUndefined(name), kRel32);
    });
}

const std::vector<LinkErrorCase>& linkErrorCases()
{
    static const std::vector<LinkErrorCase> cases{
        {"import missing from the export table, named once for all its sites",
         [] {
             return one([](CoffBuilder& o) {
                 const int16_t text = o.addCode({0xE8, 0, 0, 0, 0, 0xE9, 0, 0, 0, 0});
                 const uint32_t missing = o.addUndefined("_RuntimeBep");
                 o.addRelocation(text, 6, missing, kRel32);
                 o.addRelocation(text, 1, missing, kRel32);
             });
         },
         true,
         {"imagelink: bad.o: .text +0x1: undefined symbol _RuntimeBep: RuntimeBep is not in the runtime export table"}},
        {"import site with an addend",
         [] { return callTo("_RuntimeBeep", 0xFFFFFFFC); },
         true,
         {"imagelink: bad.o: .text +0x1: import site for _RuntimeBeep has a non-zero addend (0xfffffffc)"}},
        {"undefined symbol without the C underscore",
         [] { return callTo("RuntimeBeep"); },
         true,
         {"imagelink: bad.o: .text +0x1: undefined symbol RuntimeBeep has no leading underscore, so it names no "
          "runtime routine"}},
        {"import operand at code offset 0",
         [] {
             return one([](CoffBuilder& o) {
                 o.addRelocation(o.addCode({0, 0, 0, 0}), 0, o.addUndefined("_RuntimeBeep"), kRel32);
             });
         },
         true,
         {"imagelink: bad.o: .text +0x0: import site for _RuntimeBeep at code offset 0 cannot start a call-site "
          "chain"}},
        {"import name longer than a link record holds",
         [] { return callTo("_" + std::string(256, 'N')); },
         true,
         {"imagelink: bad.o: .text +0x1: import name " + std::string(256, 'N') + " is longer than 255 bytes"}},
        {"REL32 from code into data",
         [] {
             return one([](CoffBuilder& o) {
                 const int16_t text = o.addCode({0xE8, 0, 0, 0, 0});
                 o.addRelocation(text, 1, o.addSymbol("_g_x", 0, o.addData({0, 0, 0, 0})), kRel32);
             });
         },
         true,
         {"imagelink: bad.o: .text +0x1: REL32 from code into data (_g_x) cannot be expressed"}},
        {"REL32 in data",
         [] {
             return one([](CoffBuilder& o) {
                 const uint32_t f = o.addSymbol("_f", 0, o.addCode({0xC3}), kExternal, kFunctionType);
                 o.addRelocation(o.addData({0, 0, 0, 0, 0, 0, 0, 0}), 4, f, kRel32);
             });
         },
         true,
         {"imagelink: bad.o: .data +0x4: REL32 in data cannot be expressed (against _f)"}},
        {"REL32 against an absolute symbol",
         [] {
             return one([](CoffBuilder& o) {
                 o.addRelocation(o.addCode({0xE8, 0, 0, 0, 0}), 1, o.addSymbol("_abs", 0x1234, -1), kRel32);
             });
         },
         true,
         {"imagelink: bad.o: .text +0x1: REL32 against absolute symbol _abs cannot be expressed"}},
        {"DIR32 in code against code",
         [] {
             return one([](CoffBuilder& o) {
                 const int16_t text = o.addCode({0xB8, 0, 0, 0, 0, 0xC3});
                 o.addRelocation(text, 1, o.addSymbol("_f", 5, text, kExternal, kFunctionType), kDir32);
             });
         },
         true,
         {"imagelink: bad.o: .text +0x1: DIR32 in code against code (_f) cannot be expressed by the link records"}},
        {"DIR32 in code against an undefined symbol",
         [] {
             return one([](CoffBuilder& o) {
                 o.addRelocation(o.addCode({0x68, 0, 0, 0, 0}), 1, o.addUndefined("_RuntimeBeep"), kDir32);
             });
         },
         true,
         {"imagelink: bad.o: .text +0x1: DIR32 against undefined symbol _RuntimeBeep"}},
        {"DIR32 in data against an undefined symbol",
         [] {
             return one([](CoffBuilder& o) {
                 o.addRelocation(o.addData({0, 0, 0, 0, 0, 0, 0, 0}), 4, o.addUndefined("_g_missing"), kDir32);
             });
         },
         true,
         {"imagelink: bad.o: .data +0x4: DIR32 against undefined symbol _g_missing"}},
        {"relocation types an image cannot carry",
         [] {
             return one([](CoffBuilder& o) {
                 const int16_t data = o.addData(std::vector<uint8_t>(12, 0));
                 const uint32_t self = o.addSectionSymbol(data);
                 o.addRelocation(data, 0, self, kDir32NB);
                 o.addRelocation(data, 4, self, kSecRel);
                 o.addRelocation(data, 8, self, kSection);
             });
         },
         true,
         {"imagelink: bad.o: .data +0x0: unsupported relocation type DIR32NB against .data",
          "imagelink: bad.o: .data +0x4: unsupported relocation type SECREL against .data",
          "imagelink: bad.o: .data +0x8: unsupported relocation type SECTION against .data"}},
        {"two strong definitions of one name",
         [] {
             const auto define = [](CoffBuilder& o) {
                 o.addSymbol("_Twice", 0, o.addCode({0xC3}), kExternal, kFunctionType);
             };
             return Objects{single(define, "a.o"), single(define, "b.o")};
         },
         true,
         {"imagelink: b.o: duplicate definition of _Twice (first defined in a.o)"}},
        {"COMDAT that allows no duplicates",
         [] {
             const auto define = [](CoffBuilder& o) {
                 const int16_t text = o.addSection(".text$x", kCodeFlags | kComdatFlag, {0xC3});
                 o.addSectionSymbol(text, 1);
                 o.addSymbol("_x", 0, text, kExternal, kFunctionType);
             };
             return Objects{single(define, "a.o"), single(define, "b.o")};
         },
         true,
         {"imagelink: b.o: .text$x: duplicate COMDAT _x (first defined in a.o)"}},
        {"no entry routine",
         [] { return one([](CoffBuilder& o) {
                  o.addSymbol("_ClassTable", 0, o.addData({0, 0, 0, 0}));
              }); },
         false,
         {"imagelink: entry symbol _ImageEntry is not defined"}},
        {"no class table",
         [] {
             return one(
                 [](CoffBuilder& o) { o.addSymbol("_ImageEntry", 0, o.addCode({0xC3}), kExternal, kFunctionType); });
         },
         false,
         {"imagelink: class-table symbol _ClassTable is not defined"}},
        {"entry routine in data and class table in code",
         [] {
             return one([](CoffBuilder& o) {
                 o.addSymbol("_ClassTable", 0, o.addCode({0xC3}));
                 o.addSymbol("_ImageEntry", 0, o.addData({0, 0, 0, 0}));
             });
         },
         false,
         {"imagelink: entry symbol _ImageEntry is not in code",
          "imagelink: class-table symbol _ClassTable is not in data"}},
        {"relocations that overlap",
         [] {
             return one([](CoffBuilder& o) {
                 const int16_t data = o.addData(std::vector<uint8_t>(8, 0));
                 const uint32_t self = o.addSectionSymbol(data);
                 o.addRelocation(data, 0, self, kDir32);
                 o.addRelocation(data, 2, self, kDir32);
             });
         },
         true,
         {"imagelink: bad.o: .data +0x2: relocation overlaps the one at +0x0"}},
        {"relocation in uninitialised data",
         [] {
             return one([](CoffBuilder& o) {
                 const int16_t bss = o.addBss(8);
                 o.addRelocation(bss, 0, o.addSectionSymbol(bss), kDir32);
             });
         },
         true,
         {"imagelink: bad.o: .bss +0x0: relocation in uninitialised data"}},
        {"reference into a section the link drops",
         [] {
             return one([](CoffBuilder& o) {
                 const int16_t ident = o.addSection(".rdata$zzz", kRdataFlags, {'G', 'C', 'C', 0});
                 o.addRelocation(o.addData({0, 0, 0, 0}), 0, o.addSectionSymbol(ident), kDir32);
             });
         },
         true,
         {"imagelink: bad.o: .data +0x0: relocation against .rdata$zzz, which lies in a discarded section"}},
        {"static constructors",
         [] {
             return one([](CoffBuilder& o) {
                 const uint32_t init = o.addSymbol("__GLOBAL__sub_I_x", 0, o.addCode({0xC3}), kStatic, kFunctionType);
                 o.addRelocation(o.addSection(".ctors", kDataFlags, {0, 0, 0, 0}), 0, init, kDir32);
             });
         },
         true,
         {"imagelink: bad.o: .ctors: static constructors are never run in an image"}},
        {"section that is neither code nor data",
         [] { return one([](CoffBuilder& o) { o.addSection(".odd", 0x40000000, {1}); }); },
         true,
         {"imagelink: bad.o: .odd: section is neither code nor data (characteristics 0x40000000)"}},
        {"uninitialised data past the block limit",
         [] { return one([](CoffBuilder& o) { o.addBss(0x10000000); }); },
         true,
         {"imagelink: the image's code or data block would exceed 256 MiB"}},
        {"common symbol past the block limit",
         [] { return one([](CoffBuilder& o) { o.addCommon("_g_huge", 0x7FFFFFFF); }); },
         true,
         {"imagelink: the image's data block would exceed 256 MiB (common symbol _g_huge)"}},
        {"every bad record of every object in one run",
         [] {
             const Objects first = callTo("_Missing");
             const Objects second = one([](CoffBuilder& o) {
                 const int16_t text = o.addCode({0xB8, 0, 0, 0, 0, 0x68, 0, 0, 0, 0});
                 o.addRelocation(text, 1, o.addSymbol("_self", 0, text), kDir32);
                 o.addRelocation(text, 6, o.addUndefined("_g_nowhere"), kDir32);
             });
             return Objects{first[0], {"second.o", second[0].bytes}};
         },
         true,
         {"imagelink: second.o: .text +0x1: DIR32 in code against code (_self) cannot be expressed by the link records",
          "imagelink: second.o: .text +0x6: DIR32 against undefined symbol _g_nowhere",
          "imagelink: bad.o: .text +0x1: undefined symbol _Missing: Missing is not in the runtime export table"}},
    };
    return cases;
}

TEST(ImagelinkErrors, EachBadInputIsReportedWithItsExactMessage)
{
    imagelink::ExportNames exports = testExports();
    exports.add(std::string(256, 'N'));
    for (const LinkErrorCase& test : linkErrorCases()) {
        SCOPED_TRACE(test.what);
        const LinkRun run = runLink(test.objects(), test.withHeader, exports);
        EXPECT_FALSE(run.image);
        EXPECT_EQ(run.errors, test.expected);
    }
}

// A well-formed object with a long section name, a long symbol name, an auxiliary record
// and two relocations: the base that the malformed cases damage.
std::vector<uint8_t> baseObject(CoffLayout& layout)
{
    CoffBuilder o;
    const int16_t text = o.addCode({0xE8, 0, 0, 0, 0, 0xC3});                               // section 1
    const int16_t data = o.addSection(".data$long_section_name", kDataFlags, {0, 0, 0, 0}); // section 2
    const uint32_t textSymbol = o.addSectionSymbol(text);                                   // #0, aux #1
    o.addSymbol("_a_very_long_symbol_name", 0, data);                                       // #2
    o.addSymbol("_ImageEntry", 0, text, kExternal, kFunctionType);                          // #3
    const uint32_t beep = o.addUndefined("_RuntimeBeep");                                   // #4
    o.addSymbol("_ClassTable", 0, data);                                                    // #5
    o.addRelocation(text, 1, beep, kRel32);
    o.addRelocation(data, 0, textSymbol, kDir32);
    return o.build(&layout);
}

constexpr uint32_t kSymbolCount = 6; // #1 is the auxiliary record of #0

void put16(std::vector<uint8_t>& bytes, uint32_t at, uint16_t value)
{
    bytes.at(at) = static_cast<uint8_t>(value);
    bytes.at(at + 1) = static_cast<uint8_t>(value >> 8);
}
void put32(std::vector<uint8_t>& bytes, uint32_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes.at(at + i) = static_cast<uint8_t>(value >> (8 * i));
}
uint32_t sectionHeader(int index)
{
    return 20 + 40 * index;
}
uint32_t symbolRecord(const CoffLayout& layout, uint32_t index)
{
    return layout.symbolTable + 18 * index;
}

struct MalformedCase {
    const char* what;
    std::function<void(std::vector<uint8_t>&, const CoffLayout&)> damage;
    std::function<std::string(const CoffLayout&)> expected;
};

const std::vector<MalformedCase>& malformedCases()
{
    using tools::hex;
    static const std::vector<MalformedCase> cases{
        {"empty file", [](auto& b, auto&) { b.clear(); }, [](auto&) { return "truncated COFF header (0 bytes)"; }},
        {"header cut short", [](auto& b, auto&) { b.resize(19); },
         [](auto&) { return "truncated COFF header (19 bytes)"; }},
        {"another machine", [](auto& b, auto&) { put16(b, 0, 0x8664); },
         [](auto&) { return "not an i386 COFF object (machine 0x8664)"; }},
        {"section table past the end", [](auto& b, auto&) { put16(b, 2, 0x7FFF); },
         [](auto&) { return "section table (32767 sections at 0x14) runs past the end of the file"; }},
        {"symbol count whose size wraps 32 bits", [](auto& b, auto&) { put32(b, 12, 0xFFFFFFFF); },
         [](const CoffLayout& l) {
             return "symbol table (4294967295 symbols at " + hex(l.symbolTable) + ") runs past the end of the file";
         }},
        {"symbol table pointer past the end", [](auto& b, auto&) { put32(b, 8, 0xFFFFFFF0); },
         [](auto&) { return "symbol table (6 symbols at 0xfffffff0) runs past the end of the file"; }},
        {"string table longer than the file", [](auto& b, const CoffLayout& l) { put32(b, l.stringTable, 0x10000); },
         [](const CoffLayout& l) {
             return "string table (0x10000 bytes at " + hex(l.stringTable) + ") does not fit the file";
         }},
        {"string table size cut off", [](auto& b, const CoffLayout& l) { b.resize(l.stringTable + 2); },
         [](const CoffLayout& l) { return "truncated string table size at " + hex(l.stringTable); }},
        {"section data past the end", [](auto& b, auto&) { put32(b, sectionHeader(0) + 20, 0xFFFFFFF0); },
         [](auto&) { return ".text: raw data (0x6 bytes at 0xfffffff0) runs past the end of the file"; }},
        {"relocation table past the end", [](auto& b, auto&) { put32(b, sectionHeader(0) + 24, 0xFFFFFFF8); },
         [](auto&) { return ".text: relocation table (1 entries at 0xfffffff8) runs past the end of the file"; }},
        {"long section name outside the string table",
         [](auto& b, auto&) { std::memcpy(&b[sectionHeader(1)], "/9999\0\0\0", 8); },
         [](auto&) { return "section #2: bad long name /9999"; }},
        {"long section name that is not a number",
         [](auto& b, auto&) { std::memcpy(&b[sectionHeader(1)], "/4x\0\0\0\0\0", 8); },
         [](auto&) { return "section #2: bad long name /4x"; }},
        {"symbol name outside the string table",
         [](auto& b, const CoffLayout& l) { put32(b, symbolRecord(l, 2) + 4, 0x7FFFFFFF); },
         [](auto&) { return "symbol #2 (no name): name offset 0x7fffffff is outside the string table"; }},
        {"symbol in a section that does not exist",
         [](auto& b, const CoffLayout& l) { put16(b, symbolRecord(l, 3) + 12, 9); },
         [](auto&) { return "symbol #3 (_ImageEntry): section number 9 does not exist"; }},
        {"symbol value outside its section",
         [](auto& b, const CoffLayout& l) { put32(b, symbolRecord(l, 3) + 8, 0x100); },
         [](auto&) { return "symbol #3 (_ImageEntry): value 0x100 lies outside section .text"; }},
        {"auxiliary records past the end of the table",
         [](auto& b, const CoffLayout& l) { b.at(symbolRecord(l, 5) + 17) = 3; },
         [](auto&) { return "symbol #5 (_ClassTable): auxiliary records run past the end of the symbol table"; }},
        {"relocation naming a symbol past the table",
         [](auto& b, const CoffLayout& l) { put32(b, l.relocationTable[0] + 4, 999); },
         [](auto&) { return ".text +0x1: relocation symbol index 999 is out of range (6 symbols)"; }},
        {"relocation naming an auxiliary record",
         [](auto& b, const CoffLayout& l) { put32(b, l.relocationTable[0] + 4, 1); },
         [](auto&) { return ".text +0x1: relocation symbol index 1 refers to an auxiliary record"; }},
        {"relocation field running past its section",
         [](auto& b, const CoffLayout& l) { put32(b, l.relocationTable[0], 4); },
         [](auto&) { return ".text +0x4: relocation lies outside its section (0x6 bytes)"; }},
        {"relocation offset near 4 GiB",
         [](auto& b, const CoffLayout& l) { put32(b, l.relocationTable[0], 0xFFFFFFFE); },
         [](auto&) { return ".text +0xfffffffe: relocation lies outside its section (0x6 bytes)"; }},
        {"COMDAT without its section definition",
         [](auto& b, auto&) { put32(b, sectionHeader(1) + 36, kDataFlags | kComdatFlag); },
         [](auto&) { return ".data$long_section_name: COMDAT section has no section definition symbol"; }},
        {"bad alignment field",
         [](auto& b, auto&) { put32(b, sectionHeader(0) + 36, (kCodeFlags & ~0x00F00000u) | 0x00F00000); },
         [](auto&) { return ".text: bad alignment field"; }},
        {"weak external without a usable default",
         [](auto& b, const CoffLayout& l) {
             b.at(symbolRecord(l, 0) + 16) = kWeakExternal;
             put16(b, symbolRecord(l, 0) + 12, 0);
             put32(b, symbolRecord(l, 1), 1); // the default is its own auxiliary record
         },
         [](auto&) { return "symbol #0 (.text): weak external has no valid default symbol"; }},
    };
    return cases;
}

TEST(ImagelinkErrors, MalformedObjectsAreReportedNotTrusted)
{
    for (const MalformedCase& test : malformedCases()) {
        SCOPED_TRACE(test.what);
        CoffLayout layout;
        std::vector<uint8_t> bytes = baseObject(layout);
        test.damage(bytes, layout);
        const LinkRun run = runLink({{"bad.o", bytes}}, false);
        EXPECT_FALSE(run.image);
        EXPECT_EQ(run.errors, std::vector<std::string>{"imagelink: bad.o: " + test.expected(layout)});
    }
}

TEST(ImagelinkErrors, TheBaseObjectOfTheMalformedCasesLinks)
{
    CoffLayout layout;
    const LinkRun run = runLink({{"base.o", baseObject(layout)}}, false);
    ASSERT_TRUE(run.image) << run.errors.front();
    const std::vector<uint8_t> bytes = baseObject(layout);
    EXPECT_EQ(loadU32LE(bytes.data() + 12), kSymbolCount);
}

TEST(ImagelinkErrors, EveryTruncationIsReportedAndNoneCrashes)
{
    CoffLayout layout;
    const std::vector<uint8_t> whole = baseObject(layout);
    for (size_t size = 0; size < whole.size(); ++size) {
        const LinkRun run = runLink({{"cut.o", std::vector<uint8_t>(whole.begin(), whole.begin() + size)}}, false);
        EXPECT_FALSE(run.image) << "cut at " << size;
        EXPECT_FALSE(run.errors.empty()) << "cut at " << size;
    }
}

TEST(ImagelinkErrors, DamagedBytesNeverCrashTheLinker)
{
    CoffLayout layout;
    const std::vector<uint8_t> whole = baseObject(layout);
    for (size_t at = 0; at < whole.size(); ++at) {
        for (uint8_t value :
             {uint8_t{0x00}, uint8_t{0xFF}, uint8_t{0x80}, uint8_t{0x7F}, static_cast<uint8_t>(whole[at] ^ 1)}) {
            std::vector<uint8_t> bytes = whole;
            bytes[at] = value;
            const LinkRun run = runLink({{"flip.o", bytes}}, false);
            EXPECT_NE(run.image.has_value(), !run.errors.empty()) << "byte " << at;
        }
    }
}

} // namespace
