// Raising through frames laid out as compiled application code: owned arguments and locals
// released, catch entries matched by class, handler sites passed over, uncaught reports,
// the uncaught EndException, and the stack check.
#include "image/imageloader.h"
#include "runtime/exceptions/exceptions.h"
#include "startup/runtimeexports.h"
#include "tests/support/codepages.h"
#include "tests/support/programrun.h"
#include "tests/support/testmain.h"

#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <string>

namespace {

// The fixture image, loaded once into this process, and its routines by name.
struct FrameFixture {
    std::map<std::string, uintptr_t> routines;
    ObjectHeader* unrelated = nullptr;

    FrameFixture()
    {
        ImageBlocks blocks{};
        std::string error;
        ImageEntry entry = nullptr;
        if (!imageReadExecutable("images\\exception_frames.bin", 0, blocks, error) ||
            !imagePrepare(blocks, runtimeExports(), entry, error))
            ADD_FAILURE() << error;
        std::ifstream map("images\\exception_frames.map");
        std::string block, offset, name;
        while (map >> block >> offset >> name) {
            if (block == "code")
                routines[name] = reinterpret_cast<uintptr_t>(blocks.code.bytes) + std::stoul(offset, nullptr, 16);
        }
        static ClassDescriptor* table[5];
        table[0] = exceptionClass(BuiltinException::Runtime);
        table[1] = exceptionClass(BuiltinException::NilObject);
        table[2] = exceptionClass(BuiltinException::OutOfBounds);
        table[3] = classCreateBuiltin("NotAnException", nullptr, plainObjectSize);
        table[4] = exceptionClass(BuiltinException::StackOverflow);
        classSetTable(table, 5);
    }

    template <typename Routine> Routine routine(const char* name)
    {
        EXPECT_TRUE(routines.count(name)) << name;
        return reinterpret_cast<Routine>(routines[name]);
    }
};

FrameFixture& fixture()
{
    static FrameFixture instance;
    return instance;
}

typedef ObjectHeader* (*OuterRoutine)(ObjectHeader*, StringRecord*, ObjectHeader*, StringRecord*, ObjectHeader*,
                                      StringRecord*, ObjectHeader*);

// What one call of an outer routine is given: each string and object with one count of the
// test's own and one that the routine's local or pending call holds.
struct Held {
    StringRecord *outerString, *middleString, *ownedString;
    ObjectHeader *outerObject, *middleObject, *ownedObject;

