// Walks up the class chain: the method a name finds, and the event lookups the chain remembers,
// which must follow every change to the classes.
#include "runtime/objects/builtinclassset.h"
#include "runtime/objects/classchain.h"

#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace {

int runCode, bindCode, leafCode, middleCode, longCode;

void* codeOf(int& marker)
{
    return &marker;
}

ClassDescriptor* subclassOf(ClassDescriptor* superclass)
{
    ClassDescriptor* cls = classCreate();
    cls->superclass = superclass;
    return cls;
}

MethodEntry* newMethod(ClassDescriptor* cls, const char* name, void* code)
{
    auto* method = static_cast<MethodEntry*>(taggedAllocate(sizeof(MethodEntry)));
    *method = {cls->methods, stringFromText(name), code, nullptr, 0};
    cls->methods = method;
    return method;
}

// The nearest method of the name wins even when it has no code: the template bindings once
// looked past such a method for a "bind" further up, where every other lookup stopped.
TEST(ClassChain, TheNearestMethodOfTheNameWins)
{
    ClassDescriptor* base = subclassOf(nullptr);
    ClassDescriptor* middle = subclassOf(base);
    ClassDescriptor* leaf = subclassOf(middle);
    MethodEntry* run = newMethod(base, "Run", codeOf(runCode));
    newMethod(base, "Bind", codeOf(bindCode));
    MethodEntry* bindWithoutCode = newMethod(middle, "bind", nullptr);
    const struct {
        const char* what;
        ClassDescriptor* cls;
        const char* name;
        MethodEntry* found;
    } cases[] = {
        {"a superclass's method", leaf, "Run", run},
        {"names compare without regard to case", leaf, "rUN", run},
        {"a nearer method without code hides one with code", leaf, "BIND", bindWithoutCode},
        {"a name no class has", leaf, "Walk", nullptr},
        {"a prefix of a name is not the name", leaf, "Ru", nullptr},
        {"no class", nullptr, "Run", nullptr},
    };
    for (const auto& c : cases)
        EXPECT_EQ(classFindMethod(c.cls, c.name), c.found) << c.what;
}

// Root declares Ping; middle and leaf below it, and an object of the leaf.
struct PingClasses {
    ClassDescriptor* root = subclassOf(nullptr);
    ClassDescriptor* middle = subclassOf(root);
    ClassDescriptor* leaf = subclassOf(middle);
    ObjectRef object{objectInstantiate(leaf)};

    PingClasses() { classDeclareEvent(root, "Ping", nullptr); }
};

// Each step changes the classes after the answer before it was remembered; the answer after it
// must be the walk's, asked twice (the walk, then the remembered answer).
TEST(ClassChain, RememberedEventLookupsFollowEveryChangeOfTheClasses)
{
    PingClasses classes;
    const struct {
        const char* what;
        std::function<void()> change;
        void* code;
        bool inOwnClass;
    } steps[] = {
        {"no handler yet", [] {}, nullptr, false},
        {"a handler added to the object's class", [&] { classAddEventHandler(classes.leaf, "Ping", codeOf(leafCode)); },
         codeOf(leafCode), true},
        {"a handler added nearer the declaring class",
         [&] { classAddEventHandler(classes.middle, "PING", codeOf(middleCode)); }, codeOf(middleCode), false},
        {"a declaration of the name in the middle ends the walk there",
         [&] { classDeclareEvent(classes.middle, "ping", nullptr); }, codeOf(leafCode), true},
        {"the declaring classes taken out of the chain by hand, then announced",
         [&] {
             classes.leaf->superclass = nullptr;
             classChainChanged();
         },
         nullptr, false},
        {"joined to the root by hand, then announced",
         [&] {
             classes.leaf->superclass = classes.root;
             classChainChanged();
         },
         codeOf(leafCode), true},
    };
    for (const auto& step : steps) {
        classFindEventHandlerNamed(classes.object.get(), "Ping");
        step.change();
        for (int ask = 0; ask < 2; ++ask) {
            FoundHandler found = classFindEventHandlerNamed(classes.object.get(), "Ping");
            EXPECT_EQ(found.code, step.code) << step.what << ", ask " << ask;
            EXPECT_EQ(found.inOwnClass, step.inOwnClass) << step.what << ", ask " << ask;
        }
    }
}

// An answer belongs to the name's text: a buffer that now holds another name, or a name too
// long to remember, is walked for.
TEST(ClassChain, RememberedEventLookupsAreForTheNamesText)
{
    PingClasses classes;
    const std::string longName = "AnEventWithANameTooLongToRemember";
    classDeclareEvent(classes.root, longName.c_str(), nullptr);
    classDeclareEvent(classes.root, "Pong", nullptr);
    classAddEventHandler(classes.leaf, "Ping", codeOf(leafCode));
    classAddEventHandler(classes.leaf, longName, codeOf(longCode));

    char name[] = "Ping";
    EXPECT_EQ(classFindEventHandlerNamed(classes.object.get(), name).code, codeOf(leafCode));
    memcpy(name, "Pong", sizeof name);
    EXPECT_EQ(classFindEventHandlerNamed(classes.object.get(), name).code, nullptr) << "the same address, another name";
    memcpy(name, "PING", sizeof name);
    EXPECT_EQ(classFindEventHandlerNamed(classes.object.get(), name).code, codeOf(leafCode));
    for (int ask = 0; ask < 2; ++ask)
        EXPECT_EQ(classFindEventHandlerNamed(classes.object.get(), longName).code, codeOf(longCode)) << "ask " << ask;
}

} // namespace
