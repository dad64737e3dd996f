// Malformed descriptions, each with the exact messages it must give; nothing is generated
// from any of them. And the command line: its usage, a missing file, and what it writes.
#include "resgen/resgen_cli.h"
#include "tests/pe_builder.h"
#include "tests/resgen_fixture.h"
#include "tests/test_files.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

using namespace testsupport;

struct MalformedCase {
    const char* what;
    std::vector<resgen::DescriptionFile> files;
    std::vector<std::string> expected;
};

const std::string kWindow = "[window W]\nsuper = Dialog\n";

std::vector<MalformedCase> malformedCases()
{
    return {
        {"a control class nobody provides",
         {{"w", kWindow + "[control PushButon B]\n"}},
         {"resgen: w:3: unknown control class \"PushButon\""}},
        {"a built-in class templates cannot hold",
         {{"w", kWindow + "[control RectControl C]\n"}},
         {"resgen: w:3: RectControl is not a control class that a window template can hold"}},
        {"a plug-in control that was not declared",
         {{"w", kWindow + "[control LittleArrows A]\n"}},
         {"resgen: w:3: LittleArrows is a plug-in control: declare it with [plugin LittleArrows] and its instance "
          "size"}},
        {"a key the control's class does not have",
         {{"w", kWindow + "[control PushButton B]\nText = x\n"}},
         {"resgen: w:4: unknown key \"Text\" for a PushButton"}},
        {"a key a window does not have",
         {{"w", kWindow + "Colour = 1\n"}},
         {"resgen: w:3: unknown key \"Colour\" for a window"}},
        {"a key given twice",
         {{"w", kWindow + "[control PushButton B]\nLeft = 1\nleft = 2\n"}},
         {"resgen: w:5: left is given twice (first at line 4)"}},
        {"two controls of one name outside a control array",
         {{"w", kWindow + "[control PushButton B]\n[control PushButton B]\nIndex = 1\n"}},
         {"resgen: w:4: a control named B is already on this window (line 3); elements of a control array each "
          "need their own Index"}},
        {"two elements of a control array with one Index",
         {{"w", kWindow + "[control EditField E]\nIndex = 2\n[control EditField E]\nIndex = 2\n"}},
         {"resgen: w:5: a control named E is already on this window (line 3); elements of a control array each "
          "need their own Index"}},
        {"a class defined twice",
         {{"a", "[class A]\n"}, {"b", "[class A]\n"}},
         {"resgen: b:1: class A is already defined at a:1"}},
        {"a class named like a built-in class",
         {{"a", "[class pushbutton]\n"}},
         {"resgen: a:1: class pushbutton is already a built-in class"}},
        {"a number with letters after it",
         {{"w", kWindow + "[control PushButton B]\nLeft = 12a\n"}},
         {"resgen: w:4: \"12a\" is not a whole number"}},
        {"a number beyond 32 bits",
         {{"w", kWindow + "Width = 4294967296\n"}},
         {"resgen: w:3: \"4294967296\" is not a whole number"}},
        {"a frame kind the runtime does not know",
         {{"w", kWindow + "Frame = 9\n"}},
         {"resgen: w:3: Frame 9 is outside 0 to 7"}},
        {"a Boolean the runtime would read as false",
         {{"w", kWindow + "Visible = Yes\n"}},
         {"resgen: w:3: Visible is True or False, not \"Yes\""}},
        {"a colour of five hex digits",
         {{"w", kWindow + "BackColor = #12345\n"}},
         {"resgen: w:3: \"#12345\" is not a colour (0 to 16777215, or #RRGGBB)"}},
        {"a superclass nobody provides",
         {{"w", "[window W]\nsuper = Dialogg\n"}},
         {"resgen: w:2: unknown superclass \"Dialogg\""}},
        {"a window that is no window",
         {{"w", "[window W]\nsuper = Application\n"}},
         {"resgen: w:2: window W needs a Window class as its superclass, not Application"}},
        {"classes that descend from each other",
         {{"c", "[class A]\nsuper = B\n[class B]\nsuper = A\n"}},
         {"resgen: c:2: class A descends from itself", "resgen: c:4: class B descends from itself"}},
        {"text without a Shift-JIS form",
         {{"w", kWindow + "Title = 料金€\n"}},
         {"resgen: w:3: no Shift-JIS form for U+20AC \"€\""}},
        {"a line that is not UTF-8",
         {{"w", kWindow + "Title = \x82\xA0\n"}},
         {"resgen: w:3: the line is not valid UTF-8"}},
        {"a menu handler for an item the menu bar lacks",
         {{"w", kWindow + "menu FiePageSetup = pageSetup\n"},
          {"m", "[menu FileMenu]\n[item FileMenu/FilePageSetup]\n"},
          {"p", "[project]\nmenubar\n"}},
         {"resgen: w:3: no menu item is named FiePageSetup"}},
        {"a menu bar the project does not list",
         {{"m", "[menu FileMenu]\n"}},
         {"resgen: m:1: the menu bar is not listed in [project]: add a line menubar"}},
        {"settings the project lists but nobody describes",
         {{"p", "[project]\nsettings\n"}},
         {"resgen: p:2: the project lists the settings, but there is no [settings] section"}},
        {"an item listed twice",
         {{"p", "[project]\nmovie Sound = 1\nmovie sound = 2\n"}},
         {"resgen: p:3: the project already lists sound (line 2)"}},
        {"a module without a variable",
         {{"c", "[class M]\n"}, {"p", "[project]\nmodule M\n"}},
         {"resgen: p:2: module M needs global = <variable> in its [class] section"}},
        {"a variable nothing fills",
         {{"c", "[class M]\nglobal = gM\n"}},
         {"resgen: c:1: nothing fills the global variable of M: list it in [project] as module M"}},
        {"a struct without its header",
         {{"c", "[class M]\nstruct = MFields\n"}},
         {"resgen: c:1: struct MFields needs header = <the file that declares it>"}},
        {"an interface that is a class",
         {{"c", "[class A]\n[class B]\nimplements = A\n"}},
         {"resgen: c:3: \"A\" is not an interface"}},
        {"an interface method the class lacks",
         {{"c", "[interface Source]\nmethod Amount\n[class B]\nimplements = Source\nmethod Total = total\n"}},
         {"resgen: c:4: B implements Source but has no method Amount"}},
        {"a backdrop that names no picture",
         {{"w", kWindow + "Backdrop = Form\n"}},
         {"resgen: w:3: \"Form\" is neither a project item number nor the name of a picture of the project"}},
        {"a menu item class that is no MenuItem",
         {{"m", "[menu FileMenu]\n[item FileMenu/Today]\nclass = Date\n"}, {"p", "[project]\nmenubar\n"}},
         {"resgen: m:3: Date is not a MenuItem class"}},
        {"a menu item under an item that is not there",
         {{"m", "[menu FileMenu]\n[item FileMenu/Recent/One]\n"}},
         {"resgen: m:2: no menu entry FileMenu/Recent above this item"}},
        {"a reference to a class the runtime lacks",
         {{"c", "[references]\nDate\nCalendar\n"}},
         {"resgen: c:3: Calendar is not a built-in class"}},
        {"an unknown kind of section", {{"w", "[windows W]\n"}}, {"resgen: w:1: unknown section [windows]"}},
        {"a section header with a word too many",
         {{"w", "[window W Dialog]\n"}},
         {"resgen: w:1: this section is written [window Name]"}},
        {"a name that is no identifier",
         {{"c", "[class 1st]\n"}},
         {"resgen: c:1: \"1st\" is not a name (letters, digits and _, not starting with a digit)"}},
        {"a control without its window",
         {{"w", "[control PushButton B]\n"}},
         {"resgen: w:1: a [control] section belongs below its [window] in the same file"}},
        {"an entry before any section",
         {{"w", "Title = x\n"}},
         {"resgen: w:1: an entry before the first section header"}},
        {"a quoted value without its closing quote",
         {{"w", kWindow + "Title = \"open\n"}},
         {"resgen: w:3: quoted value without its closing quote"}},
        {"a key that needs a value", {{"w", kWindow + "Title\n"}}, {"resgen: w:3: Title needs a value: Title = ..."}},
        {"a second project",
         {{"p", "[project]\n"}, {"q", "[project]\n"}},
         {"resgen: q:1: a second [project] section (the first is at p:1)"}},
    };
}

