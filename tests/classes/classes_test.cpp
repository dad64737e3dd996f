// Building the image's classes: references and definitions in two passes, the application
// class, plug-in classes, a class found nowhere and instances smaller than their superclass.
#include "classes/classregistry.h"
#include "classes/namedclasses.h"
#include "runtime/objects/builtinclassset.h"
#include "runtime/objects/object.h"
#include "tests/support/debuggedrun.h"
#include "tests/support/programrun.h"
#include "tests/support/testimage.h"
#include "tests/support/testmain.h"

#include <windows.h>

#include <gtest/gtest.h>

extern "C" ObjectHeader* RuntimeDebugInstance();

namespace {

std::string nameOf(const ClassDescriptor* cls)
{
    return stringText(cls->name);
}

TEST(ClassTable, ReferencesAndDefinitionsAreJoinedInTwoPasses)
{
    TestImage image;
    TestClass app{.name = "MyApp",
                  .size = 28,
                  .superclass = 0,
                  .handlers = {{"EnableMenuItems", 0x100}},
                  .menuHandlers = {{"mnuApple", 0x110}}};
    TestClass forward{.name = "Forward",
                      .size = 40,
                      .superclass = 3,
                      .initialisers = true,
                      .constructor = 0x120,
                      .destructor = 0x130,
                      .methods = {{"First", 0x140}, {"Second", 0x150}},
                      .handlers = {{"Open", 0x160}, {"Close", 0x170}},
                      .virtualTable = {0}};
    TestClass unnamed{.size = 120, .superclass = 4, .handlers = {{"Action", 0x180}}};
    uint32_t table = image.table({image.reference("Application"), image.definition(app), image.definition(forward),
                                  image.definition({.name = "Base", .size = 32}), image.reference("pushbutton"),
                                  image.definition(unnamed)});
    std::string error;
    ASSERT_TRUE(buildClasses(image, table, error)) << error;

    ASSERT_EQ(classCount(), 6);
    EXPECT_EQ(classAt(0), builtinClass(BuiltinClassId::Application));
    EXPECT_EQ(classAt(4), builtinClass(BuiltinClassId::PushButton)) << "names compare without regard to case";
    ClassDescriptor* myApp = classAt(1);
    EXPECT_EQ(nameOf(myApp), "MyApp");
    EXPECT_EQ(myApp->superclass, classAt(0));
    EXPECT_EQ(myApp->instanceSize, 28u);
    EXPECT_EQ(myApp->headerWord, 3u);
    EXPECT_EQ(std::string(stringText(myApp->menuHandlers->itemName)), "mnuApple");
    EXPECT_EQ(reinterpret_cast<uint32_t>(myApp->handlers->code), image.code(0x100));
    ClassDescriptor* withForward = classAt(2);
    EXPECT_EQ(withForward->superclass, classAt(3)) << "a superclass later in the table";
    EXPECT_EQ(reinterpret_cast<uint32_t>(withForward->constructor), image.code(0x120));
    EXPECT_EQ(reinterpret_cast<uint32_t>(withForward->destructor), image.code(0x130));
    ASSERT_NE(withForward->methods, nullptr);
    EXPECT_EQ(stringText(withForward->methods->name), std::string("First")) << "methods in entry order";
    EXPECT_EQ(reinterpret_cast<uint32_t>(withForward->methods->next->code), image.code(0x150));
    EXPECT_EQ(stringText(withForward->handlers->name), std::string("Close")) << "handlers newest first";
    EXPECT_EQ(withForward->virtualTableSize, 1u);
    EXPECT_EQ(classAt(5)->name, nullptr);
    EXPECT_EQ(classAt(5)->superclass, classAt(4));

    ObjectRef object(RuntimeNewObject(1));
    ASSERT_NE(object.get(), nullptr);
    EXPECT_EQ(object.get()->cls, myApp);
    EXPECT_TRUE(RuntimeObjectIsa(object.get(), 0));
}

TEST(ClassTable, TheApplicationClassIsTheLastThatDescendsFromApplication)
{
    TestImage image;
    uint32_t table =
        image.table({image.reference("Application"), image.definition({.name = "First", .superclass = 0}),
                     image.definition({.name = "Window1", .superclass = 3}), image.reference("Window"),
                     image.definition({.name = "Second", .superclass = 1}), image.definition({.name = "Module"})});
    std::string error;
    ASSERT_TRUE(buildClasses(image, table, error)) << error;
    EXPECT_EQ(registryApplicationClass(), classAt(4)) << "through an image class between";

    TestImage plain;
    table = plain.table({plain.reference("Window"), plain.definition({.name = "Window1", .superclass = 0})});
    ASSERT_TRUE(buildClasses(plain, table, error)) << error;
    EXPECT_EQ(registryApplicationClass(), builtinClass(BuiltinClassId::Application));
}

ClassDescriptor* namedClass(const char* name)
{
    ClassDescriptor* cls = classCreate();
    cls->name = stringFromText(name);
    return cls;
}

// Registered once for the whole run, as plug-ins are: a second registration of a name would
// not replace the first.
struct PluginClasses {
    ClassDescriptor* gadget = namedClass("TestGadget");
    ClassDescriptor* arrows = namedClass("TestArrows");
    ClassDescriptor* impostor = namedClass("Window");

