// The properties, methods and events of a plug-in control, declared on its class.
#include "plugins/controlmembers.h"

#include "plugins/memberdeclaration.h"
#include "runtime/objects/builtinclassset.h"
#include "runtime/objects/objectfields.h"
#include "runtime/strings/identifier.h"

namespace {

void* const directAccess = reinterpret_cast<void*>(-1);

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

void declareProperty(ClassDescriptor* cls, const ControlPropertyRecord& record, std::vector<std::string>& problems)
{
    const TypeAccess* access = typeNamed(record.type);
    if (!record.name || !access) {
        problems.push_back(std::string("Invalid property type: ") + (record.type ? record.type : "(none)"));
        return;
    }
    bool direct = record.getter == directAccess || record.setter == directAccess;
    int32_t parameter = direct ? int32_t(controlDataOffset) + record.parameter : record.parameter;
    void* getter = record.getter == directAccess ? access->getter : record.getter;
    void* setter = record.setter == directAccess ? access->setter : record.setter;
    classDeclareProperty(cls, record.name, getter, setter, parameter, access->type);
}

// Version 1 records name their routines by index into the plug-in's own export table.
void* methodRoutine(void* routine, int32_t version, void** pluginExports)
{
    if (version != 1 || !routine)
        return routine;
    return pluginExports ? pluginExports[reinterpret_cast<uintptr_t>(routine)] : nullptr;
}

void declareMethod(ClassDescriptor* cls, const ControlMethodRecord& record, int32_t version, void** pluginExports,
                   std::vector<std::string>& problems)
{
    MemberDeclaration declaration;
    std::string error;
    if (!memberDeclarationParse(record.declaration ? record.declaration : "", declaration, error)) {
        problems.push_back(error);
        return;
    }
    MethodEntry* method =
        classDeclareMethod(cls, declaration.name.c_str(), methodRoutine(record.routine, version, pluginExports));
    method->secondEntry = methodRoutine(record.assignRoutine, version, pluginExports);
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

void controlMembersDeclare(ClassDescriptor* cls, ControlDescriptor* descriptor, void** pluginExports,
                           std::vector<std::string>& problems)
{
    for (uint32_t index = 0; descriptor->properties && index < descriptor->propertyCount; ++index)
        declareProperty(cls, descriptor->properties[index], problems);
    for (uint32_t index = 0; descriptor->methods && index < descriptor->methodCount; ++index)
        declareMethod(cls, descriptor->methods[index], descriptor->version, pluginExports, problems);
    for (uint32_t index = 0; descriptor->events && index < descriptor->eventCount; ++index)
        declareEvent(cls, descriptor->events[index], problems);
}
