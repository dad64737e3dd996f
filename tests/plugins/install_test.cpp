// Installing embedded plug-ins: where the library is written and loaded from, what a planted
// or altered copy gets, and what a damaged list stops.
#include "classes/namedclasses.h"
#include "plugins/memberdeclaration.h"
#include "plugins/pluginclasses.h"
#include "plugins/pluginfile.h"
#include "plugins/plugininstall.h"
#include "plugins/pluginrecord.h"
#include "plugins/pluginregistration.h"
#include "runtime/objects/builtinclassset.h"
#include "runtime/objects/classchain.h"
#include "tests/plugins/testpluginlist.h"

#include <windows.h>

#include <tlhelp32.h>

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

namespace {

std::string hex(uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%x", value);
    return text;
}

std::wstring wide(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

// Every module of that file name in the process, by its full path.
std::vector<std::wstring> loadedPaths(const std::string& fileName)
{
    std::vector<std::wstring> paths;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, 0);
    MODULEENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Module32FirstW(snapshot, &entry); more; more = Module32NextW(snapshot, &entry)) {
        if (lstrcmpiW(entry.szModule, wide(fileName).c_str()) == 0)
            paths.push_back(entry.szExePath);
    }
    CloseHandle(snapshot);
    return paths;
}

TEST(PluginInstall, AnEmptyListInstallsNothing)
{
    PluginListBlock block;
    EXPECT_TRUE(block.install(0).empty());
}

TEST(PluginInstall, TheLibraryIsLoadedFromTheUsersPluginFolderAndRegistersItsControls)
{
    ASSERT_FALSE(embeddedLibrary().empty());
    PluginListBlock block;
    EXPECT_TRUE(block.install(block.add("tgood1.dll", embeddedLibrary())).empty());

    std::wstring path = extractedPath("tgood1.dll");
    EXPECT_EQ(path.rfind(pluginRootFolder() + L"\\", 0), 0u);
    EXPECT_EQ(loadedPaths("tgood1.dll"), std::vector<std::wstring>{path});
    ClassDescriptor* control = pluginControlFind("tgood1");
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->instanceSize, 96u + 8u);
    EXPECT_NE(pluginControlFind("TestOlderControl"), nullptr);
    EXPECT_EQ(pluginControlFind("TestVersionTwo"), nullptr);
    EXPECT_EQ(pluginControlFind("TestVersionZero"), nullptr);

    HMODULE module = GetModuleHandleW(path.c_str());
    auto descriptor = pluginRoutine<ControlDescriptor* (*)()>(module, "TestPluginDescriptor")();
    EXPECT_EQ(descriptor->dataOffset, 96u);
    EXPECT_EQ(pluginControlOf(control)->descriptor, descriptor);
    EXPECT_NE(descriptor->members.events[0].key, descriptor->members.events[1].key);
}

// The test plug-in's control: Count and Lit read their fields directly, Level through the
// plug-in's getter; of its three methods only Reset parses.
TEST(PluginInstall, AControlsMembersAreDeclaredOnItsClass)
{
    PluginListBlock block;
    block.install(block.add("tmembers.dll", embeddedLibrary()));
    ClassDescriptor* control = pluginControlFind("tmembers");
    ASSERT_NE(control, nullptr);
    ObjectHeader* instance = objectInstantiate(control);
    auto setter =
        reinterpret_cast<void (*)(ObjectHeader*, int32_t, int32_t)>(classFindProperty(control, "count")->setter);
    setter(instance, classFindProperty(control, "Count")->parameter, 7);
    auto level = classFindProperty(control, "Level");
    EXPECT_EQ(reinterpret_cast<int32_t (*)(ObjectHeader*, int32_t)>(level->getter)(instance, level->parameter), 70);
    EXPECT_EQ(level->setter, nullptr);
    EXPECT_EQ(classFindProperty(control, "Lit")->parameter, 96 + 4);
    EXPECT_NE(classFindMethod(control, "Reset"), nullptr);
    EXPECT_EQ(classFindMethod(control, "Broken"), nullptr);
    EXPECT_EQ(classFindMethod(control, "Twisted"), nullptr);
    RuntimeUnlockObject(instance);
}