    PluginClasses()
    {
        pluginClassAdd(gadget);
        pluginClassAdd(impostor);
        pluginControlAdd(arrows);
    }
};

TEST(ClassTable, PluginClassesAndControlsAreFoundAfterTheBuiltinOnes)
{
    static PluginClasses plugins;
    ClassDescriptor* gadget = plugins.gadget;
    ClassDescriptor* arrows = plugins.arrows;

    TestImage image;
    uint32_t table =
        image.table({image.reference("testgadget"), image.reference("TESTARROWS"), image.reference("Window")});
    std::string error;
    ASSERT_TRUE(buildClasses(image, table, error)) << error;
    EXPECT_EQ(classAt(0), gadget);
    EXPECT_EQ(classAt(1), arrows);
    EXPECT_EQ(classAt(2), builtinClass(BuiltinClassId::Window));
}

CHILD_SCENARIO(classFoundNowhere)
{
    TestImage image;
    uint32_t table =
        image.table({image.reference("NoSuchClass"), image.definition({.name = "Orphan", .superclass = 0})});
    std::string error;
    if (!buildClasses(image, table, error))
        return 2;
    return classAt(0) == nullptr && classAt(1)->superclass == nullptr ? 7 : 3;
}

TEST(ClassTable, AReferencedClassFoundNowhereIsAFailedAssertionAndStaysEmpty)
{
    ProgramRun run = runProgram(childCommandLine("classFoundNowhere"), {.answer = IDOK});
    ASSERT_TRUE(run.started);
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 7u);
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0].text.substr(0, 20), "Failed Assertion: 2\n");
    EXPECT_EQ(run.boxes[0].text.substr(run.boxes[0].text.size() - 7), "\n\n  : 0");
}

// In a fresh process, before anything has asked for the debugging object or made a binding.
CHILD_SCENARIO(runtimeClassesFromTheStart)
{
    TestImage image;
    uint32_t table = image.table({image.reference("Runtime"), image.reference("binder")});
    std::string error;
    if (!buildClasses(image, table, error))
        return 2;
    bool found =
        classAt(0) == builtinClass(BuiltinClassId::Runtime) && classAt(1) == builtinClass(BuiltinClassId::Binder);
    ObjectRef debugging(RuntimeDebugInstance());
    return found && classAt(1)->isInterface && debugging.get()->cls == classAt(0) ? 7 : 3;
}

TEST(ClassTable, TheDebuggingClassAndTheBinderInterfaceExistFromTheStart)
{
    ProgramRun run = runProgram(childCommandLine("runtimeClassesFromTheStart"), {.answer = IDOK});
    ASSERT_TRUE(run.started);
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 7u);
    EXPECT_TRUE(run.boxes.empty()) << run.boxes.front().text;
}

CHILD_SCENARIO(smallInstances)
{
    TestImage image;
    uint32_t table =
        image.table({image.reference("PushButton"), image.definition({.name = "Tiny", .size = 100, .superclass = 0}),
                     image.definition({.name = "Tinier", .size = 90, .superclass = 1})});
    std::string error;
    if (!buildClasses(image, table, error))
        return 2;
    return classAt(1)->instanceSize == 120 && classAt(2)->instanceSize == 120 ? 7 : 3;
}

TEST(ClassTable, AnInstanceSmallerThanItsSuperclassIsReportedAndTakesTheSuperclassSize)
{
    DebuggedRun run = runDebugged(childCommandLine("smallInstances"));
    EXPECT_EQ(run.exitCode, 7u);
    std::vector<std::string> reports = debugStringsStarting(run, "!!! RuntimeInit");
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0], "!!! RuntimeInit -- Bad class object size\n\tClass Name: Tiny\n\tClass Size: 100\n"
                          "\tSuper Name: PushButton\n\tSuper Size: 120\n");
    EXPECT_EQ(reports[1], "!!! RuntimeInit -- Bad class object size\n\tClass Name: Tinier\n\tClass Size: 90\n"
                          "\tSuper Name: Tiny\n\tSuper Size: 120\n");
}

} // namespace
