// The main paths of imagelink: imports, fixups, data relocations, layout, COMDAT, commons.
#include "tests/link_fixture.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>

namespace {

using namespace testsupport;

constexpr uint32_t kCodeBase = 0x00A10000;
constexpr uint32_t kDataBase = 0x03C00000;

const std::map<std::string, uint32_t> kRoutines{
    {"RuntimeBeep", 0x7000'1000}, {"RuntimeMsgBox", 0x7000'2000}, {"runtimebeep", 0x7000'1000}};

uint32_t resolveRoutine(const std::string& name)
{
    return kRoutines.at(name);
}

LoadedImage load(const LinkRun& run)
{
    return loadImage(run.file(), kCodeBase, kDataBase, resolveRoutine);
}

// Absolute target of the rel32 operand at `site` in loaded code.
uint32_t branchTarget(const LoadedImage& loaded, uint32_t site)
{
    return kCodeBase + site + 4 + wordAt(loaded.code, site);
}

// push ebp; mov ebp,esp; call RuntimeBeep; call RuntimeMsgBox; je RuntimeBeep; leave;
// jmp RuntimeBeep (a tail call). Operands at 4, 9, 0xf and 0x15.
imagelink::InputObject callerObject(const std::string& path = "caller.o", const std::string& beep = "_RuntimeBeep")
{
    CoffBuilder object;
    const int16_t text = object.addCode(
        {0x55, 0x89, 0xE5, 0xE8, 0, 0, 0, 0, 0xE8, 0, 0, 0, 0, 0x0F, 0x84, 0, 0, 0, 0, 0xC9, 0xE9, 0, 0, 0, 0});
    const uint32_t beepSymbol = object.addUndefined(beep);
    const uint32_t box = object.addUndefined("_RuntimeMsgBox");
    object.addRelocation(text, 0x15, beepSymbol, kRel32); // records need not come in order
    object.addRelocation(text, 0x04, beepSymbol, kRel32);
    object.addRelocation(text, 0x09, box, kRel32);
    object.addRelocation(text, 0x0F, beepSymbol, kRel32);
    object.addSymbol("_" + path.substr(0, path.find('.')), 0, text, kExternal, kFunctionType);
    return {path, object.build()};
}

TEST(ImagelinkLink, ImportSitesFormOneChainPerNameThroughCallJumpAndTailCall)
{
    const LinkRun run = runLink({callerObject()});
    ASSERT_TRUE(run.image) << run.errors.front();
    const ImageFile file = run.file();
    const LinkRecordList records = decodeLinkRecords(file.links);
    ASSERT_EQ(records.imports.size(), 2u);
    EXPECT_EQ(records.imports[0].name, "RuntimeBeep");
    EXPECT_EQ(walkChain(file.code, records.imports[0].firstSite), (std::vector<uint32_t>{0x04, 0x0F, 0x15}));
    EXPECT_EQ(records.imports[1].name, "RuntimeMsgBox");
    EXPECT_EQ(walkChain(file.code, records.imports[1].firstSite), (std::vector<uint32_t>{0x09}));

    const LoadedImage loaded = load(run);
    for (uint32_t site : {0x04u, 0x0Fu, 0x15u})
        EXPECT_EQ(branchTarget(loaded, site), 0x70001000u) << site;
    EXPECT_EQ(branchTarget(loaded, 0x09), 0x70002000u);
    // The opcodes around the operands are left alone.
    EXPECT_EQ(file.code[0x03], 0xE8);
    EXPECT_EQ(file.code[0x0E], 0x84);
    EXPECT_EQ(file.code[0x14], 0xE9);
}

TEST(ImagelinkLink, OneImportRecordPerNameAcrossObjects)
{
    const LinkRun run = runLink({callerObject("a.o"), callerObject("b.o")});
    ASSERT_TRUE(run.image) << run.errors.front();
    const ImageFile file = run.file();
    const LinkRecordList records = decodeLinkRecords(file.links);
    ASSERT_EQ(records.imports.size(), 2u);
    const uint32_t second = run.offsetOf("code", "_b");
    EXPECT_EQ(second, 0x20u); // a.o's 25 bytes, then b.o's code at its alignment of 16
    EXPECT_EQ(walkChain(file.code, records.imports[0].firstSite),
              (std::vector<uint32_t>{0x04, 0x0F, 0x15, second + 0x04, second + 0x0F, second + 0x15}));
    EXPECT_EQ(walkChain(file.code, records.imports[1].firstSite), (std::vector<uint32_t>{0x09, second + 0x09}));
}

TEST(ImagelinkLink, ExportNamesMatchWithoutRegardToCase)
{
    const LinkRun run = runLink({callerObject("caller.o", "_runtimebeep")});
    ASSERT_TRUE(run.image) << run.errors.front();
    const LinkRecordList records = decodeLinkRecords(run.file().links);
    ASSERT_EQ(records.imports.size(), 2u);
    EXPECT_EQ(records.imports[0].name, "runtimebeep");
}

TEST(ImagelinkLink, MemberImportsAreLeftForTheRuntimeToBind)
{
    // Members of runtime and plug-in classes exist only once the runtime has built its classes.
    const LinkRun run = runLink({callerObject("caller.o", "_!GBevelButton.MenuValue")});
    ASSERT_TRUE(run.image) << run.errors.front();
    const LinkRecordList records = decodeLinkRecords(run.file().links);
    ASSERT_EQ(records.imports.size(), 2u);
    EXPECT_EQ(records.imports[0].name, "!GBevelButton.MenuValue");
    EXPECT_EQ(walkChain(run.file().code, records.imports[0].firstSite), (std::vector<uint32_t>{0x04, 0x0F, 0x15}));
    const LinkRun unknown = runLink({callerObject("caller.o", "_!QBevelButton.MenuValue")});
    ASSERT_FALSE(unknown.image);
    EXPECT_EQ(unknown.errors.front(), "imagelink: caller.o: .text +0x4: undefined symbol _!QBevelButton.MenuValue: "
                                      "!QBevelButton.MenuValue is not in the runtime export table");
}

TEST(ImagelinkLink, CodeToDataBecomesFixupsWithTargetOffsetsPreset)
{
    CoffBuilder object;
    // mov eax,[g_counter]; push offset "hello"+1; ret
    const int16_t text = object.addCode({0xA1, 0, 0, 0, 0, 0x68, 1, 0, 0, 0, 0xC3});
    const int16_t data = object.addData({0, 0, 0, 0, 0x2A, 0, 0, 0});
    const int16_t rdata = object.addSection(".rdata", kRdataFlags, {'h', 'e', 'l', 'l', 'o', 0});
    const uint32_t counter = object.addSymbol("_g_counter", 4, data);
    const uint32_t strings = object.addSectionSymbol(rdata);
    object.addRelocation(text, 6, strings, kDir32); // addend 1 held in the code
    object.addRelocation(text, 1, counter, kDir32);
    const LinkRun run = runLink({{"fix.o", object.build()}});
    ASSERT_TRUE(run.image) << run.errors.front();

    const ImageFile file = run.file();
    const LinkRecordList records = decodeLinkRecords(file.links);
    EXPECT_EQ(records.fixups, (std::vector<uint32_t>{1, 6}));
    EXPECT_EQ(records.order, "FF");
    const uint32_t counterOffset = run.offsetOf("data", "_g_counter");
    EXPECT_EQ(wordAt(file.code, 1), counterOffset);
    const LoadedImage loaded = load(run);
    EXPECT_EQ(wordAt(loaded.code, 1), kDataBase + counterOffset);
    EXPECT_EQ(wordAt(loaded.data, counterOffset), 0x2Au);
    const uint32_t text6 = wordAt(loaded.code, 6) - kDataBase;
    EXPECT_EQ(std::string(loaded.data.begin() + text6, loaded.data.begin() + text6 + 4), "ello");
}

TEST(ImagelinkLink, FixupsComeBeforeImports)
{
    CoffBuilder object;
    const int16_t text = object.addCode({0xE8, 0, 0, 0, 0, 0x68, 0, 0, 0, 0});
    const int16_t data = object.addData({0, 0, 0, 0});
    object.addRelocation(text, 1, object.addUndefined("_RuntimeBeep"), kRel32);
    object.addRelocation(text, 6, object.addSectionSymbol(data), kDir32);
    const LinkRun run = runLink({{"order.o", object.build()}});
    ASSERT_TRUE(run.image) << run.errors.front();
    EXPECT_EQ(decodeLinkRecords(run.file().links).order, "FI");
}

TEST(ImagelinkLink, DataPointersBecomeCodeAndDataRuns)
{
    CoffBuilder object;
    const int16_t text = object.addCode({0x90, 0x90, 0xC3});
    const int16_t rdata = object.addSection(".rdata", kRdataFlags, {'a', 'b', 'c', 0});
    // g_fn = &helper (+2), g_str = "abc" + 1, a plain word, then &helper again.
    const int16_t data = object.addData({2, 0, 0, 0, 1, 0, 0, 0, 7, 7, 7, 7, 0, 0, 0, 0});
    object.addSymbol("_g_pointers", 0, data);
    const uint32_t helper = object.addSymbol("_helper", 0, text, kStatic, kFunctionType);
    const uint32_t strings = object.addSectionSymbol(rdata);
    object.addRelocation(data, 0, helper, kDir32);
    object.addRelocation(data, 4, strings, kDir32);
    object.addRelocation(data, 12, helper, kDir32);
    const LinkRun run = runLink({{"ptr.o", object.build()}});
    ASSERT_TRUE(run.image) << run.errors.front();

    const ImageFile file = run.file();
    const uint32_t dataStart = run.offsetOf("data", "_g_pointers");
    EXPECT_EQ(decodeDataRelocations(file.relocations),
              (std::vector<RelocatedWord>{
                  {0, 'C'}, {4, 'D'}, {dataStart, 'C'}, {dataStart + 4, 'D'}, {dataStart + 12, 'C'}}));
    const LoadedImage loaded = load(run);
    EXPECT_EQ(wordAt(loaded.data, dataStart), kCodeBase + 2);
    EXPECT_EQ(wordAt(loaded.data, dataStart + 8), 0x07070707u);
    EXPECT_EQ(wordAt(loaded.data, dataStart + 12), kCodeBase);
    const uint32_t stringAt = wordAt(loaded.data, dataStart + 4) - kDataBase;
    EXPECT_EQ(loaded.data.at(stringAt), 'b');
}

TEST(ImagelinkLink, LongRunsAndWideGapsSplitWithinTheInstructionLimits)
{
    CoffBuilder object;
    const int16_t text = object.addCode({0xC3});
    // 600 consecutive code pointers, a gap of 10000 bytes, one data pointer, 3 bytes, one more.
    std::vector<uint8_t> bytes(600 * 4 + 10000 + 4 + 3 + 4, 0);
    const int16_t data = object.addData(bytes);
    const uint32_t code = object.addSectionSymbol(text);
    const uint32_t self = object.addSectionSymbol(data);
    for (uint32_t i = 0; i < 600; ++i)
        object.addRelocation(data, 4 * i, code, kDir32);
    object.addRelocation(data, 600 * 4 + 10000, self, kDir32);
    object.addRelocation(data, 600 * 4 + 10000 + 7, self, kDir32); // unaligned is fine
    const LinkRun run = runLink({{"runs.o", object.build()}});
    ASSERT_TRUE(run.image) << run.errors.front();

    const ImageFile file = run.file();
    std::vector<RelocatedWord> expected{{0, 'C'}, {4, 'D'}};
    for (uint32_t i = 0; i < 600; ++i)
        expected.push_back({8 + 4 * i, 'C'});
    expected.push_back({8 + 2400 + 10000, 'D'});
    expected.push_back({8 + 2400 + 10007, 'D'});
    EXPECT_EQ(decodeDataRelocations(file.relocations), expected);
    // Runs: header 2, then 512 + 88; advances: 4096 + 4096 + 1808, then 3; runs: 1 + 1.
    EXPECT_EQ(file.relocations.size() / 2, 2u + 2u + 3u + 1u + 1u + 1u);
}

TEST(ImagelinkLink, UninitialisedDataIsZeroFilledAfterAllInitialisedData)
{
    CoffBuilder first;
    first.addCode({0xC3});
    first.addData({0xAA, 0xAA, 0xAA, 0xAA});
    const int16_t bss = first.addBss(64);
    first.addSymbol("_buffer", 0, bss);
    CoffBuilder second;
    const int16_t data = second.addData({0xBB, 0xBB, 0xBB, 0xBB});
    second.addSymbol("_second", 0, data);
    const LinkRun run = runLink({{"one.o", first.build()}, {"two.o", second.build()}});
    ASSERT_TRUE(run.image) << run.errors.front();

    const ImageFile file = run.file();
    const uint32_t buffer = run.offsetOf("data", "_buffer");
    EXPECT_GT(buffer, run.offsetOf("data", "_second"));
    EXPECT_GT(buffer, run.offsetOf("data", "_ClassTable"));
    ASSERT_LE(buffer + 64, file.data.size());
    EXPECT_TRUE(
        std::all_of(file.data.begin() + buffer, file.data.begin() + buffer + 64, [](uint8_t b) { return b == 0; }));
}

TEST(ImagelinkLink, HeaderWordsPointAtEntryRoutineAndClassTable)
{
    const LinkRun run = runLink({callerObject()});
    ASSERT_TRUE(run.image) << run.errors.front();
    const LoadedImage loaded = load(run);
    EXPECT_EQ(wordAt(loaded.data, 0), kCodeBase + run.offsetOf("code", "_ImageEntry"));
    EXPECT_EQ(wordAt(loaded.data, 4), kDataBase + run.offsetOf("data", "_ClassTable"));
    EXPECT_EQ(loaded.code.at(run.offsetOf("code", "_ImageEntry")), 0xC3);
    EXPECT_EQ(loaded.data.at(run.offsetOf("data", "_ClassTable")), 1);
}

// An object with `inline int twice(int)` in a COMDAT section plus its own caller.
imagelink::InputObject comdatObject(const std::string& path, uint8_t marker, uint8_t selection = 2)
{
    CoffBuilder object;
    const int16_t text = object.addCode({0xE8, 0, 0, 0, 0, 0xC3});
    const int16_t inlineText =
        object.addSection(".text$_Z5twicei", kCodeFlags | kComdatFlag, {0x8D, 0x04, 0x00, marker, 0xC3});
    const int16_t table = object.addSection(".rdata$_Z5twicei", kRdataFlags | kComdatFlag, {marker, marker, 0, 0});
    object.addSectionSymbol(inlineText, selection);
    const uint32_t twice = object.addSymbol("__Z5twicei", 0, inlineText, kExternal, kFunctionType);
    object.addSectionSymbol(table, 5, static_cast<uint16_t>(inlineText));
    object.addRelocation(text, 1, twice, kRel32);
    object.addSymbol("_caller_" + path.substr(0, 1), 0, text, kExternal, kFunctionType);
    return {path, object.build()};
}

TEST(ImagelinkLink, ComdatKeepsTheFirstDefinitionAndItsAssociates)
{
    const LinkRun run = runLink({comdatObject("a.o", 0xA1), comdatObject("b.o", 0xB2)});
    ASSERT_TRUE(run.image) << run.errors.front();
    const ImageFile file = run.file();
    EXPECT_EQ(std::count(file.code.begin(), file.code.end(), 0xB2), 0);
    EXPECT_EQ(std::count(file.data.begin(), file.data.end(), 0xB2), 0);
    EXPECT_EQ(std::count(file.data.begin(), file.data.end(), 0xA1), 2);
    const uint32_t twice = run.offsetOf("code", "__Z5twicei");
    EXPECT_EQ(file.code.at(twice + 3), 0xA1);
    const LoadedImage loaded = load(run);
    EXPECT_EQ(branchTarget(loaded, run.offsetOf("code", "_caller_a") + 1), kCodeBase + twice);
    EXPECT_EQ(branchTarget(loaded, run.offsetOf("code", "_caller_b") + 1), kCodeBase + twice);
}

TEST(ImagelinkLink, CallsBetweenObjectsAreResolvedByTheLinker)
{
    CoffBuilder callee;
    const int16_t calleeText = callee.addCode({0x90, 0x90, 0xC3});
    callee.addSymbol("_Helper", 1, calleeText, kExternal, kFunctionType);
    CoffBuilder caller;
    const int16_t callerText = caller.addCode({0xE8, 0, 0, 0, 0, 0xE9, 0xFE, 0xFF, 0xFF, 0xFF});
    const uint32_t helper = caller.addUndefined("_Helper");
    caller.addRelocation(callerText, 1, helper, kRel32);
    caller.addRelocation(callerText, 6, helper, kRel32); // addend -2
    const LinkRun run = runLink({{"caller.o", caller.build()}, {"callee.o", callee.build()}});
    ASSERT_TRUE(run.image) << run.errors.front();
    const LoadedImage loaded = load(run);
    const uint32_t helperAt = run.offsetOf("code", "_Helper");
    EXPECT_EQ(branchTarget(loaded, 1), kCodeBase + helperAt);
    EXPECT_EQ(branchTarget(loaded, 6), kCodeBase + helperAt - 2);
    EXPECT_TRUE(run.file().links.empty());
}

TEST(ImagelinkLink, CommonSymbolsShareOneZeroFilledSlotOfTheLargestSize)
{
    const auto user = [](const std::string& path, uint32_t size) {
        CoffBuilder object;
        const int16_t data = object.addData({0, 0, 0, 0});
        object.addRelocation(data, 0, object.addCommon("_g_shared", size), kDir32);
        object.addSymbol("_ptr_" + path.substr(0, 1), 0, data);
        return imagelink::InputObject{path, object.build()};
    };
    const LinkRun run = runLink({user("a.o", 4), user("b.o", 16)});
    ASSERT_TRUE(run.image) << run.errors.front();
    const ImageFile file = run.file();
    const uint32_t shared = run.offsetOf("data", "_g_shared");
    EXPECT_EQ(wordAt(file.data, run.offsetOf("data", "_ptr_a")), shared);
    EXPECT_EQ(wordAt(file.data, run.offsetOf("data", "_ptr_b")), shared);
    EXPECT_EQ(shared % 16, 0u);
    EXPECT_GE(file.data.size(), shared + 16);
}

TEST(ImagelinkLink, ARealDefinitionWinsOverACommonSymbol)
{
    CoffBuilder common;
    const int16_t data = common.addData({0, 0, 0, 0});
    common.addRelocation(data, 0, common.addCommon("_g_value", 4), kDir32);
    CoffBuilder definer;
    const int16_t defined = definer.addData({9, 9, 9, 9, 5, 0, 0, 0});
    definer.addSymbol("_g_value", 4, defined);
    const LinkRun run = runLink({{"common.o", common.build()}, {"definer.o", definer.build()}});
    ASSERT_TRUE(run.image) << run.errors.front();
    const ImageFile file = run.file();
    EXPECT_EQ(file.data.at(wordAt(file.data, 8)), 5);
}

TEST(ImagelinkLink, WeakExternalFallsBackToItsDefaultUnlessDefinedElsewhere)
{
    const auto weakUser = [](const std::string& path) {
        CoffBuilder object;
        const int16_t text = object.addCode({0xE8, 0, 0, 0, 0, 0xC3, 0x90, 0xC3});
        const uint32_t fallback = object.addSymbol(".weak._Hook.default", 6, text, kExternal, kFunctionType);
        object.addRelocation(text, 1, object.addWeakExternal("_Hook", fallback), kRel32);
        return imagelink::InputObject{path, object.build()};
    };
    const LinkRun alone = runLink({weakUser("weak.o")});
    ASSERT_TRUE(alone.image) << alone.errors.front();
    EXPECT_EQ(branchTarget(load(alone), 1), kCodeBase + 6);

    CoffBuilder strong;
    strong.addSymbol("_Hook", 0, strong.addCode({0xC3}), kExternal, kFunctionType);
    const LinkRun both = runLink({weakUser("weak.o"), {"strong.o", strong.build()}});
    ASSERT_TRUE(both.image) << both.errors.front();
    EXPECT_EQ(branchTarget(load(both), 1), kCodeBase + both.offsetOf("code", "_Hook"));
}

TEST(ImagelinkLink, DirectivesDebugDataUnwindTablesAndIdentAreLeftOut)
{
    CoffBuilder object;
    const int16_t text = object.addCode({0xC3});
    const int16_t data = object.addData({});
    object.addSection(".drectve", kDrectveFlags, {'-', 'a', 'l', 'i', 'g', 'n'});
    const int16_t debug = object.addSection(".debug_info", 0x42100040, std::vector<uint8_t>(32, 0xD1));
    const int16_t unwind = object.addSection(".eh_frame", kRdataFlags, std::vector<uint8_t>(24, 0xD2));
    object.addSection(".rdata$zzz", kRdataFlags, std::vector<uint8_t>(20, 0xD3));
    object.addSection(".removed", kRdataFlags | 0x800, std::vector<uint8_t>(20, 0xD4));
    const uint32_t code = object.addSectionSymbol(text);
    object.addRelocation(debug, 0, code, 0x000B); // SECREL: harmless where it is dropped
    object.addRelocation(unwind, 4, code, kRel32);
    (void)data;
    const LinkRun run = runLink({{"dropped.o", object.build()}});
    ASSERT_TRUE(run.image) << run.errors.front();
    const ImageFile file = run.file();
    EXPECT_EQ(file.data.size(), 8u + 4u); // header and the header object's class table only
    EXPECT_EQ(file.code.size(), 16u + 1u);
}

TEST(ImagelinkLink, SectionsKeepTheirAlignmentInsideTheirBlock)
{
    CoffBuilder object;
    object.addCode({0xC3});
    const int16_t wide = object.addSection(".rdata", (kRdataFlags & ~0x00F00000u) | 0x00500000, {1, 2, 3, 4}); // 16
    object.addSymbol("_wide", 0, wide);
    const LinkRun run = runLink({{"align.o", object.build()}});
    ASSERT_TRUE(run.image) << run.errors.front();
    EXPECT_EQ(run.offsetOf("data", "_wide"), 16u);
    EXPECT_EQ(run.offsetOf("code", "_ImageEntry"), 16u);
}

TEST(ImagelinkLink, MapListsDefinedSymbolsAndCallSites)
{
    CoffBuilder object;
    const int16_t text = object.addCode({0x55, 0xE8, 0, 0, 0, 0, 0x5D, 0xC3, 0xC3});
    const int16_t data = object.addData({0, 0, 0, 0});
    object.addSectionSymbol(text);
    object.addSymbol("_Run", 0, text, kExternal, kFunctionType);
    object.addSymbol("__ZL6helperv", 8, text, kStatic, kFunctionType);
    object.addSymbol("_g_count", 0, data);
    object.addRelocation(text, 2, object.addUndefined("_RuntimeBeep"), kRel32);
    const LinkRun run = runLink({{"map.o", object.build()}});
    ASSERT_TRUE(run.image) << run.errors.front();
    EXPECT_EQ(imagelink::formatMap(run.linked()), "code 00000000 _Run\n"
                                                  "code 00000008 __ZL6helperv\n"
                                                  "code 00000010 _ImageEntry\n"
                                                  "data 00000008 _g_count\n"
                                                  "data 0000000c _ClassTable\n"
                                                  "call 00000002 RuntimeBeep\n");
}

TEST(ImagelinkLink, AbsoluteRelocationRecordsChangeNothing)
{
    CoffBuilder object;
    const int16_t text = object.addCode({0x90, 0x11, 0x22, 0x33, 0x44});
    object.addRelocation(text, 1, object.addSectionSymbol(text), 0x0000);
    const LinkRun run = runLink({{"abs.o", object.build()}});
    ASSERT_TRUE(run.image) << run.errors.front();
    EXPECT_EQ(wordAt(run.file().code, 1), 0x44332211u);
}

} // namespace