TEST(MalformedDescriptions, AreReportedWithTheirPlaceAndGenerateNothing)
{
    for (const MalformedCase& c : malformedCases()) {
        const GeneratorRun run = runGenerator(c.files);
        EXPECT_FALSE(run.model) << c.what;
        EXPECT_EQ(run.messages, c.expected) << c.what;
    }
}

TEST(MalformedDescriptions, ReportEveryBadEntryOfOneRun)
{
    const GeneratorRun run = runGenerator({{"w", kWindow + "Frame = x\n[control PushButton B]\nDefault = no\n"}});
    EXPECT_EQ(run.messages, (std::vector<std::string>{"resgen: w:3: \"x\" is not a whole number",
                                                      "resgen: w:5: Default is True or False, not \"no\""}));
}

TEST(MalformedDescriptions, AnEventNoClassDeclaresIsStillTakenAsWritten)
{
    // The events a class declares belong to the runtime and the plug-in; a handler the runtime
    // never calls is the application's business.
    const GeneratorRun run = runGenerator({{"w", kWindow + "on Frobnicate = frobnicate\n"}});
    ASSERT_TRUE(run.model) << run.messages.front();
    EXPECT_EQ(run.model->classes.back().events.at(0).name, "Frobnicate");
}

int runCommand(const std::vector<std::string>& arguments, std::string& errors)
{
    std::ostringstream out;
    const int status = resgen::runResgen(arguments, out);
    errors = out.str();
    return status;
}

