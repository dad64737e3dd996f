// The registry's lookups: event handlers along the class chain, menu handlers of the own
// class, keyed hooks, virtual tables and interface method tables.
#include "classes/classlookup.h"
#include "classes/classregistry.h"
#include "classes/namedclasses.h"
#include "runtime/objects/builtinclassset.h"
#include "runtime/objects/classchain.h"
#include "tests/support/programrun.h"
#include "tests/support/testimage.h"
#include "tests/support/testmain.h"

#include <gtest/gtest.h>

namespace {

ClassDescriptor* pluginClassDeclaring(const char* name, ClassDescriptor* superclass, const char* event)
{
    ClassDescriptor* cls = classCreate();
    cls->name = stringFromText(name);
    cls->superclass = superclass;
    classDeclareEvent(cls, event, nullptr);
    pluginClassAdd(cls);
    return cls;
}

// Event declarations of two plug-in classes: the middle one declares a second event named
// like one of its superclass's.
struct DeclaringClasses {
    ClassDescriptor* base = pluginClassDeclaring("TestEventBase", nullptr, "Ping");
    ClassDescriptor* middle = pluginClassDeclaring("TestEventMiddle", base, "ping");
    DeclaringClasses() { classDeclareEvent(base, "Pong", nullptr); }
};

DeclaringClasses& declaring()
{
    static DeclaringClasses classes;
    return classes;
}

// The classes of the lookups, each at a fixed index of the table.
enum : int32_t { window, w1, w2, middle, e1, e2, module, m1, m2, k1, k2, vtable, classCountOfTable };

class Lookups : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        declaring();
        image = new TestImage;
        TestImage& i = *image;
        uint32_t table = i.table({
            i.reference("Window"),
            i.definition({.name = "W1", .superclass = window, .handlers = {{"Open", 0x200}, {"Paint", 0x204}}}),
            i.definition(
                {.name = "W2", .superclass = w1, .handlers = {{"Open", 0x208}, {"Moved", 0x20C}, {"Action", 0x210}}}),
            i.reference("TestEventMiddle"),
            i.definition({.name = "E1", .superclass = middle, .handlers = {{"Ping", 0x220}, {"Pong", 0x224}}}),
            i.definition({.name = "E2", .superclass = e1, .handlers = {{"PING", 0x228}}}),
            i.definition({.name = "Module", .handlers = {{"Open", 0x230}}}),
            i.definition({.name = "M1",
                          .superclass = window,
                          .menuHandlers = {{"FilePrint", 0x240}, {"FileQuit", 0x244}, {"fileprint", 0x248}}}),
            i.definition({.name = "M2", .superclass = m1, .menuHandlers = {{"Other", 0x250}}}),
            i.definition({.name = "K1", .superclass = window, .handlers = {{"Open", 0x260, 7}}}),
            i.definition({.name = "K2", .superclass = k1, .handlers = {{"Paint", 0x264, 9}, {"Close", 0x268, 7}}}),
            i.definition({.name = "V", .virtualTable = {0x270, 0, 0x274}}),
        });
        std::string error;
        ASSERT_TRUE(buildClasses(i, table, error)) << error;
        for (int32_t index = 0; index < classCountOfTable; ++index)
            objects[index] = RuntimeNewObject(index);
    }

    static uint32_t code(uint32_t offset) { return image->code(offset); }
    static uint32_t address(void* code) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(code)); }

    static TestImage* image;
    static ObjectHeader* objects[classCountOfTable];
};

TestImage* Lookups::image;
ObjectHeader* Lookups::objects[classCountOfTable];

EventDeclaration* declared(ClassDescriptor* cls, const char* name)
{
    for (EventDeclaration* event = cls->events; event; event = event->next) {
        if (std::string(stringText(event->name)) == name)
            return event;
    }
    return nullptr;
}

struct HandlerCase {
    const char* what;
    int32_t object;
    EventDeclaration* event;
    uint32_t code; // offset in the code block, 0 for none
    bool inOwnClass;
};

