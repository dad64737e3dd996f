// Objects: creation, constructors and destructors, the destruction queue, class tests,
// field accessors, the debugging routines and tagged blocks.
#include "runtime/objects/object.h"
#include "tests/support/files.h"
#include "tests/support/messageboxes.h"
#include "tests/support/programrun.h"
#include "tests/support/testmain.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

extern "C" {
void objSetter(ObjectHeader* object, int32_t offset, ObjectHeader* value);
ObjectHeader* objGetter(ObjectHeader* object, int32_t offset);
void stringSetter(ObjectHeader* object, int32_t offset, StringRecord* value);
bool RuntimeObjectIsa(ObjectHeader* object, int32_t classIndex);
void* RuntimeCheckCast(ObjectHeader* object, int32_t classIndex);
int32_t RuntimeDebugObjectCount(ObjectHeader* excluded);
int32_t RuntimeDebugObjectID(ObjectHeader* excluded, int32_t index);
StringRecord* RuntimeDebugObjectClass(ObjectHeader* excluded, int32_t index);
int32_t RuntimeDebugObjectRefs(ObjectHeader* excluded, int32_t index);
ObjectHeader* RuntimeDebugInstance();
int32_t RuntimeDebugMemoryUsed();
void debugDumpObjects(StringRecord* path);
}

namespace {

std::vector<std::string> events;

// An object with two fields: another object and a string.
struct Holder {
    ObjectHeader header;
    ObjectHeader* other;
    StringRecord* text;
};
constexpr int32_t otherOffset = offsetof(Holder, other), textOffset = offsetof(Holder, text);

void record(ObjectHeader* object, ClassDescriptor* cls, const char* what)
{
    events.push_back(std::string(stringText(cls->name)) + " " + what + " count=" + std::to_string(object->count));
}

struct Classes {
    ClassDescriptor* base = classCreateBuiltin("TestBase", nullptr, sizeof(Holder));
    ClassDescriptor* derived = classCreateBuiltin("TestDerived", base, sizeof(Holder) + 8);
    ClassDescriptor* unnamed = classCreate();
    ClassDescriptor* iface = classCreateBuiltin("TestInterface", nullptr, plainObjectSize);
    ClassDescriptor* unrelated = classCreateBuiltin("TestUnrelated", nullptr, plainObjectSize);
    ClassDescriptor* otherIface = classCreateBuiltin("TestOtherInterface", nullptr, plainObjectSize);
    ClassDescriptor* table[6] = {base, derived, unnamed, iface, unrelated, otherIface};
    InterfaceEntry implemented{nullptr, iface, nullptr, 0};

