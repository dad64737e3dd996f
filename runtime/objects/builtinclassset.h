// The runtime's built-in classes, made once from the table of built-in classes, and the
// declarations of their events and properties.
#pragma once

#include "runtime/objects/classdescriptor.h"

#include <cstdint>
#include <initializer_list>
#include <string_view>

enum class BuiltinClassId {
#define BUILTIN_CLASS(name, superclass, size, alternateName) name,
#include "runtime/objects/builtinclasses.def"
#undef BUILTIN_CLASS
    count
};

// Makes every built-in class (once), enters it in the built-in name map and declares its
// events and properties.
void builtinClassesEnsure();
ClassDescriptor* builtinClass(BuiltinClassId id);

// A layer above the object runtime gives a built-in class its behaviour (a destructor, say)
// through a set-up registered beside the class's own code during static initialisation: it
// runs when the classes are made, or at once if they already are. One set-up per class.
using BuiltinClassSetUp = void (*)(ClassDescriptor* cls);
void builtinClassOnSetUp(BuiltinClassId id, BuiltinClassSetUp setUp);

// How a template text becomes the value of a property; a Class property carries its class
// and takes a project item number.
enum class PropertyKind : int32_t { String = 1, Integer, Color, Boolean, Single, Double, Class };

struct PropertyType {
    PropertyKind kind;
    ClassDescriptor* valueClass; // Class only
};

constexpr PropertyType propertyString{PropertyKind::String, nullptr};
constexpr PropertyType propertyInteger{PropertyKind::Integer, nullptr};
constexpr PropertyType propertyColor{PropertyKind::Color, nullptr};
constexpr PropertyType propertyBoolean{PropertyKind::Boolean, nullptr};
constexpr PropertyType propertySingle{PropertyKind::Single, nullptr};
constexpr PropertyType propertyDouble{PropertyKind::Double, nullptr};
inline PropertyType propertyOfClass(ClassDescriptor* cls)
{
    return {PropertyKind::Class, cls};
}

// Declarations keep their order. `parameters` is the rest of the declaration after the name,
// "(X As Integer, Y As Integer) As Boolean" or null for none. A null getter or setter makes
// the property write-only or read-only.
EventDeclaration* classDeclareEvent(ClassDescriptor* cls, const char* name, const char* parameters);
PropertyDeclaration* classDeclareProperty(ClassDescriptor* cls, const char* name, void* getter, void* setter,
                                          int32_t parameter, PropertyType type);
// Appends a method to the class's list; an interface's methods have no code.
MethodEntry* classDeclareMethod(ClassDescriptor* cls, const char* name, void* code);

// One row of a class's table of properties, as classDeclareProperty takes it.
struct PropertyRow {
    const char* name;
    void* getter;
    void* setter;
    int32_t parameter;
    PropertyType type;
};

// Declares a class's table of properties, row by row in its order (a property found by name
// is the first of that name up the class chain, so the order is part of the class).
void classDeclareProperties(ClassDescriptor* cls, std::initializer_list<PropertyRow> rows);

// An accessor routine as a property row takes it.
template <typename Routine> void* accessor(Routine routine)
{
    return reinterpret_cast<void*>(routine);
}

// The type a declaration was made with (its `type` word holds the kind).
PropertyType propertyTypeOf(const PropertyDeclaration* declaration);

// The declaration of the property with that name nearest up the class chain from `cls`
// (compared without regard to case); null if none.
PropertyDeclaration* classFindProperty(ClassDescriptor* cls, std::string_view name);
