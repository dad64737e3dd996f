// Member imports bound once the classes exist: methods, second entries, getters and setters
// of built-in and plug-in classes, global plug-in methods, and members that are missing.
#include "classes/classregistry.h"
#include "classes/namedclasses.h"
#include "image/linker.h"
#include "runtime/numbers/date.h"
#include "runtime/objects/builtinclassset.h"
#include "startup/applicationdocuments.h"
#include "tests/support/programrun.h"
#include "tests/support/testimage.h"
#include "tests/support/testmain.h"

#include <gtest/gtest.h>

namespace {

void spin()
{}
void spinAssigned()
{}
void halt()
{}
int32_t speedGetter(ObjectHeader*, int32_t)
{
    return 0;
}
void speedSetter(ObjectHeader*, int32_t, int32_t)
{}
void globalBeep()
{}
void globalBeepAssigned()
{}

uint32_t address(auto* routine)
{
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(routine));
}

void* code(auto* routine)
{
    return reinterpret_cast<void*>(routine);
}

// A plug-in class with two methods and a property, and a global plug-in method.
void registerPluginMembers()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    ClassDescriptor* thing = classCreate();
    thing->name = stringFromText("TestPluginThing");
    auto* spinMethod = static_cast<MethodEntry*>(taggedAllocate(sizeof(MethodEntry)));
    auto* haltMethod = static_cast<MethodEntry*>(taggedAllocate(sizeof(MethodEntry)));
    *haltMethod = {nullptr, stringFromText("Halt"), code(halt), nullptr, 0};
    *spinMethod = {haltMethod, stringFromText("Spin"), code(spin), code(spinAssigned), 0};
    thing->methods = spinMethod;
    classDeclareProperty(thing, "Speed", code(speedGetter), code(speedSetter), 0, propertyInteger);
    pluginClassAdd(thing);
    pluginGlobalMethodAdd("TestGlobalBeep", code(globalBeep), code(globalBeepAssigned));
}

struct BoundMember {
    const char* import;
    uint32_t target;
};

TEST(MemberImports, EveryCallSiteOfEachMemberIsBound)
{
    registerPluginMembers();
    const BoundMember members[] = {
        {"GDate.Year", address(dateFieldGetter)},
        {"Sdate.YEAR", address(dateFieldSetter)},
        {"GDate.TotalSeconds", address(dateTotalSecondsGetter)},
        {"MTestPluginThing.spin", address(spin)},
        {"WTestPluginThing.Spin", address(spinAssigned)},
        {"Mtestpluginthing.Halt", address(halt)},
        {"GTestPluginThing.Speed", address(speedGetter)},
        {"STestPluginThing.Speed", address(speedSetter)},
        {"MTestGlobalBeep", address(globalBeep)},
        {"WTestGlobalBeep", address(globalBeepAssigned)},
        {"MApplication.NewDocument", address(ApplicationNewDocument)},
        {"Mapplication.opendocument", address(ApplicationOpenDocument)},
    };
    TestImage image;
    for (const BoundMember& member : members)
        image.import(member.import, 2);
    uint32_t table = image.table({});
    std::string error;
    ASSERT_TRUE(buildClasses(image, table, error)) << error;
    for (const BoundMember& member : members) {
        EXPECT_EQ(image.callTarget(image.site(member.import, 0)), member.target) << member.import;
        EXPECT_EQ(image.callTarget(image.site(member.import, 1)), member.target) << member.import;
    }
    EXPECT_TRUE(linkDeferredMembers().empty());
}

// A member import waiting from an earlier image is bound in that image's code, not in the code
// of the image linked last.
TEST(MemberImports, AnImportIsBoundInTheCodeOfTheImageItCameFrom)
{
    TestImage earlier, last;
    earlier.import("GDate.Year", 2);
    std::string error;
    ASSERT_TRUE(earlier.link(error)) << error;
    std::vector<DeferredMember> waiting = linkDeferredMembers();
    uint32_t table = last.table({});
    ASSERT_TRUE(last.link(error)) << error;
    linkDeferredMembers() = waiting;
    ASSERT_TRUE(registryBuildClasses(tableAt(table), error)) << error;
    for (int index : {0, 1})
        EXPECT_EQ(earlier.callTarget(earlier.site("GDate.Year", index)), address(dateFieldGetter)) << index;
}

struct MissingMember {
    const char* import;
    const char* message;
};

TEST(MemberImports, AMemberItsClassDoesNotHaveFailsTheStartNamingIt)
{
    registerPluginMembers();
    const char* cannotLoad = "The application could not be loaded because ";
    const MissingMember cases[] = {
        {"MDate.Now", "the class Date has no method Now."},
        {"GDate.Century", "the class Date has no property Century."},
        {"SDate.DayOfWeek", "the property DayOfWeek of the class Date cannot be written."},
        {"WTestPluginThing.Halt", "the method Halt of the class TestPluginThing has no second entry."},
        {"MNoSuchGlobal", "it calls the plug-in method NoSuchGlobal, which no plug-in provides."},
        {"QDate.Year", "its image is damaged: the member import !QDate.Year names no kind of member"},
    };
    for (const MissingMember& c : cases) {
        TestImage image;
        image.import(c.import, 1);
        uint32_t table = image.table({image.definition({.name = "Unbuilt"})});
        int32_t countBefore = classCount();
        std::string error;
        EXPECT_FALSE(buildClasses(image, table, error)) << c.import;
        EXPECT_EQ(error, std::string(cannotLoad) + c.message) << c.import;
        EXPECT_EQ(classCount(), countBefore) << c.import << ": the table is not set";
    }
}

CHILD_SCENARIO(memberOfMissingClass)
{
    TestImage image;
    image.import("MNoSuchClass.Run", 1);
    uint32_t table = image.table({});
    std::string error;
    if (!buildClasses(image, table, error))
        return 2;
    uint32_t target = image.callTarget(image.site("MNoSuchClass.Run", 0));
    reinterpret_cast<void (*)()>(static_cast<uintptr_t>(target))();
    return 3; // the call raises, and the uncaught exception ends the process
}

TEST(MemberImports, AMemberOfAClassFoundNowhereIsAFailedAssertionAndItsCallsRaise)
{
    ProgramRun run = runProgram(childCommandLine("memberOfMissingClass"), {.answer = IDOK});
    ASSERT_TRUE(run.started);
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 0u);
    ASSERT_EQ(run.boxes.size(), 2u);
    EXPECT_EQ(run.boxes[0].text.substr(0, 20), "Failed Assertion: 2\n");
    EXPECT_NE(run.boxes[1].text.find("NilObjectException"), std::string::npos) << run.boxes[1].text;
}

} // namespace