TEST(ResgenCommandLine, WithoutItsOptionsShowsTheUsage)
{
    std::string errors;
    EXPECT_EQ(runCommand({"a.window"}, errors), 2);
    EXPECT_TRUE(errors.starts_with("usage: resgen --builtin-classes")) << errors;
    EXPECT_EQ(runCommand({"--out-dir"}, errors), 2);
    EXPECT_TRUE(errors.starts_with("resgen: --out-dir needs a value\n")) << errors;
}

TEST(ResgenCommandLine, NamesAMissingFileAndWritesNothing)
{
    TempDir dir;
    writeText(dir.path("builtins.def"), kTestBuiltinClasses);
    writeText(dir.path("good.window"), kWindow);
    std::string errors;
    EXPECT_EQ(runCommand({"--builtin-classes", dir.path("builtins.def"), "--out-dir", dir.path("out"),
                          dir.path("good.window"), dir.path("gone.window")},
                         errors),
              1);
    EXPECT_EQ(errors, "resgen: " + dir.path("gone.window") + ": cannot open: No such file or directory\n");
    EXPECT_FALSE(std::filesystem::exists(dir.path("out")));
}

TEST(ResgenCommandLine, NamesAPictureItCannotRead)
{
    TempDir dir;
    writeText(dir.path("builtins.def"), kTestBuiltinClasses);
    writeText(dir.path("project"), "[project]\npicture Form = form.png\n");
    std::string errors;
    EXPECT_EQ(
        runCommand({"--builtin-classes", dir.path("builtins.def"), "--out-dir", dir.path("out"), dir.path("project")},
                   errors),
        1);
    EXPECT_EQ(errors, "resgen: " + dir.path("project") + ":2: picture " + dir.path("form.png") +
                          ": cannot open: No such file or directory\n");
}

TEST(ResgenCommandLine, ReportsABadBuiltinClassTable)
{
    TempDir dir;
    writeText(dir.path("builtins.def"),
              "BUILTIN_CLASS(Object, none, 24, \"\")\nBUILTIN_CLASS(Dialog, Window, 160, \"\")\n"
              "CLASS(Window)\n");
    writeText(dir.path("w"), kWindow);
    std::string errors;
    EXPECT_EQ(runCommand({"--builtin-classes", dir.path("builtins.def"), "--out-dir", dir.path("out"), dir.path("w")},
                         errors),
              1);
    const std::string def = dir.path("builtins.def");
    EXPECT_EQ(errors, "resgen: " + def + ":2: the superclass Window of Dialog is not listed above it\nresgen: " + def +
                          ":3: not a BUILTIN_CLASS(Name, Superclass, size, \"\") line\n");
}

TEST(ResgenCommandLine, WritesTheSourceAndTheHeader)
{
    TempDir dir;
    writeText(dir.path("builtins.def"), kTestBuiltinClasses);
    writeText(dir.path("w"), kWindow);
    std::string errors;
    ASSERT_EQ(runCommand({"--builtin-classes", dir.path("builtins.def"), "--out-dir", dir.path("out"), dir.path("w")},
                         errors),
              0)
        << errors;
    EXPECT_EQ(errors, "");
    EXPECT_EQ(listFolder(dir.path("out")), (std::vector<std::string>{"appdata.cpp", "appdata.h"}));
    EXPECT_NE(readText(dir.path("out/appdata.h")).find("inline constexpr int W = 1;"), std::string::npos);
    EXPECT_NE(readText(dir.path("out/appdata.h")).find("extern unsigned char WTemplate[];"), std::string::npos);
    EXPECT_NE(readText(dir.path("out/appdata.cpp")).find("alignas(4) unsigned char WTemplate["), std::string::npos);
}

