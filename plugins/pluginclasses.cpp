// Non-visual classes and global methods that plug-ins register, and the registration routines
// of the interface that this runtime accepts without use.
#include "plugins/pluginclasses.h"

#include "classes/namedclasses.h"
#include "plugins/controlmembers.h"
#include "plugins/instancehooks.h"
#include "plugins/memberdeclaration.h"
#include "plugins/pluginrecord.h"
#include "plugins/pluginreport.h"

#include <string>
#include <vector>

namespace {

int32_t currentVersion()
{
    PluginRecord* plugin = pluginCurrent();
    return plugin ? plugin->version : 1;
}

void** currentExports()
{
    PluginRecord* plugin = pluginCurrent();
    return plugin ? plugin->exports : nullptr;
}

void addGlobalMethod(const char* text, void* routine, void* assignRoutine)
{
    MemberDeclaration declaration;
    std::string error;
    if (!memberDeclarationParse(text ? text : "", declaration, error))
        pluginReport({error});
    else
        pluginGlobalMethodAdd(declaration.name.c_str(), routine, assignRoutine);
}

} // namespace

extern "C" void PluginRegisterClass(PluginClassDefinition* definition)
{
    if (!definition || !definition->name || currentVersion() < 3 || classFindByName(definition->name))
        return;
    ClassDescriptor* cls = classCreate();
    cls->name = stringFromText(definition->name);
    cls->instanceSize = plainObjectSize + definition->dataSize;
    pluginInstanceHooksSet(cls, definition->constructor, definition->destructor);
    std::vector<std::string> problems;
    pluginMembersDeclare(cls, definition->members, {plainObjectSize, currentVersion(), currentExports()}, problems);
    pluginReport(problems);
    pluginClassAdd(cls);
}

extern "C" void PluginRegisterMethod(void* definition)
{
    int32_t version = currentVersion();
    if (!definition || version == 2 || version < 1)
        return;
    if (version == 1) {
        auto* method = static_cast<PluginIndexedMethod*>(definition);
        void** exports = currentExports();
        addGlobalMethod(method->declaration, exports ? exports[method->exportIndex] : nullptr, nullptr);
        return;
    }
    auto* method = static_cast<ControlMethodRecord*>(definition);
    addGlobalMethod(method->declaration, method->routine, method->assignRoutine);
}

// Databases, data sources and extensions of built-in classes are not part of this runtime: a
// plug-in that offers them still installs, without them.
extern "C" void PluginRegisterClassExtension(void*)
{}
extern "C" void PluginRegisterDBEngine(void*)
{}
extern "C" void PluginRegisterDBTable(void*)
{}
extern "C" void PluginRegisterDBCursor(void*)
{}
extern "C" void RegisterDataSource(void*)
{}
extern "C" void RegisterDataSourceInterface(void*)
{}
