// The runtime's built-in classes, made once from the table of built-in classes, and the
// declarations of their events and properties.
#include "runtime/objects/builtinclassset.h"

#include "runtime/objects/builtindeclarations.h"
#include "runtime/objects/classchain.h"
#include "runtime/objects/object.h"

namespace {

struct BuiltinClassRow {
    std::string_view name;
    std::string_view superclass; // "none" for a root class
    uint32_t instanceSize;
    const char* alternateName; // "" for none
};

constexpr BuiltinClassRow classRows[] = {
#define BUILTIN_CLASS(name, superclass, size, alternateName) {#name, #superclass, size, alternateName},
#include "runtime/objects/builtinclasses.def"
#undef BUILTIN_CLASS
};

constexpr int classIndex(std::string_view name)
{
    for (int i = 0; i < static_cast<int>(BuiltinClassId::count); ++i) {
        if (classRows[i].name == name)
            return i;
    }
    return -1;
}

// Each class is made after its superclass, so the table must list superclasses first.
constexpr bool superclassesComeFirst()
{
    for (int i = 0; i < static_cast<int>(BuiltinClassId::count); ++i) {
        int super = classIndex(classRows[i].superclass);
        if (classRows[i].superclass != "none" && (super < 0 || super >= i))
            return false;
    }
    return true;
}
static_assert(superclassesComeFirst(), "the table of built-in classes names a superclass after its subclass");

ClassDescriptor* classes[static_cast<int>(BuiltinClassId::count)];
bool classesMade = false;
// Constant-initialised, so that set-ups registered during static initialisation are kept.
BuiltinClassSetUp laterSetUps[static_cast<int>(BuiltinClassId::count)];

// A declaration of a Class property: the class its values take.
struct TypedPropertyDeclaration {
    PropertyDeclaration declaration;
    ClassDescriptor* valueClass;
};

void makeClasses()
{
    for (int i = 0; i < static_cast<int>(BuiltinClassId::count); ++i) {
        const BuiltinClassRow& row = classRows[i];
        int super = classIndex(row.superclass);
        classes[i] = classCreateBuiltin(row.name, super < 0 ? nullptr : classes[super], row.instanceSize,
                                        *row.alternateName ? row.alternateName : nullptr);
    }
}

template <typename Declaration> void appendDeclaration(Declaration*& list, Declaration* declaration)
{
    Declaration** tail = &list;
    while (*tail)
        tail = &(*tail)->next;
    *tail = declaration;
}

} // namespace

void builtinClassesEnsure()
{
    if (classesMade)
        return;
    classesMade = true;
    makeClasses();
    builtinDeclareEvents();
    builtinDeclareDateProperties();
    builtinDeclareBinderInterface();
    for (int i = 0; i < static_cast<int>(BuiltinClassId::count); ++i) {
        if (laterSetUps[i])
            laterSetUps[i](classes[i]);
    }
}

void builtinClassOnSetUp(BuiltinClassId id, BuiltinClassSetUp setUp)
{
    laterSetUps[static_cast<int>(id)] = setUp;
    if (classesMade)
        setUp(classes[static_cast<int>(id)]);
}

ClassDescriptor* builtinClass(BuiltinClassId id)
{
    builtinClassesEnsure();
    return classes[static_cast<int>(id)];
}

EventDeclaration* classDeclareEvent(ClassDescriptor* cls, const char* name, const char* parameters)
{
    auto* event = static_cast<EventDeclaration*>(taggedAllocate(sizeof(EventDeclaration)));
    event->next = nullptr;
    event->name = stringFromText(name);
    event->parameters = parameters ? stringFromText(parameters) : nullptr;
    appendDeclaration(cls->events, event);
    classChainChanged();
    return event;
}

PropertyDeclaration* classDeclareProperty(ClassDescriptor* cls, const char* name, void* getter, void* setter,
                                          int32_t parameter, PropertyType type)
{
    auto* typed = static_cast<TypedPropertyDeclaration*>(taggedAllocate(sizeof(TypedPropertyDeclaration)));
    PropertyDeclaration* property = &typed->declaration;
    *property = {nullptr, stringFromText(name), getter, setter, parameter, static_cast<int32_t>(type.kind)};
    typed->valueClass = type.valueClass;
    appendDeclaration(cls->properties, property);
    return property;
}

MethodEntry* classDeclareMethod(ClassDescriptor* cls, const char* name, void* code)
{
    auto* method = static_cast<MethodEntry*>(taggedAllocate(sizeof(MethodEntry)));
    *method = {nullptr, stringFromText(name), code, nullptr, 0};
    appendDeclaration(cls->methods, method);
    return method;
}

void classDeclareProperties(ClassDescriptor* cls, std::initializer_list<PropertyRow> rows)
{
    for (const PropertyRow& row : rows)
        classDeclareProperty(cls, row.name, row.getter, row.setter, row.parameter, row.type);
}

// Every declaration is made by classDeclareProperty, so each is a typed one.
PropertyType propertyTypeOf(const PropertyDeclaration* declaration)
{
    const auto* typed = reinterpret_cast<const TypedPropertyDeclaration*>(declaration);
    return {static_cast<PropertyKind>(declaration->type), typed->valueClass};
}

PropertyDeclaration* classFindProperty(ClassDescriptor* cls, std::string_view name)
{
    return classFindNamed(cls, &ClassDescriptor::properties, name);
}