TEST(ResgenCommandLine, TheHeaderSaysWhereEachControlStands)
{
    TempDir dir;
    writeText(dir.path("builtins.def"), kTestBuiltinClasses);
    writeText(dir.path("w"), kWindow + "[control PushButton OK]\nLeft = 10\nTop = 20\nWidth = 80\nHeight = 24\n" +
                                 "[control PushButton Digit]\nIndex = 3\nLeft = 5\nTop = 6\nWidth = 7\nHeight = 8\n");
    std::string errors;
    ASSERT_EQ(runCommand({"--builtin-classes", dir.path("builtins.def"), "--out-dir", dir.path("out"), dir.path("w")},
                         errors),
              0)
        << errors;
    const std::string header = readText(dir.path("out/appdata.h"));
    EXPECT_NE(header.find("inline constexpr ControlPlace W[] = {\n"
                          "    {\"OK\", -1, 10, 20, 80, 24},\n"
                          "    {\"Digit\", 3, 5, 6, 7, 8},\n};"),
              std::string::npos)
        << header;
}

// The files a test run offers as plug-in libraries.
enum class LibraryFile { Dll, Program, Text, Missing };

std::vector<uint8_t> libraryBytes(LibraryFile kind)
{
    PeOptions options;
    options.dll = kind == LibraryFile::Dll;
    return kind == LibraryFile::Text ? std::vector<uint8_t>{'M', 'Z', 'x'} : buildPe(options);
}

struct PluginCase {
    const char* what;
    std::string project;
    std::vector<std::pair<std::string, LibraryFile>> given; // --plugin name, the file it names
    std::string expected;                                   // with <project> and <dir> for the folder of the files
};

TEST(ResgenCommandLine, ChecksThePluginLibraries)
{
    const std::vector<PluginCase> cases{
        {"a library carried", "plugin kolactl1.dll\n", {{"KOLACTL1.DLL", LibraryFile::Dll}}, ""},
        {"a name that reaches another folder",
         "plugin ../kolactl1.dll\n",
         {},
         "<project>:2: plugin ../kolactl1.dll: a plug-in library is named by a plain file name\n"},
        {"a name in another code page",
         "plugin 手形.dll\n",
         {},
         "<project>:2: plugin 手形.dll: a plug-in library is named by a plain file name\n"},
        {"a library named twice",
         "plugin a.dll\nplugin A.dll\n",
         {{"a.dll", LibraryFile::Dll}},
         "<project>:3: the project already names the plug-in library A.dll\n"},
        {"no file given",
         "plugin a.dll\n",
         {},
         "<project>:2: plugin a.dll: the build gives no file for it (--plugin a.dll=<file>)\n"},
        {"a file given for no library",
         "plugin a.dll\n",
         {{"a.dll", LibraryFile::Dll}, {"b.dll", LibraryFile::Dll}},
         "<dir>/b.dll: the build gives a plug-in library b.dll that the project does not name\n"},
        {"a program",
         "plugin a.dll\n",
         {{"a.dll", LibraryFile::Program}},
         "<project>:2: plugin a.dll: <dir>/a.dll: a program, not a DLL\n"},
        {"not an executable",
         "plugin a.dll\n",
         {{"a.dll", LibraryFile::Text}},
         "<project>:2: plugin a.dll: <dir>/a.dll: not a PE file (no MZ header)\n"},
        {"a file that is not there",
         "plugin a.dll\n",
         {{"a.dll", LibraryFile::Missing}},
         "<project>:2: plugin a.dll: <dir>/a.dll: cannot open: No such file or directory\n"},
    };
    for (const PluginCase& c : cases) {
        TempDir dir;
        writeText(dir.path("builtins.def"), kTestBuiltinClasses);
        writeText(dir.path("project"), "[project]\n" + c.project);
        std::vector<std::string> arguments{"--builtin-classes", dir.path("builtins.def"), "--out-dir", dir.path("out")};
        for (const auto& [name, kind] : c.given) {
            const std::string file = dir.path(name);
            if (kind != LibraryFile::Missing)
                writeBytes(file, libraryBytes(kind));
            arguments.insert(arguments.end(), {"--plugin", name + "=" + file});
        }
        arguments.push_back(dir.path("project"));
        std::string expected = c.expected.empty() ? "" : "resgen: " + c.expected;
        for (const auto& [mark, text] :
             {std::pair{"<project>", dir.path("project")}, std::pair{"<dir>", dir.root().string()}}) {
            for (size_t at; (at = expected.find(mark)) != std::string::npos;)
                expected.replace(at, std::string_view(mark).size(), text);
        }
        std::string errors;
        EXPECT_EQ(runCommand(arguments, errors), expected.empty() ? 0 : 1) << c.what;
        EXPECT_EQ(errors, expected) << c.what;
    }
    std::string errors;
    EXPECT_EQ(runCommand({"--builtin-classes", "b", "--out-dir", "o", "--plugin", "a.dll", "p"}, errors), 2);
    EXPECT_TRUE(errors.starts_with("resgen: --plugin takes <library name>=<file>, not \"a.dll\"\n")) << errors;
}

} // namespace
