// The class registry: the image's classes built from its class table and joined to the
// runtime's built-in and plug-in classes.
#include "classes/classregistry.h"

#include "classes/classbuild.h"
#include "classes/interfacetables.h"
#include "classes/memberbinding.h"
#include "classes/plugininterfaces.h"
#include "image/classtable.h"
#include "image/imagedata.h"
#include "runtime/objects/builtinclassset.h"
#include "runtime/objects/classchain.h"

#include <vector>

namespace {

ClassDescriptor* applicationClass;

ClassDescriptor* findApplicationClass(const std::vector<ClassTableEntry>& entries, ClassDescriptor** classes)
{
    for (size_t i = entries.size(); i-- > 0;) {
        if (!entries[i].isReference && classDescendsFrom(classes[i], builtinClass(BuiltinClassId::Application)))
            return classes[i];
    }
    return builtinClass(BuiltinClassId::Application);
}

} // namespace

bool registryBuildClasses(const uint32_t* classTable, std::string& error)
{
    builtinClassesEnsure();
    std::vector<ClassTableEntry> entries;
    uint32_t address = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(classTable));
    if (!classTableRead(ImageData::linked(), address, entries, error) || !bindDeferredMembers(error))
        return false;
    pluginInterfacesPrepare(entries);
    ClassDescriptor** classes = classBuildFromTable(entries);
    classSetTable(classes, static_cast<int32_t>(entries.size()));
    pluginInterfacesBind(entries, classes);
    interfacesFinalise();
    applicationClass = findApplicationClass(entries, classes);
    return true;
}

ClassDescriptor* registryApplicationClass()
{
    return applicationClass ? applicationClass : builtinClass(BuiltinClassId::Application);
}