    Classes()
    {
        for (ClassDescriptor* cls : {base, derived}) {
            cls->constructor = [](ObjectHeader* o, ClassDescriptor* c) { record(o, c, "constructed"); };
            cls->destructor = [](ObjectHeader* o, ClassDescriptor* c) {
                record(o, c, "destroyed");
                Holder* holder = reinterpret_cast<Holder*>(o);
                if (c->superclass == nullptr) { // the root releases what the object holds
                    RuntimeUnlockObject(holder->other);
                    RuntimeUnlockString(holder->text);
                }
            };
        }
        unnamed->superclass = derived;
        unnamed->instanceSize = sizeof(Holder) + 8;
        iface->isInterface = 1;
        otherIface->isInterface = 1;
        base->interfaces = &implemented;
        classSetTable(table, 6);
    }
};

Classes& classes()
{
    static Classes instance;
    return instance;
}

class Objects : public testing::Test {
protected:
    void SetUp() override
    {
        classes();
        events.clear();
    }
};

TEST_F(Objects, ANewObjectHasCountOneZeroFieldsAndIsLive)
{
    int32_t before = RuntimeDebugObjectCount(nullptr);
    ObjectRef object(RuntimeNewObject(1));
    Holder* holder = reinterpret_cast<Holder*>(object.get());
    EXPECT_EQ(object.get()->count, 1);
    EXPECT_EQ(holder->other, nullptr);
    EXPECT_EQ(holder->text, nullptr);
    EXPECT_EQ(RuntimeDebugObjectCount(nullptr), before + 1);
    EXPECT_EQ(RuntimeDebugObjectCount(object.get()), before);
    EXPECT_EQ(objectNewest(), object.get());
}

TEST_F(Objects, ConstructorsRunFromTheRootAndDestructorsFromTheObjectsOwnClass)
{
    RuntimeUnlockObject(RuntimeNewObject(1));
    EXPECT_EQ(events, (std::vector<std::string>{"TestBase constructed count=1", "TestDerived constructed count=1",
                                                "TestDerived destroyed count=1", "TestBase destroyed count=1"}));
}

TEST_F(Objects, AnObjectReleasedByADestructorIsDestroyedAfterItNotInsideIt)
{
    ObjectHeader* first = RuntimeNewObject(0);
    ObjectHeader* second = RuntimeNewObject(1);
    objSetter(first, otherOffset, second);
    RuntimeUnlockObject(second); // `first` now holds the only reference
    events.clear();
    RuntimeUnlockObject(first);
    EXPECT_EQ(events, (std::vector<std::string>{"TestBase destroyed count=1", "TestDerived destroyed count=1",
                                                "TestBase destroyed count=1"}));
}

TEST_F(Objects, ARetainAndReleaseInsideADestructorDoNotDestroyTwice)
{
    ClassDescriptor* cls = classCreateBuiltin("TestSelfRetaining", nullptr, plainObjectSize);
    cls->destructor = [](ObjectHeader* o, ClassDescriptor*) {
        RuntimeLockObject(o);
        RuntimeUnlockObject(o);
        events.push_back("destroyed count=" + std::to_string(o->count));
    };
    RuntimeUnlockObject(objectInstantiate(cls));
    EXPECT_EQ(events, (std::vector<std::string>{"destroyed count=1"}));
}

TEST_F(Objects, ClassTestsFollowTheChainAndImplementedInterfaces)
{
    ObjectRef derived(RuntimeNewObject(1));
    struct Case {
        ObjectHeader* object;
        int32_t classIndex;
        bool isa;
    } cases[] = {
        {derived.get(), 0, true},  {derived.get(), 1, true},   {derived.get(), 3, true},
        {derived.get(), 4, false}, {derived.get(), 2, false},  {derived.get(), 99, false},
        {nullptr, 0, false},       {derived.get(), -1, false}, {derived.get(), 5, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RuntimeObjectIsa(c.object, c.classIndex), c.isa) << "class index " << c.classIndex;
}

// A cast that holds gives what compiled code calls through next: a class's descriptor, or the
// entry of the class (here the superclass) that implements the interface.
TEST_F(Objects, ACastGivesTheClassOrTheImplementingInterfaceEntry)
{
    ObjectRef derived(RuntimeNewObject(1));
    struct Case {
        const char* what;
        ObjectHeader* object;
        int32_t classIndex;
        void* result;
    } cases[] = {
        {"its own class", derived.get(), 1, classes().derived},
        {"a superclass", derived.get(), 0, classes().base},
        {"an interface its superclass implements", derived.get(), 3, &classes().implemented},
        {"Nil to an interface", nullptr, 3, nullptr},
        {"Nil to an interface nobody implements", nullptr, 5, nullptr},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RuntimeCheckCast(c.object, c.classIndex), c.result) << c.what;
}

CHILD_SCENARIO(castToAnInterfaceNotImplemented)
{
    classes();
    ObjectHeader* derived = RuntimeNewObject(1);
    RuntimeCheckCast(derived, 5);
    return 9; // not reached: the failed cast raises, and nothing catches it
}

TEST_F(Objects, ACastToAnInterfaceTheClassDoesNotImplementRaisesIllegalCast)
{
    ProgramRun run = runProgram(childCommandLine("castToAnInterfaceNotImplemented"));
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 0u);
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0].text,
              "An exception of class IllegalCastException was not handled.\rThe application will now quit.");
}

