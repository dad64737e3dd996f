// Binding the member imports the linker deferred, once the runtime's classes exist.
#include "classes/memberbinding.h"

#include "base/assertion.h"
#include "classes/namedclasses.h"
#include "image/imagefault.h"
#include "image/linker.h"
#include "image/linkrecords.h"
#include "runtime/exceptions/exceptions.h"
#include "runtime/objects/builtinclassset.h"
#include "runtime/objects/classchain.h"

#include <cstring>
#include <string_view>
#include <utility>

namespace {

struct MemberName {
    char letter;
    std::string_view className; // empty for a global plug-in method
    std::string_view member;
};

MemberName splitName(std::string_view name)
{
    MemberName split = {name.empty() ? '\0' : name[0], {}, name.empty() ? name : name.substr(1)};
    size_t dot = split.member.find('.');
    if (dot != std::string_view::npos) {
        split.className = split.member.substr(0, dot);
        split.member = split.member.substr(dot + 1);
    }
    return split;
}

// Where the calls of a member of a missing class go: they fail as a call through Nil would.
void callOfMissingClassMember()
{
    raiseBuiltinException(BuiltinException::NilObject);
}

// "The application could not be loaded because " + the problem, in which "%class" and
// "%member" stand for the names (each occurs once).
std::string cannotLoad(const MemberName& name, const char* problem)
{
    std::string className(name.className), member(name.member);
    std::string text = "The application could not be loaded because " + std::string(problem) + ".";
    for (auto [mark, value] : {std::pair{"%class", &className}, std::pair{"%member", &member}})
        text.replace(text.find(mark), strlen(mark), *value);
    return text;
}

const char* methodProblem(const MethodEntry* method)
{
    return method ? "the method %member of the class %class has no second entry"
                  : "the class %class has no method %member";
}

const char* propertyProblem(const PropertyDeclaration* property, char letter)
{
    if (!property)
        return "the class %class has no property %member";
    return letter == 'G' ? "the property %member of the class %class cannot be read"
                         : "the property %member of the class %class cannot be written";
}

bool classMember(ClassDescriptor* cls, const MemberName& name, void*& address, std::string& error)
{
    if (name.letter == 'M' || name.letter == 'W') {
        MethodEntry* method = classFindMethod(cls, name.member);
        address = !method ? nullptr : name.letter == 'M' ? method->code : method->secondEntry;
        if (!address)
            error = cannotLoad(name, methodProblem(method));
        return address != nullptr;
    }
    PropertyDeclaration* property = classFindProperty(cls, name.member);
    address = !property ? nullptr : name.letter == 'G' ? property->getter : property->setter;
    if (!address)
        error = cannotLoad(name, propertyProblem(property, name.letter));
    return address != nullptr;
}

bool globalMethod(const MemberName& name, void*& address, std::string& error)
{
    address = pluginGlobalMethodFind(name.member, name.letter != 'M');
    if (!address)
        error = formatText("The application could not be loaded because it calls the plug-in method %.*s, "
                           "which no plug-in provides.",
                           int(name.member.size()), name.member.data());
    return address != nullptr;
}

bool resolve(const std::string& text, void*& address, std::string& error)
{
    MemberName name = splitName(text);
    if (text.find('.') == std::string::npos)
        return globalMethod(name, address, error);
    if (std::string_view("MWGS").find(name.letter) == std::string_view::npos) {
        error = imageDamaged(formatText("the member import !%s names no kind of member", text.c_str()));
        return false;
    }
    ClassDescriptor* cls = classFindByName(name.className);
    if (!cls) {
        assertFailed(assertCategoryData, assertNotFound, "", 0);
        address = reinterpret_cast<void*>(callOfMissingClassMember);
        return true;
    }
    return classMember(cls, name, address, error);
}

} // namespace

bool bindDeferredMembers(std::string& error)
{
    builtinClassesEnsure();
    std::vector<DeferredMember>& members = linkDeferredMembers();
    for (const DeferredMember& member : members) {
        void* address = nullptr;
        if (!resolve(member.name, address, error))
            return false;
        patchCallChain(member.code, member.firstSite, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(address)));
    }
    members.clear();
    return true;
}
