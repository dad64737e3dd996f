// The interface a plug-in control names: its instances are of that interface and run the
// plug-in's routines as its methods, controls naming one name share one interface class, and a
// malformed interface is skipped with a line while the control still registers.
#include "classes/classlookup.h"
#include "classes/namedclasses.h"
#include "plugins/pluginregistration.h"
#include "runtime/objects/object.h"
#include "tests/plugins/testpluginlist.h"
#include "tests/support/debuggedrun.h"
#include "tests/support/testimage.h"
#include "tests/support/testmain.h"

#include <gtest/gtest.h>

namespace {

// The methods of an interface as FindInterfaceVTableCode gives them, from method 0 to one past
// the last.
std::vector<void*> interfaceMethods(ObjectHeader* instance, int32_t interfaceIndex, int32_t count)
{
    std::vector<void*> methods;
    for (int32_t n = 0; n <= count + 1; ++n)
        methods.push_back(FindInterfaceVTableCode(instance, n, interfaceIndex));
    return methods;
}

// Each installed copy of the test plug-in registers a control named after its file, naming
// the interface TestSource with two routines of its own.
TEST(PluginInterface, AControlIsOfTheInterfaceItNamesAndRunsThePluginsRoutines)
{
    PluginListBlock block;
    uint32_t head = block.add("tsourceb.dll", embeddedLibrary());
    ASSERT_TRUE(block.install(block.add("tsourcea.dll", embeddedLibrary(), head)).empty());
    TestImage image;
    enum { sourceA, sourceB, testSource, otherSource, subclassOfA };
    uint32_t table =
        image.table({image.reference("tsourcea"), image.reference("tsourceb"), image.reference("TestSource"),
                     image.definition({.name = "OtherSource", .isInterface = true}),
                     image.definition({.size = 120, .superclass = sourceA})});
    std::string error;
    ASSERT_TRUE(buildClasses(image, table, error)) << error;

    struct Case {
        int32_t classIndex;
        const char* library; // whose routines the instances run
    };
    for (const Case& c :
         {Case{sourceA, "tsourcea.dll"}, Case{sourceB, "tsourceb.dll"}, Case{subclassOfA, "tsourcea.dll"}}) {
        SCOPED_TRACE(c.classIndex);
        HMODULE module = GetModuleHandleW(extractedPath(c.library).c_str());
        auto routines = pluginRoutine<void* const* (*)()>(module, "TestPluginInterfaceRoutines")();
        ObjectRef instance(RuntimeNewObject(c.classIndex));
        EXPECT_TRUE(RuntimeObjectIsa(instance.get(), testSource));
        EXPECT_FALSE(RuntimeObjectIsa(instance.get(), otherSource));
        EXPECT_EQ(interfaceMethods(instance.get(), testSource, 2),
                  (std::vector<void*>{nullptr, routines[0], routines[1], nullptr}));
        EXPECT_EQ(FindInterfaceVTableCode(instance.get(), 1, otherSource), nullptr);
    }
    ClassDescriptor* shared = classAt(testSource);
    EXPECT_EQ(shared, pluginClassFind("TestSource"));
    EXPECT_TRUE(shared->isInterface);
    EXPECT_EQ(shared->superclass, nullptr);
    EXPECT_EQ(classAt(sourceA)->interfaces->interface, shared);
    EXPECT_EQ(classAt(sourceB)->interfaces->interface, shared);
}

int32_t fire(ObjectHeader*)
{
    return 1;
}
void* const fireRoutines[] = {reinterpret_cast<void*>(fire)};

ControlDescriptor controlNaming(const char* control, const char* interface, void* const* routines, uint32_t count)
{
    return {5, control, 0, 0, {}, 0, 0, {}, nullptr, 0, {}, interface, routines, count};
}

// The image's own interface of that name is taken over the one a plug-in would make, and a
// built-in one is found by its name in any case; the plug-in's table stands for the methods the
// interface lists, which the control's class does not have.
TEST(PluginInterface, TheInterfaceIsTheImagesOrTheBuiltInOneOfItsName)
{
    static ControlDescriptor imageSourced = controlNaming("TestImageSourced", "ImageSource", fireRoutines, 1);
    static ControlDescriptor binderSourced = controlNaming("TestBinderSourced", "binder", fireRoutines, 1);
    PluginRegisterControl(&imageSourced);
    PluginRegisterControl(&binderSourced);
    TestImage image;
    uint32_t table = image.table(
        {image.definition({.name = "ImageSource", .isInterface = true, .methods = {{"Fire", 0}}}),
         image.reference("TestImageSourced"), image.reference("TestBinderSourced"), image.reference("Binder")});
    std::string error;
    ASSERT_TRUE(buildClasses(image, table, error)) << error;

    ObjectRef imageSourcedInstance(RuntimeNewObject(1)), binderSourcedInstance(RuntimeNewObject(2));
    EXPECT_TRUE(RuntimeObjectIsa(imageSourcedInstance.get(), 0));
    EXPECT_EQ(FindInterfaceVTableCode(imageSourcedInstance.get(), 1, 0), fireRoutines[0]);
    EXPECT_TRUE(RuntimeObjectIsa(binderSourcedInstance.get(), 3));
    EXPECT_EQ(FindInterfaceVTableCode(binderSourcedInstance.get(), 1, 3), fireRoutines[0]);
    EXPECT_FALSE(RuntimeObjectIsa(binderSourcedInstance.get(), 0));
    EXPECT_EQ(pluginClassFind("ImageSource"), nullptr) << "no second class of the image's interface's name";
}

struct RefusedInterface {
    const char* control;
    const char* interface;
    void* const* routines;
    uint32_t count;
    const char* why; // null: the control names no interface, and nothing is reported
};

const std::string longName(300, 'A');

// Those refused at registration first, then those refused when the image's classes are built.
const RefusedInterface refusedInterfaces[] = {
    {"TestRefusedNone", nullptr, nullptr, 0, nullptr},
    {"TestRefusedUnnamed", nullptr, fireRoutines, 1, "its interface has no name"},
    {"TestRefusedEmpty", "", fireRoutines, 1, "its interface's name \"\" is not an identifier"},
    {"TestRefusedSpaced", "Action Source", fireRoutines, 1,
     "its interface's name \"Action Source\" is not an identifier"},
    {"TestRefusedDigit", "2Source", fireRoutines, 1, "its interface's name \"2Source\" is not an identifier"},
    {"TestRefusedLong", longName.c_str(), fireRoutines, 1, "its interface's name is longer than 255 bytes"},
    {"TestRefusedNoTable", "TestSource", nullptr, 3, "interface TestSource has 3 routines but no table"},
    {"TestRefusedHuge", "TestSource", fireRoutines, 100000, "interface TestSource has 100000 routines, more than 256"},
    {"TestRefusedBuiltin", "Window", fireRoutines, 1, "Window is a class, not an interface"},
    {"TestRefusedImage", "ImageThing", fireRoutines, 1, "ImageThing is a class, not an interface"},
};

// Registers the controls and builds an image with a class ImageThing; 7 when every control is
// registered without an interface and can be made.
CHILD_SCENARIO(refusedInterfaces)
{
    static std::vector<ControlDescriptor> descriptors;
    for (const RefusedInterface& c : refusedInterfaces)
        descriptors.push_back(controlNaming(c.control, c.interface, c.routines, c.count));
    for (ControlDescriptor& descriptor : descriptors)
        PluginRegisterControl(&descriptor);
    TestImage image;
    std::vector<uint32_t> classes = {image.definition({.name = "ImageThing"})};
    for (const RefusedInterface& c : refusedInterfaces)
        classes.push_back(image.reference(c.control));
    std::string error;
    if (!buildClasses(image, image.table(classes), error))
        return 2;
    for (int32_t index = 1; index < int32_t(classes.size()); ++index) {
        ObjectRef instance(RuntimeNewObject(index));
        if (!instance.get() || classAt(index)->interfaces || RuntimeObjectIsa(instance.get(), 0))
            return 3;
    }
    return 7;
}

TEST(PluginInterface, AMalformedInterfaceIsSkippedWithALineAndTheControlStillRegisters)
{
    DebuggedRun run = runDebugged(childCommandLine("refusedInterfaces"));
    EXPECT_EQ(run.exitCode, 7u);
    std::vector<std::string> expected;
    for (const RefusedInterface& c : refusedInterfaces) {
        if (c.why)
            expected.push_back("plug-in control " + std::string(c.control) + ": " + c.why +
                               "; its interface is skipped\n");
    }
    EXPECT_EQ(debugStringsStarting(run, "plug-in control TestRefused"), expected);
}

} // namespace
