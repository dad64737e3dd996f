// The properties, methods and events of a plug-in's class, declared on it.
#include "plugins/controlmembers.h"

#include "plugins/memberdeclaration.h"
#include "runtime/objects/builtinclassset.h"
#include "runtime/objects/objectfields.h"
#include "runtime/strings/identifier.h"

namespace {

struct TypeAccess {
    const char* name;
    PropertyType type;
    void* getter; // for a field read directly; null: the type has no direct form
    void* setter;
};

const TypeAccess typeAccess[] = {
    {"String", propertyString, accessor(stringGetter), accessor(stringSetter)},
    {"Integer", propertyInteger, accessor(integerFieldGetter), accessor(integerFieldSetter)},
    {"Color", propertyColor, accessor(integerFieldGetter), accessor(integerFieldSetter)},
    {"Boolean", propertyBoolean, accessor(booleanFieldGetter), accessor(booleanFieldSetter)},
    {"Picture", propertyInteger, nullptr, nullptr},
    {"Single", propertySingle, nullptr, nullptr},
    {"Double", propertyDouble, nullptr, nullptr},
};

const TypeAccess* typeNamed(const char* name)
{
    for (const TypeAccess& access : typeAccess) {
        if (name && identifierEquals(name, access.name))
            return &access;
    }
    return nullptr;
}

void declareProperty(ClassDescriptor* cls, const ControlPropertyRecord& record, uint32_t dataOffset,
                     std::vector<std::string>& problems)
{
    const TypeAccess* access = typeNamed(record.type);
    if (!record.name || !access) {
        problems.push_back(std::string("Invalid property type: ") + (record.type ? record.type : "(none)"));
        return;
    }
    bool direct = record.getter == propertyFieldDirect || record.setter == propertyFieldDirect;
    int32_t parameter = direct ? int32_t(dataOffset) + record.parameter : record.parameter;
    void* getter = record.getter == propertyFieldDirect ? access->getter : record.getter;
    void* setter = record.setter == propertyFieldDirect ? access->setter : record.setter;
    classDeclareProperty(cls, record.name, getter, setter, parameter, access->type);
}

void declareMethod(ClassDescriptor* cls, const ControlMethodRecord& record, const MemberContext& context,
                   std::vector<std::string>& problems)
{
    MemberDeclaration declaration;
    std::string error;
    if (!memberDeclarationParse(record.declaration ? record.declaration : "", declaration, error)) {
        problems.push_back(error);
        return;
    }
    MethodEntry* method = classDeclareMethod(cls, declaration.name.c_str(), pluginRoutine(record.routine, context));
    method->secondEntry = pluginRoutine(record.assignRoutine, context);
}

// The event's identifying word is its declaration, which leads back to its handler.
void declareEvent(ClassDescriptor* cls, ControlEventRecord& record, std::vector<std::string>& problems)
{
    MemberDeclaration declaration;
    std::string error;
    if (!memberDeclarationParse(record.declaration ? record.declaration : "", declaration, error)) {
        problems.push_back(error);
        return;
    }
    const char* parameters = declaration.parameters.empty() ? nullptr : declaration.parameters.c_str();
    EventDeclaration* event = classDeclareEvent(cls, declaration.name.c_str(), parameters);
    record.key = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(event));
}

} // namespace

// Version 1 names routines by index into the plug-in's own export table.
void* pluginRoutine(void* routine, const MemberContext& context)
{
    if (context.version != 1 || !routine)
        return routine;
    return context.pluginExports ? context.pluginExports[reinterpret_cast<uintptr_t>(routine)] : nullptr;
}

void pluginMembersDeclare(ClassDescriptor* cls, const PluginMembers& members, const MemberContext& context,
                          std::vector<std::string>& problems)
{
    for (uint32_t index = 0; members.properties && index < members.propertyCount; ++index)
        declareProperty(cls, members.properties[index], context.dataOffset, problems);
    for (uint32_t index = 0; members.methods && index < members.methodCount; ++index)
        declareMethod(cls, members.methods[index], context, problems);
    for (uint32_t index = 0; members.events && index < members.eventCount; ++index)
        declareEvent(cls, members.events[index], problems);
}