TEST_F(Lookups, TheHandlerNearestToTheDeclaringClassWins)
{
    ClassDescriptor* windowClass = builtinClass(BuiltinClassId::Window);
    const HandlerCase cases[] = {
        {"the superclass's handler runs", w2, declared(windowClass, "Open"), 0x200, false},
        {"a handler in the own class", w1, declared(windowClass, "Open"), 0x200, true},
        {"a handler only in the subclass", w2, declared(windowClass, "Moved"), 0x20C, true},
        {"no class handles the event", w2, declared(windowClass, "Resized"), 0, false},
        {"the declaring class is not in the chain", w2, declared(builtinClass(BuiltinClassId::PushButton), "Action"), 0,
         false},
        {"a redeclaration hides the handlers below it", e1, declared(declaring().base, "Ping"), 0, false},
        {"the redeclared event finds them", e1, declared(declaring().middle, "ping"), 0x220, true},
        {"the nearer of two handlers of the redeclared event", e2, declared(declaring().middle, "ping"), 0x220, false},
        {"another event of the same class is not hidden", e1, declared(declaring().base, "Pong"), 0x224, true},
        {"a module's instance reaches nothing", module, declared(windowClass, "Open"), 0, false},
    };
    for (const HandlerCase& c : cases) {
        ASSERT_NE(c.event, nullptr) << c.what;
        FoundHandler found = classFindEventHandler(objects[c.object], c.event);
        EXPECT_EQ(address(found.code), code(c.code)) << c.what;
        EXPECT_EQ(found.inOwnClass, c.inOwnClass) << c.what;
    }
    EXPECT_EQ(address(classFindEventHandlerNamed(objects[w2], "oPEN").code), code(0x200));
    EXPECT_EQ(classFindEventHandlerNamed(objects[module], "Open").code, nullptr);
    EXPECT_EQ(classFindEventHandler(nullptr, declared(windowClass, "Open")).code, nullptr);
}

TEST_F(Lookups, MenuHandlersAreTheOwnClassesInListOrder)
{
    MenuHandler* first = classNextMenuHandler(objects[m1], "FILEPRINT", nullptr);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(address(first->code), code(0x248)) << "the list is newest first";
    MenuHandler* second = classNextMenuHandler(objects[m1], "FILEPRINT", first);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(address(second->code), code(0x240));
    EXPECT_EQ(classNextMenuHandler(objects[m1], "FILEPRINT", second), nullptr);
    EXPECT_EQ(classNextMenuHandler(objects[m2], "FilePrint", nullptr), nullptr) << "superclasses are not asked";
    EXPECT_EQ(classNextMenuHandler(nullptr, "FilePrint", nullptr), nullptr);
}

TEST_F(Lookups, HooksAndVirtualTables)
{
    EXPECT_EQ(address(RuntimeFindHookCode(objects[k2], 9)), code(0x264));
    EXPECT_EQ(address(RuntimeFindHookCode(objects[k2], 7)), code(0x268)) << "the own class first";
    EXPECT_EQ(address(RuntimeFindHookCode(objects[k1], 7)), code(0x260));
    EXPECT_EQ(RuntimeFindHookCode(objects[k2], 5), nullptr);
    EXPECT_EQ(RuntimeFindHookCode(nullptr, 7), nullptr);

    EXPECT_EQ(address(FindVTableCode(objects[vtable], 0)), code(0x270));
    EXPECT_EQ(FindVTableCode(objects[vtable], 1), nullptr);
    EXPECT_EQ(address(FindVTableCode(objects[vtable], 2)), code(0x274));
    EXPECT_EQ(FindVTableCode(objects[vtable], 3), nullptr) << "past the table";
    EXPECT_EQ(FindVTableCode(objects[vtable], -1), nullptr);
    EXPECT_EQ(FindVTableCode(objects[w1], 0), nullptr) << "a class without a table";
    EXPECT_EQ(FindVTableCode(nullptr, 0), nullptr);
}

enum : int32_t { iRunner, runner, fastRunner, halfRunner, other, late, iGo, interfaceClassCount };