TEST_F(Objects, FieldSettersKeepCountsRightEvenWhenStoringTheValueAlreadyHeld)
{
    ObjectRef holder(RuntimeNewObject(0));
    ObjectHeader* value = RuntimeNewObject(0);
    objSetter(holder.get(), otherOffset, value);
    RuntimeUnlockObject(value); // the field holds the only reference now
    objSetter(holder.get(), otherOffset, value);
    EXPECT_EQ(value->count, 1) << "storing the held value keeps it alive with its count";
    ObjectRef read(objGetter(holder.get(), otherOffset));
    EXPECT_EQ(read.get(), value);
    EXPECT_EQ(value->count, 2);

    StringRecord* text = stringFromText("kept");
    stringSetter(holder.get(), textOffset, text);
    RuntimeUnlockString(text);
    stringSetter(holder.get(), textOffset, text);
    EXPECT_EQ(text->count, 1);
    EXPECT_STREQ(stringText(reinterpret_cast<Holder*>(holder.get())->text), "kept");
    objSetter(holder.get(), otherOffset, nullptr);
}

TEST_F(Objects, DebuggingRoutinesNameTheNearestNamedClassAndStopAtTheLastObject)
{
    ObjectRef unnamed(RuntimeNewObject(2));
    StringRef name(RuntimeDebugObjectClass(nullptr, 0));
    EXPECT_STREQ(stringText(name.get()), "TestDerived");
    EXPECT_EQ(RuntimeDebugObjectRefs(nullptr, 0), 1);
    EXPECT_EQ(RuntimeDebugObjectID(nullptr, 0), int32_t(reinterpret_cast<uintptr_t>(unnamed.get()) ^ 0x15C7A3));
    int32_t beyond = RuntimeDebugObjectCount(nullptr);
    EXPECT_EQ(RuntimeDebugObjectID(nullptr, beyond), 0);
    EXPECT_EQ(RuntimeDebugObjectRefs(nullptr, beyond), 0);
    EXPECT_EQ(RuntimeDebugObjectClass(nullptr, beyond), nullptr);
}

TEST_F(Objects, TheDebuggingObjectIsSharedUntilItsLastReferenceGoes)
{
    ObjectHeader* first = RuntimeDebugInstance();
    ObjectHeader* again = RuntimeDebugInstance();
    EXPECT_EQ(first, again);
    EXPECT_EQ(first->count, 2);
    RuntimeUnlockObject(again);
    RuntimeUnlockObject(first);
    ObjectRef fresh(RuntimeDebugInstance());
    EXPECT_EQ(fresh.get()->count, 1);
}

TEST_F(Objects, TheObjectReportListsEveryLiveObjectNewestFirst)
{
    ClassDescriptor* nameless = classCreate();
    ObjectRef older(RuntimeNewObject(0));
    ObjectRef newer(objectInstantiate(nameless));
    StringRef path(stringFromText("objects-report.txt"));
    debugDumpObjects(path.get());
    std::string report;
    ASSERT_TRUE(readWholeFile("objects-report.txt", report));
    std::string expectedStart = std::to_string(RuntimeDebugMemoryUsed()) + " used in heap1\r" +
                                std::to_string(RuntimeDebugObjectCount(nullptr)) + " objects\r" +
                                "<Unnamed object class>\rTestBase\r";
    EXPECT_EQ(report.substr(0, expectedStart.size()), expectedStart);
    EXPECT_EQ(report.find('\n'), std::string::npos);
}

// The module name in the last line of an assertion report: "\n\n objects : 123".
std::string assertionModule(const std::string& report)
{
    size_t start = report.rfind("\n\n ") + 3;
    return report.substr(start, report.find(" : ", start) - start);
}

CHILD_SCENARIO(deadRecords)
{
    ObjectHeader dead{0, nullptr, nullptr, nullptr};
    RuntimeUnlockObject(&dead); // assertion, nothing else
    RuntimeLockObject(&dead);   // assertion, nothing else
    void* block = taggedAllocate(16);
    taggedFree(block);
    taggedFree(block);      // assertion: freed twice
    RuntimeNewObject(1000); // assertion: no such class
    return dead.count == 0 ? 3 : 4;
}

TEST_F(Objects, DeadRecordsAndBadIndexesAreReportedAndCorruptNothing)
{
    ProgramRun run = runProgram(childCommandLine("deadRecords"));
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 3u);
    std::vector<std::string> places;
    for (const SeenMessageBox& box : run.boxes)
        places.push_back(assertionModule(box.text));
    EXPECT_EQ(places, (std::vector<std::string>{"objects", "objects", "dump", "RuntimeMain"}));
}

} // namespace