int32_t ping(ObjectHeader*)
{
    return 7;
}

// What a plug-in of each version gets from registering a class and a global method.
TEST(PluginRegistration, ClassesAndGlobalMethodsFollowThePluginsVersion)
{
    struct Case {
        int32_t version;
        bool classRegistered;
        bool methodRegistered;
    };
    const Case cases[] = {{0, false, false}, {1, false, true}, {2, false, false}, {3, true, true}, {5, true, true}};
    void* exports[] = {nullptr, reinterpret_cast<void*>(ping)};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        std::string suffix = std::to_string(c.version);
        std::string className = "TestThing" + suffix, methodName = "TestPing" + suffix + "() As Integer";
        PluginRecord* plugin = pluginRecordAdd(nullptr);
        plugin->version = c.version;
        plugin->exports = exports;
        pluginSetCurrent(plugin);
        PluginClassDefinition definition{className.c_str(), 4};
        PluginRegisterClass(&definition);
        PluginIndexedMethod indexed{1, methodName.c_str()};
        ControlMethodRecord record{reinterpret_cast<void*>(ping), nullptr, methodName.c_str()};
        PluginRegisterMethod(c.version == 1 ? static_cast<void*>(&indexed) : &record);
        pluginSetCurrent(nullptr);

        ClassDescriptor* thing = pluginClassFind(className);
        EXPECT_EQ(thing != nullptr, c.classRegistered);
        if (thing) {
            EXPECT_EQ(thing->instanceSize, 24u + 4u);
        }
        void* method = pluginGlobalMethodFind("TestPing" + suffix, false);
        EXPECT_EQ(method, c.methodRegistered ? reinterpret_cast<void*>(ping) : nullptr);
    }
    PluginClassDefinition builtinName{"Window", 4};
    pluginSetCurrent(pluginRecordAdd(nullptr));
    pluginCurrent()->version = 5;
    PluginRegisterClass(&builtinName);
    pluginSetCurrent(nullptr);
    EXPECT_EQ(pluginClassFind("Window"), nullptr) << "a class of a name already taken is ignored";
}