TEST(Interfaces, EachMethodOfAnInterfaceIsOneTableRead)
{
    TestImage image;
    uint32_t table = image.table({
        image.definition({.name = "IRunner", .isInterface = true, .methods = {{"Run", 0}, {"Stop", 0}}}),
        image.definition({.name = "Runner", .interfaces = {iRunner}, .methods = {{"stop", 0x300}, {"RUN", 0x304}}}),
        image.definition({.name = "FastRunner", .superclass = runner}),
        image.definition(
            {.name = "HalfRunner", .superclass = runner, .interfaces = {iRunner}, .methods = {{"Run", 0x308}}}),
        image.definition({.name = "Other", .methods = {{"Run", 0x30C}}}),
        image.definition({.name = "Late", .interfaces = {iGo}, .methods = {{"Go", 0x310}}}),
        image.definition({.name = "IGo", .isInterface = true, .methods = {{"Go", 0}}}),
    });
    std::string error;
    ASSERT_TRUE(buildClasses(image, table, error)) << error;
    ObjectHeader* objects[interfaceClassCount] = {};
    for (int32_t index = runner; index < interfaceClassCount; ++index)
        objects[index] = RuntimeNewObject(index);
    auto found = [&](int32_t object, int32_t method, int32_t interface) {
        void* code = FindInterfaceVTableCode(objects[object], method, interface);
        return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(code));
    };
    EXPECT_EQ(found(runner, 1, iRunner), image.code(0x304)) << "by name, without regard to case";
    EXPECT_EQ(found(runner, 2, iRunner), image.code(0x300));
    EXPECT_EQ(found(runner, 3, iRunner), 0u) << "past the interface's methods";
    EXPECT_EQ(found(runner, 0, iRunner), 0u) << "entry 0 stays empty";
    EXPECT_EQ(found(fastRunner, 1, iRunner), image.code(0x304)) << "through the superclass";
    EXPECT_EQ(found(halfRunner, 1, iRunner), image.code(0x308));
    EXPECT_EQ(found(halfRunner, 2, iRunner), image.code(0x300)) << "a method the superclass has";
    EXPECT_EQ(found(other, 1, iRunner), 0u) << "a class that does not implement the interface";
    EXPECT_EQ(found(late, 1, iGo), image.code(0x310)) << "an interface later in the table";
    EXPECT_EQ(found(runner, 1, 99), 0u);
    EXPECT_EQ(FindInterfaceVTableCode(nullptr, 1, iRunner), nullptr);
    EXPECT_TRUE(RuntimeObjectIsa(objects[halfRunner], iRunner));
    EXPECT_FALSE(RuntimeObjectIsa(objects[other], iRunner));
    EXPECT_EQ(classAt(iRunner)->methods->next->number, 2);
    EXPECT_EQ(classAt(runner)->methods->number, 0);
    for (ObjectHeader* object : objects)
        RuntimeUnlockObject(object);
}

CHILD_SCENARIO(interfaceMethodMissing)
{
    TestImage image;
    uint32_t table = image.table({
        image.definition({.name = "IRunner", .isInterface = true, .methods = {{"Run", 0}, {"Stop", 0}}}),
        image.definition({.name = "Lazy", .interfaces = {0}, .methods = {{"Run", 0x300}}}),
    });
    std::string error;
    if (!buildClasses(image, table, error))
        return 2;
    ObjectRef lazy(RuntimeNewObject(1));
    bool runFound = FindInterfaceVTableCode(lazy.get(), 1, 0) == reinterpret_cast<void*>(image.code(0x300));
    return runFound && FindInterfaceVTableCode(lazy.get(), 2, 0) == nullptr ? 7 : 3;
}

TEST(Interfaces, AMethodFoundNowhereIsReportedAndTheClassIsUsedAsItIs)
{
    ProgramRun run = runProgram(childCommandLine("interfaceMethodMissing"), {.answer = IDOK});
    ASSERT_TRUE(run.started);
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 7u);
    ASSERT_EQ(run.boxes.size(), 2u);
    EXPECT_EQ(run.boxes[0].text.substr(0, 20), "Failed Assertion: 2\n");
    EXPECT_NE(run.boxes[0].text.find(" objects : 2368"), std::string::npos);
    EXPECT_EQ(run.boxes[1].text.substr(0, 20), "Failed Assertion: 4\n");
    EXPECT_NE(run.boxes[1].text.find(" objects : 5942"), std::string::npos);
}

} // namespace