    Held()
    {
        fixture(); // makes the classes
        outerString = stringFromText("outer local");
        middleString = stringFromText("middle local");
        ownedString = stringFromText("owned argument");
        ClassDescriptor* plain = classFindBuiltinText("NotAnException");
        outerObject = objectInstantiate(plain);
        middleObject = objectInstantiate(plain);
        ownedObject = objectInstantiate(plain);
        for (StringRecord* s : {outerString, middleString, ownedString})
            RuntimeLockString(s);
        for (ObjectHeader* o : {outerObject, middleObject, ownedObject})
            RuntimeLockObject(o);
    }
    ObjectHeader* call(OuterRoutine routine, ObjectHeader* exception)
    {
        return routine(exception, outerString, outerObject, middleString, middleObject, ownedString, ownedObject);
    }
};

ObjectHeader* newException(BuiltinException kind)
{
    fixture(); // makes the classes, whichever test runs first
    return objectInstantiate(exceptionClass(kind));
}

TEST(Exceptions, ACatchTwoFramesUpReleasesWhatTheInnerFramesHeldAndGetsTheException)
{
    FrameFixture& f = fixture();
    Held held;
    ObjectRef exception(newException(BuiltinException::NilObject));
    ObjectHeader* caught = held.call(f.routine<OuterRoutine>("_catchRuntimeException"), exception.get());
    EXPECT_EQ(caught, exception.get()) << "the handler finds the exception in its slot";
    EXPECT_EQ(exception.get()->count, 2) << "the slot holds the raise's reference";
    RuntimeUnlockObject(caught);
    EXPECT_EQ(held.middleString->count, 1) << "the middle frame's locals are released";
    EXPECT_EQ(held.middleObject->count, 1);
    EXPECT_EQ(held.ownedString->count, 1) << "the owned arguments of the pending call are released";
    EXPECT_EQ(held.ownedObject->count, 1);
    EXPECT_EQ(held.outerString->count, 2) << "the catching frame keeps its locals";
    EXPECT_EQ(held.outerObject->count, 2);
}

TEST(Exceptions, AnEndExceptionNobodyCatchesComesBackAfterReleasingEveryFrame)
{
    FrameFixture& f = fixture();
    Held held;
    ObjectRef exception(newException(BuiltinException::End));
    ObjectHeader* result = held.call(f.routine<OuterRoutine>("_catchNilObjectException"), exception.get());
    EXPECT_EQ(result, nullptr) << "the outer routine returned normally";
    EXPECT_EQ(exception.get()->count, 1);
    EXPECT_EQ(held.middleString->count, 1);
    EXPECT_EQ(held.ownedObject->count, 1);
    EXPECT_EQ(held.outerString->count, 1) << "the outer frame was passed too";
}

TEST(Exceptions, ACallSiteInsideAHandlerPassesTheExceptionToTheCallers)
{
    typedef int (*Routine)(ObjectHeader*);
    ObjectRef exception(newException(BuiltinException::OutOfBounds));
    EXPECT_EQ(fixture().routine<Routine>("_aroundHandler")(exception.get()), 2);
    RuntimeUnlockObject(exception.get()); // the reference the caught slot held
}

// The units of a call-site table end where its jump lands: code after it is not read as units.
TEST(Exceptions, ACallSiteTableEndsWhereItsJumpLands)
{
    typedef int (*Routine)(ObjectHeader*, ObjectHeader*);
    ObjectRef exception(newException(BuiltinException::NilObject));
    ObjectRef argument(objectInstantiate(classFindBuiltinText("NotAnException")));
    EXPECT_EQ(fixture().routine<Routine>("_siteUnitsPastItsJump")(exception.get(), argument.get()), 1);
    EXPECT_EQ(argument.get()->count, 1) << "the argument is not released";
    RuntimeUnlockObject(exception.get()); // the reference the caught slot held
}

TEST(Exceptions, TheStackCheckRaisesAtTheRoutineThatCrossesTheLimit)
{
    typedef int (*Routine)();
    stackCheckSetLimitFromHere();
    int depth = fixture().routine<Routine>("_catchStackOverflow")();
    // Each level of the recursion takes 20 bytes of the 0xE0000 allowed.
    EXPECT_GT(depth, 0xE0000 / 20 - 200);
    EXPECT_LT(depth, 0xE0000 / 20 + 10);
}

CHILD_SCENARIO(uncaughtOutOfBounds)
{
    std::string text = ansiFromUtf8("クラス%1の例外は取り扱われませんでした。\rアプリケーションを終了します。");
    static StringRecord* messages[uncaughtExceptionMessage + 1];
    messages[uncaughtExceptionMessage] = stringFromView(text);
    exceptionSetMessages(messages, uncaughtExceptionMessage + 1);
    Held held;
    held.call(fixture().routine<OuterRoutine>("_catchNilObjectException"), newException(BuiltinException::OutOfBounds));
    return 9; // not reached: an uncaught exception ends the process
}

CHILD_SCENARIO(uncaughtWithoutMessage)
{
    Held held;
    held.call(fixture().routine<OuterRoutine>("_catchUnrelatedClass"), newException(BuiltinException::NilObject));
    return 9;
}

// A frame that links to itself or below itself ends the walk: the catch of the routine that
// called it is never reached.
int raiseUnderMisleadingLink(const char* routine)
{
    typedef int (*Routine)(ObjectHeader*);
    fixture().routine<Routine>(routine)(newException(BuiltinException::NilObject));
    return 9;
}

CHILD_SCENARIO(frameLinkedToItself)
{
    return raiseUnderMisleadingLink("_catchAroundSelfLink");
}

CHILD_SCENARIO(frameLinkedBelowItself)
{
    return raiseUnderMisleadingLink("_catchAroundLinkBelow");
}

CHILD_SCENARIO(failedCast)
{
    fixture();
    ObjectHeader* plain = objectInstantiate(classFindBuiltinText("NotAnException"));
    if (RuntimeCheckCast(nullptr, 0) != nullptr || RuntimeCheckCast(plain, 3) != classAt(3))
        return 8; // Nil and a matching class pass
    RuntimeCheckCast(plain, 0);
    return 9;
}

CHILD_SCENARIO(nilObject)
{
    RuntimeNilObject();
    return 9;
}

TEST(Exceptions, AnUncaughtExceptionIsReportedByClassAndEndsTheProcess)
{
    struct Case {
        const char* scenario;
        const char* report;
    } cases[] = {
        {"uncaughtOutOfBounds",
         "クラスOutOfBoundsExceptionの例外は取り扱われませんでした。\rアプリケーションを終了します。"},
        {"uncaughtWithoutMessage",
         "An exception of class NilObjectException was not handled.\rThe application will now quit."},
        {"failedCast", "An exception of class IllegalCastException was not handled.\rThe application will now quit."},
        {"nilObject", "An exception of class NilObjectException was not handled.\rThe application will now quit."},
        {"frameLinkedToItself",
         "An exception of class NilObjectException was not handled.\rThe application will now quit."},
        {"frameLinkedBelowItself",
         "An exception of class NilObjectException was not handled.\rThe application will now quit."},
    };
    for (const Case& c : cases) {
        ProgramRun run = runProgram(childCommandLine(c.scenario));
        ASSERT_FALSE(run.timedOut) << c.scenario;
        EXPECT_EQ(run.exitCode, 0u) << c.scenario;
        ASSERT_EQ(run.boxes.size(), 1u) << c.scenario;
        EXPECT_EQ(run.boxes[0].text, c.report);
    }
}

} // namespace
