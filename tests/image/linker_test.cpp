// Linking: fixups, call-site chains, shared-library and member imports, and damaged link records.
#include "image/linker.h"
#include "startup/runtimeexports.h"

#include <windows.h>

#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

extern "C" void lineTrace(StringRecord* text);

namespace {

// A code block of padded call sites and the link records that name them.
struct LinkFixture {
    std::vector<uint8_t> code = std::vector<uint8_t>(64, 0x90);
    std::vector<uint8_t> data = std::vector<uint8_t>(16, 0);
    std::vector<uint8_t> records;

    uint32_t addSite(uint8_t opcode)
    {
        code.push_back(opcode);
        uint32_t operand = static_cast<uint32_t>(code.size());
        code.insert(code.end(), {0, 0, 0, 0, 0xEB, 0x03, 0x90, 0xEB, 0x00});
        return operand;
    }
    void putWord(uint32_t offset, uint32_t value) { memcpy(&code[offset], &value, 4); }
    uint32_t word(uint32_t offset) const
    {
        uint32_t value;
        memcpy(&value, &code[offset], 4);
        return value;
    }
    void addU32(uint32_t value)
    {
        for (int i = 0; i < 4; ++i)
            records.push_back(uint8_t(value >> (8 * i)));
    }
    void fixup(uint32_t offset)
    {
        records.push_back(2);
        addU32(offset);
    }
    // Chains the sites in the given order and adds the import record.
    void import(const std::string& name, const std::vector<uint32_t>& sites)
    {
        for (size_t i = 0; i < sites.size(); ++i)
            putWord(sites[i], i + 1 < sites.size() ? sites[i + 1] : 0);
        importRecord(name, sites.empty() ? 0 : sites[0]);
    }
    void importRecord(const std::string& name, uint32_t firstSite)
    {
        records.push_back(1);
        addU32(firstSite);
        records.push_back(uint8_t(name.size()));
        records.insert(records.end(), name.begin(), name.end());
    }
    bool link(std::string& error)
    {
        LinkedImage image{code.data(), uint32_t(code.size()), data.data(), uint32_t(data.size())};
        return linkImage(image, records.data(), uint32_t(records.size()), runtimeExports(), error);
    }
    // Where the rel32 operand at `site` now sends the call.
    uintptr_t target(uint32_t site) const { return reinterpret_cast<uintptr_t>(code.data()) + site + 4 + word(site); }
};

template <typename Pointer> uintptr_t address(Pointer routine)
{
    return reinterpret_cast<uintptr_t>(routine);
}

TEST(Linker, FixupsAddTheDataBaseToTheirWord)
{
    LinkFixture f;
    f.putWord(8, 12);
    f.fixup(8);
    std::string error;
    ASSERT_TRUE(f.link(error)) << error;
    EXPECT_EQ(f.word(8), address(f.data.data()) + 12);
}

TEST(Linker, EverySiteOfAChainCallsTheRoutineWhateverTheCaseOfItsName)
{
    LinkFixture f;
    uint32_t call = f.addSite(0xE8), tailCall = f.addSite(0xE9), last = f.addSite(0xE8);
    f.import("LINETRACE", {call, tailCall, last});
    std::string error;
    ASSERT_TRUE(f.link(error)) << error;
    for (uint32_t site : {call, tailCall, last})
        EXPECT_EQ(f.target(site), address(lineTrace)) << "site " << site;
}

TEST(Linker, RecordsWithoutSitesDuplicateNamesAndUnknownKindBytesAreFine)
{
    LinkFixture f;
    uint32_t first = f.addSite(0xE8), second = f.addSite(0xE8);
    f.records = {0x07, 0xFF, 0x00};
    f.importRecord("RuntimeBeep", 0);
    f.import("lineTrace", {first});
    f.import("linetrace", {second});
    std::string error;
    ASSERT_TRUE(f.link(error)) << error;
    EXPECT_EQ(f.target(first), address(lineTrace));
    EXPECT_EQ(f.target(second), address(lineTrace));
}

TEST(Linker, SharedLibraryRoutinesAreLoadedByName)
{
    LinkFixture f;
    uint32_t site = f.addSite(0xE8);
    f.import("!Xkernel32.dll!GetTickCount", {site});
    std::string error;
    ASSERT_TRUE(f.link(error)) << error;
    EXPECT_EQ(f.target(site), address(GetProcAddress(GetModuleHandleA("kernel32"), "GetTickCount")));
}

TEST(Linker, MemberImportsWaitNewestFirstWithTheirChainsUntouched)
{
    linkDeferredMembers().clear();
    LinkFixture f;
    uint32_t a = f.addSite(0xE8), b = f.addSite(0xE8);
    f.import("!MDate.Now", {a});
    f.import("!GWindow.Title", {b});
    std::string error;
    ASSERT_TRUE(f.link(error)) << error;
    const std::vector<DeferredMember>& members = linkDeferredMembers();
    ASSERT_EQ(members.size(), 2u);
    EXPECT_EQ(members[0].name, "GWindow.Title");
    EXPECT_EQ(members[0].firstSite, b);
    EXPECT_EQ(members[1].name, "MDate.Now");
    EXPECT_EQ(f.word(a), 0u);
    linkDeferredMembers().clear();
}

struct BadLink {
    const char* what;
    void (*build)(LinkFixture& f);
    const char* message;
};

const char* damaged = "The application could not be loaded because its image is damaged: ";

const BadLink badLinks[] = {
    {"fixup past the code block", [](LinkFixture& f) { f.fixup(uint32_t(f.code.size()) - 3); },
     "link record at 0x0: fixup at 0x3D leaves the code block (0x40 bytes)"},
    {"fixup cut short",
     [](LinkFixture& f) {
         f.records = {2, 1, 0};
     },
     "link record at 0x0: the fixup is cut short"},
    {"import name longer than the records", [](LinkFixture& f) { f.records = {1, 0, 0, 0, 0, 10, 'a', 'b'}; },
     "link record at 0x0: the import is cut short"},
    {"import without a name", [](LinkFixture& f) { f.importRecord("", 0); },
     "link record at 0x0: an import without a name"},
    {"call site past the code block", [](LinkFixture& f) { f.importRecord("lineTrace", 0x1000); },
     "link record at 0x0: call site of lineTrace at 0x1000 leaves the code block (0x40 bytes)"},
    {"chain that loops",
     [](LinkFixture& f) {
         uint32_t a = f.addSite(0xE8), b = f.addSite(0xE8);
         f.putWord(a, b);
         f.putWord(b, a);
         f.importRecord("lineTrace", a);
     },
     "link record at 0x0: call-site chain of lineTrace loops or overlaps at 0x41"},
    {"call site under a fixup",
     [](LinkFixture& f) {
         uint32_t a = f.addSite(0xE8);
         f.fixup(a + 2);
         f.import("lineTrace", {a});
     },
     "link record at 0x5: call-site chain of lineTrace loops or overlaps at 0x41"},
    {"bare exclamation mark", [](LinkFixture& f) { f.importRecord("!", 0); },
     "link record at 0x0: the import name \"!\" names nothing"},
};

TEST(Linker, DamagedRecordsAreReportedAndNothingIsPatched)
{
    for (const BadLink& bad : badLinks) {
        LinkFixture broken;
        bad.build(broken);
        std::vector<uint8_t> before = broken.code;
        std::string error;
        EXPECT_FALSE(broken.link(error)) << bad.what;
        EXPECT_EQ(error, std::string(damaged) + bad.message) << bad.what;
        EXPECT_EQ(broken.code, before) << bad.what;
    }
}

TEST(Linker, NamesThatCannotBeResolvedStopTheLinkWithTheirOwnMessage)
{
    struct Case {
        const char* name;
        const char* message;
    } cases[] = {
        {"NoSuchRoutine", "The application could not be loaded because it calls the routine NoSuchRoutine, which "
                          "this runtime does not provide."},
        {"!Xnosuchlibrary.dll!Open", "The application could not be loaded because a necessary shared library "
                                     "nosuchlibrary.dll could not be found."},
        {"!Xkernel32.dll!NoSuchExport", "The application could not be loaded because the routine NoSuchExport could "
                                        "not be found in the shared library kernel32.dll."},
    };
    for (const Case& c : cases) {
        LinkFixture f;
        uint32_t fine = f.addSite(0xE8), bad = f.addSite(0xE8);
        f.import("lineTrace", {fine});
        f.import(c.name, {bad});
        std::vector<uint8_t> before = f.code;
        std::string error;
        EXPECT_FALSE(f.link(error)) << c.name;
        EXPECT_EQ(error, c.message);
        EXPECT_EQ(f.code, before) << "nothing is patched before every name resolves";
    }
}

TEST(ExportTable, SearchSkipsEmptySlotsIgnoresCaseAndTakesTheFirstMatch)
{
    int first, second, third;
    const ExportSlot table[] = {
        {"Alpha", &first, {0, 0}}, {nullptr, nullptr, {0, 0}}, {"Beta", &second, {0, 0}}, {"ALPHA", &third, {0, 0}}};
    ExportIndex index(table);
    struct Case {
        const char* name;
        const void* routine;
    } cases[] = {{"alpha", &first}, {"BETA", &second}, {"Gamma", nullptr}, {"", nullptr}};
    for (const Case& c : cases) {
        const ExportSlot* linear = exportSearch(table, c.name);
        const ExportSlot* indexed = index.find(c.name);
        EXPECT_EQ(linear ? linear->routine : nullptr, c.routine) << c.name;
        EXPECT_EQ(indexed, linear) << c.name;
    }
}

TEST(ExportTable, EveryRuntimeExportIsFoundByItsName)
{
    for (const ExportSlot& slot : exportTable()) {
        ASSERT_NE(slot.name, nullptr);
        EXPECT_EQ(exportFind(slot.name), exportSearch(exportTable(), slot.name)) << slot.name;
        EXPECT_NE(slot.routine, nullptr) << slot.name;
    }
}

} // namespace
