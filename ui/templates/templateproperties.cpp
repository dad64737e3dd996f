// Applying a template's property texts: the key names a declared property of the object's
// class chain, and the value text is converted by the property's declared type.
#include "ui/templates/templateproperties.h"

#include "project/projectitems.h"
#include "runtime/objects/builtinclassset.h"
#include "runtime/strings/identifier.h"

namespace {

ObjectHeader* (*projectObjectSource)(int32_t) = RuntimeProjectObject;

using Setter = void (*)(ObjectHeader*, int32_t, uintptr_t);

// A project object of another class than the property takes is not passed on: the setter
// would treat it as what it is not.
ObjectHeader* projectObjectOfClass(int32_t number, ClassDescriptor* valueClass)
{
    ObjectHeader* object = projectObjectSource(number);
    if (object && valueClass && !objectIsa(object, valueClass)) {
        RuntimeUnlockObject(object);
        return nullptr;
    }
    return object;
}

} // namespace

int32_t templateInteger(std::string_view text)
{
    size_t at = 0;
    while (at < text.size() && text[at] == ' ')
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    uint32_t magnitude = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
        magnitude = magnitude * 10 + static_cast<uint32_t>(text[at] - '0');
    return static_cast<int32_t>(negative ? 0u - magnitude : magnitude);
}

bool templateBoolean(std::string_view text)
{
    return identifierEquals(text, "True");
}

void templateSetProjectObjectSource(ObjectHeader* (*source)(int32_t number))
{
    projectObjectSource = source ? source : RuntimeProjectObject;
}

bool applyTemplateProperty(ObjectHeader* object, std::string_view key, std::string_view value, int32_t& converted)
{
    PropertyDeclaration* property = classFindProperty(object->cls, key);
    if (!property || !property->setter)
        return false;
    auto setter = reinterpret_cast<Setter>(property->setter);
    PropertyType type = propertyTypeOf(property);
    switch (type.kind) {
    case PropertyKind::String: {
        StringRef text(stringFromView(value));
        converted = 0;
        setter(object, property->parameter, reinterpret_cast<uintptr_t>(text.get()));
        return true;
    }
    case PropertyKind::Integer:
    case PropertyKind::Color:
        converted = templateInteger(value);
        setter(object, property->parameter, static_cast<uint32_t>(converted));
        return true;
    case PropertyKind::Boolean:
        converted = templateBoolean(value) ? 1 : 0;
        setter(object, property->parameter, static_cast<uint32_t>(converted));
        return true;
    case PropertyKind::Class: {
        converted = templateInteger(value);
        ObjectRef item(projectObjectOfClass(converted, type.valueClass));
        setter(object, property->parameter, reinterpret_cast<uintptr_t>(item.get()));
        return true;
    }
    default:
        return false;
    }
}
