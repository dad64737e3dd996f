// The bindings of a window template: a binder object joins two of the window's controls.
#include "ui/templates/templatebindings.h"

#include "classes/namedclasses.h"
#include "runtime/objects/builtinclassset.h"
#include "runtime/objects/classchain.h"

namespace {

typedef void (*BindMethod)(ObjectHeader* binder, ObjectHeader* source, ObjectHeader* target);

// The control at `position`, as the record's interface text allows it: no text takes the
// control as it is; a text must name an interface the control implements.
ObjectHeader* boundPart(WindowObject* window, int32_t position, std::string_view interfaceName)
{
    const std::vector<ObjectHeader*>& controls = window->parts->controls;
    if (position < 0 || static_cast<size_t>(position) >= controls.size())
        return nullptr;
    ObjectHeader* control = controls[position];
    if (interfaceName.empty())
        return control;
    ClassDescriptor* interface = classFindByName(interfaceName);
    return interface && interface->isInterface && objectIsa(control, interface) ? control : nullptr;
}

// The binder's code for "bind", the one method of the Binder interface, from the table its
// class keeps for the interface. A binder that does not implement the interface binds nothing,
// whatever methods it has.
BindMethod bindMethodOf(ObjectHeader* binder)
{
    constexpr int32_t bindMethodNumber = 1;
    InterfaceEntry* entry = classFindInterfaceEntry(binder->cls, builtinClass(BuiltinClassId::Binder));
    bool inTable = entry && entry->methodTable && entry->tableLength > bindMethodNumber;
    return inTable ? reinterpret_cast<BindMethod>(entry->methodTable[bindMethodNumber]) : nullptr;
}

} // namespace

void makeTemplateBindings(WindowObject* window, const std::vector<BindingTemplate>& bindings)
{
    for (const BindingTemplate& binding : bindings) {
        ObjectHeader* source = boundPart(window, binding.sourcePosition, binding.sourceInterface);
        ObjectHeader* target = boundPart(window, binding.targetPosition, binding.targetInterface);
        ClassDescriptor* binderClass = classAt(binding.binderClassIndex);
        if (!source || !target || !binderClass)
            continue;
        ObjectRef binder(objectInstantiate(binderClass));
        if (BindMethod bind = bindMethodOf(binder.get()))
            bind(binder.get(), source, target);
    }
}