TEST(MemberDeclaration, DeclarationsParseOrGiveTheirErrorText)
{
    struct Case {
        const char* text;
        const char* name; // null: the declaration does not parse
        const char* parameters;
        const char* resultOrError;
    };
    const Case cases[] = {
        {"Action", "Action", "", ""},
        {"AddRow(text As String)", "AddRow", "(text As String)", ""},
        {"List(row As Integer) As String", "List", "(row As Integer) As String", "String"},
        {"MouseDown(X As Integer, Y As Integer) As Boolean", "MouseDown", "(X As Integer, Y As Integer) As Boolean",
         "Boolean"},
        {"Count() as integer", "Count", "() as integer", "integer"},
        {"", nullptr, nullptr, "Invalid plugin method format: "},
        {"AddRow(text String)", nullptr, nullptr, "Invalid plugin method format: AddRow(text String)"},
        {"AddRow(text As String", nullptr, nullptr, "Invalid plugin method format: AddRow(text As String"},
        {"AddRow(a As String,)", nullptr, nullptr, "Invalid plugin method format: AddRow(a As String,)"},
        {"List() As", nullptr, nullptr, "Invalid return type: List() As"},
        {"List() Is String", nullptr, nullptr, "Invalid return type: List() Is String"},
        {"List() As String Integer", nullptr, nullptr, "Invalid return type: List() As String Integer"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        MemberDeclaration declaration;
        std::string error;
        bool parsed = memberDeclarationParse(c.text, declaration, error);
        ASSERT_EQ(parsed, c.name != nullptr);
        if (!parsed) {
            EXPECT_EQ(error, c.resultOrError);
            continue;
        }
        EXPECT_EQ(declaration.name, c.name);
        EXPECT_EQ(declaration.parameters, c.parameters);
        EXPECT_EQ(declaration.resultType, c.resultOrError);
    }
}

TEST(PluginInstall, TheResolverAnswersFromTheExportTable)
{
    PluginListBlock block;
    block.install(block.add("tresolve.dll", embeddedLibrary()));
    HMODULE module = GetModuleHandleW(extractedPath("tresolve.dll").c_str());
    ASSERT_NE(module, nullptr);
    auto resolver = pluginRoutine<PluginLookup (*)()>(module, "TestPluginResolver")();
    EXPECT_EQ(resolver("PluginRegisterControl"), reinterpret_cast<void*>(&PluginRegisterControl));
    EXPECT_EQ(resolver("pluginregistercontrol"), reinterpret_cast<void*>(&PluginRegisterControl));
    EXPECT_EQ(resolver("NoSuchRoutine"), nullptr);
    EXPECT_EQ(resolver(nullptr), nullptr);
    // A control plug-in calls these through their addresses unchecked.
    for (const char* name : {"RegisterPluginVersion",
                             "RegisterPluginExports",
                             "PluginRegisterClass",
                             "PluginRegisterMethod",
                             "PluginDefaultControlCaption",
                             "PluginDefaultControlFont",
                             "PluginDefaultControlFontSize",
                             "GetEventInstance",
                             "GetControlBounds",
                             "controlEnabledGetter",
                             "KOLAGetControlGraphics",
                             "KOLAGraphicsDC",
                             "KOLABuildString",
                             "KOLALockString",
                             "KOLAUnlockString",
                             "KOLALockObject",
                             "KOLAUnlockObject",
                             "KOLAInvalidateControl",
                             "KOLAInvalidateControlRect",
                             "RuntimeMsgBox"})
        EXPECT_NE(resolver(name), nullptr) << name;
}

// A file that is removed when the test ends.
struct PlantedFile {
    std::wstring path;
    PlantedFile(const std::wstring& folder, const std::vector<uint8_t>& bytes) : path(folder + L"\\kolactl1.dll")
    {
        CreateDirectoryW(folder.c_str(), nullptr);
        std::ofstream(path.c_str(), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    ~PlantedFile() { DeleteFileW(path.c_str()); }
};

std::wstring folderOf(const std::wstring& path)
{
    return path.substr(0, path.find_last_of(L'\\'));
}

std::wstring programFolder()
{
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return folderOf(path);
}

std::wstring tempFolder()
{
    wchar_t path[MAX_PATH];
    DWORD length = GetTempPathW(MAX_PATH, path);
    return std::wstring(path, length - 1);
}

TEST(PluginInstall, APlantedLibraryOfTheSameNameIsNeverLoaded)
{
    std::vector<uint8_t> impostor = readBuilt(TEST_PLUGIN_PLANTED);
    ASSERT_FALSE(impostor.empty());
    std::wstring currentFolder = tempFolder() + L"\\plugins-test-current";
    std::wstring pathFolder = tempFolder() + L"\\plugins-test-path";
    PlantedFile planted[] = {
        {programFolder(), impostor}, {tempFolder(), impostor}, {currentFolder, impostor}, {pathFolder, impostor}};
    wchar_t oldCurrent[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, oldCurrent);
    SetCurrentDirectoryW(currentFolder.c_str());
    wchar_t oldPath[32768];
    GetEnvironmentVariableW(L"PATH", oldPath, 32768);
    SetEnvironmentVariableW(L"PATH", (pathFolder + L";" + oldPath).c_str());

    PluginListBlock block;
    std::vector<std::string> problems = block.install(block.add("kolactl1.dll", embeddedLibrary()));
    SetEnvironmentVariableW(L"PATH", oldPath);
    SetCurrentDirectoryW(oldCurrent);

    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(loadedPaths("kolactl1.dll"), std::vector<std::wstring>{extractedPath("kolactl1.dll")});
    EXPECT_NE(pluginControlFind("kolactl1"), nullptr);
    EXPECT_EQ(pluginControlFind("PlantedControl"), nullptr);
}

TEST(PluginInstall, AnAlteredCopyOnDiskIsReplacedBeforeItIsLoaded)
{
    std::wstring path = extractedPath("taltered.dll");
    std::vector<uint8_t> altered = embeddedLibrary();
    altered[altered.size() / 2] ^= 0x5a;
    PluginListBlock block;
    uint32_t head = block.add("taltered.dll", embeddedLibrary());
    block.install(0); // makes the root folder
    CreateDirectoryW(folderOf(path).c_str(), nullptr);
    std::ofstream(path.c_str(), std::ios::binary).write(reinterpret_cast<const char*>(altered.data()), altered.size());

    EXPECT_TRUE(block.install(head).empty());
    std::ifstream in(path.c_str(), std::ios::binary);
    EXPECT_EQ(std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {}), embeddedLibrary());
    EXPECT_NE(pluginControlFind("taltered"), nullptr);
}

// Each damaged list is reported line by line, and what can still be installed is.
struct DamagedList {
    const char* what;
    // Builds the list, returns its head and the expected problems.
    uint32_t (*build)(PluginListBlock& block, std::vector<std::string>& expected);
    const char* installed; // a control that must still be registered, or null
};

std::string rest(uint32_t address, const std::string& why)
{
    return "plug-in list: record at " + hex(address) + ": " + why + "; the rest is not installed";
}

const DamagedList damagedLists[] = {
    {"the head points outside the block",
     [](PluginListBlock& block, std::vector<std::string>& expected) {
         block.add("tnever.dll", embeddedLibrary());
         expected = {rest(block.end() + 64, "the record's header leaves the data block")};
         return block.end() + 64;
     },
     nullptr},
    {"a library running past the block",
     [](PluginListBlock& block, std::vector<std::string>& expected) {
         uint32_t head = block.add("tnever.dll", embeddedLibrary());
         block.setWord(head, 1, 0xfffffff0u);
         expected = {rest(head, "its library leaves the data block")};
         return head;
     },
     nullptr},
    {"a length shorter than the name",
     [](PluginListBlock& block, std::vector<std::string>& expected) {
         uint32_t head = block.add("tnever.dll", embeddedLibrary());
         block.setWord(head, 1, 3);
         expected = {rest(head, "its length 3 is shorter than its name")};
         return head;
     },
     nullptr},
    {"names that would leave the folder are skipped, the next record is installed",
     [](PluginListBlock& block, std::vector<std::string>& expected) {
         uint32_t head = block.add("tafter.dll", embeddedLibrary());
         for (const char* name : {"..\\tevil.dll", "sub/tevil.dll", "", ".tevil.dll", "c:tevil.dll"}) {
             head = block.add(name, embeddedLibrary(), head);
             expected.insert(expected.begin(), "plug-in list: record at " + hex(head) + ": \"" + name +
                                                   "\" is not a plain file name; skipped");
         }
         return head;
     },
     "tafter"},
    {"a list that links back to itself",
     [](PluginListBlock& block, std::vector<std::string>& expected) {
         uint32_t head = block.add("tloop.dll", embeddedLibrary());
         block.setWord(head, 0, head);
         expected = {rest(head, "the list links back to this record")};
         return head;
     },
     "tloop"},
    {"bytes that are no library",
     [](PluginListBlock& block, std::vector<std::string>& expected) {
         uint32_t head = block.add("tafter2.dll", embeddedLibrary());
         head = block.add("tjunk.dll", std::vector<uint8_t>(600, 'M'), head);
         expected = {"plug-in tjunk.dll: cannot be loaded (error 193); skipped"};
         return head;
     },
     "tafter2"},
};

TEST(PluginInstall, ADamagedListStopsOnlyThePlugins)
{
    for (const DamagedList& list : damagedLists) {
        SCOPED_TRACE(list.what);
        PluginListBlock block;
        std::vector<std::string> expected;
        uint32_t head = list.build(block, expected);
        EXPECT_EQ(block.install(head), expected);
        if (list.installed) {
            EXPECT_NE(pluginControlFind(list.installed), nullptr);
        }
    }
    EXPECT_EQ(pluginControlFind("tnever"), nullptr);
    EXPECT_TRUE(loadedPaths("tevil.dll").empty());
}

} // namespace
