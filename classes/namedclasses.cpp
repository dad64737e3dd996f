// Classes the image can name: the built-in ones and those that plug-ins register, and the
// global methods of plug-ins.
#include "classes/namedclasses.h"

#include "runtime/objects/builtinclassset.h"
#include "runtime/strings/identifier.h"

#include <string>
#include <vector>

namespace {

struct GlobalMethod {
    std::string name;
    void* code;
    void* secondEntry;
};

std::vector<ClassDescriptor*> pluginClasses, pluginControls;
std::vector<GlobalMethod> globalMethods;

ClassDescriptor* findIn(const std::vector<ClassDescriptor*>& list, std::string_view name)
{
    for (ClassDescriptor* cls : list) {
        if (identifierEquals(cls->name, name))
            return cls;
    }
    return nullptr;
}

} // namespace

void pluginClassAdd(ClassDescriptor* cls)
{
    pluginClasses.push_back(cls);
}

void pluginControlAdd(ClassDescriptor* cls)
{
    pluginControls.push_back(cls);
}

void pluginGlobalMethodAdd(const char* name, void* code, void* secondEntry)
{
    globalMethods.push_back({name, code, secondEntry});
}

ClassDescriptor* pluginClassFind(std::string_view name)
{
    return findIn(pluginClasses, name);
}

ClassDescriptor* pluginControlFind(std::string_view name)
{
    return findIn(pluginControls, name);
}

void* pluginGlobalMethodFind(std::string_view name, bool second)
{
    for (const GlobalMethod& method : globalMethods) {
        if (identifierEquals(method.name, name))
            return second ? method.secondEntry : method.code;
    }
    return nullptr;
}

ClassDescriptor* classFindByName(std::string_view name)
{
    builtinClassesEnsure();
    if (name.empty())
        return nullptr;
    if (ClassDescriptor* cls = classFindBuiltinText(name))
        return cls;
    if (ClassDescriptor* cls = pluginClassFind(name))
        return cls;
    return pluginControlFind(name);
}
