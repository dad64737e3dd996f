// Interfaces that plug-in classes implement with routine tables of their own. Plug-ins register
// before the image's classes exist, so each interface is kept until they are built and is then
// bound to the interface class of its name.
#include "classes/plugininterfaces.h"

#include "classes/namedclasses.h"
#include "runtime/objects/object.h"
#include "runtime/strings/identifier.h"

#include <windows.h>

#include <cctype>
#include <cstring>

namespace {

// A plug-in class's interface waiting for the image's classes. Its table is already laid out
// as the lookups read it: entry 0 empty, entry n the plug-in's routine n.
struct KeptInterface {
    ClassDescriptor* cls;
    std::string name;
    void** table;
    int32_t length;
};

std::vector<KeptInterface> kept;

constexpr size_t longestName = 255;

std::string refusal(const ClassDescriptor* cls, const std::string& why)
{
    return "plug-in control " + std::string(stringText(cls->name)) + ": " + why + "; its interface is skipped";
}

bool isIdentifier(std::string_view name)
{
    if (name.empty() || isdigit(static_cast<unsigned char>(name[0])))
        return false;
    for (char c : name) {
        if (!isalnum(static_cast<unsigned char>(c)) && c != '_')
            return false;
    }
    return true;
}

// Why the interface cannot be kept; empty when it can. The name is read no further than one
// byte past the longest allowed, so a name without its terminator stops there.
std::string whyRefused(const char* name, void* const* routines, uint32_t count)
{
    if (!name)
        return "its interface has no name";
    std::string text(name, strnlen(name, longestName + 1));
    if (text.size() > longestName)
        return "its interface's name is longer than " + std::to_string(longestName) + " bytes";
    if (!isIdentifier(text))
        return "its interface's name \"" + text + "\" is not an identifier";
    std::string routineCount = std::to_string(count) + " routines";
    if (count > pluginInterfaceMostRoutines)
        return "interface " + text + " has " + routineCount + ", more than " +
               std::to_string(pluginInterfaceMostRoutines);
    if (!routines && count > 0)
        return "interface " + text + " has " + routineCount + " but no table";
    return {};
}

void** copyTable(void* const* routines, uint32_t count)
{
    auto** table = static_cast<void**>(taggedAllocate((count + 1) * sizeof(void*)));
    table[0] = nullptr;
    for (uint32_t n = 1; n <= count; ++n)
        table[n] = routines[n - 1];
    return table;
}

bool imageDefines(const std::vector<ClassTableEntry>& entries, std::string_view name, size_t& index)
{
    for (index = 0; index < entries.size(); ++index) {
        if (!entries[index].isReference && identifierEquals(entries[index].name, name))
            return true;
    }
    return false;
}

ClassDescriptor* knownOrMade(std::string_view name)
{
    if (ClassDescriptor* cls = classFindByName(name))
        return cls;
    ClassDescriptor* interface = classCreate();
    interface->name = stringFromView(name);
    interface->isInterface = 1;
    pluginClassAdd(interface);
    return interface;
}

void attach(const KeptInterface& interface, ClassDescriptor* target)
{
    auto* entry = static_cast<InterfaceEntry*>(taggedAllocate(sizeof(InterfaceEntry)));
    *entry = {interface.cls->interfaces, target, interface.table, interface.length, 1};
    interface.cls->interfaces = entry;
}

} // namespace

bool pluginInterfaceDeclare(ClassDescriptor* cls, const char* name, void* const* routines, uint32_t count,
                            std::string& problem)
{
    if (!name && !routines && count == 0)
        return true;
    std::string why = whyRefused(name, routines, count);
    if (!why.empty()) {
        problem = refusal(cls, why);
        return false;
    }
    kept.push_back({cls, name, copyTable(routines, count), static_cast<int32_t>(count + 1)});
    return true;
}

void pluginInterfacesPrepare(const std::vector<ClassTableEntry>& entries)
{
    size_t index;
    for (const KeptInterface& interface : kept) {
        if (!imageDefines(entries, interface.name, index))
            knownOrMade(interface.name);
    }
}

void pluginInterfacesBind(const std::vector<ClassTableEntry>& entries, ClassDescriptor** classes)
{
    size_t index;
    for (const KeptInterface& interface : kept) {
        bool defined = imageDefines(entries, interface.name, index);
        ClassDescriptor* target = defined ? classes[index] : knownOrMade(interface.name);
        if (target->isInterface)
            attach(interface, target);
        else
            OutputDebugStringA(
                (refusal(interface.cls, interface.name + " is a class, not an interface") + "\n").c_str());
    }
    kept.clear();
}
