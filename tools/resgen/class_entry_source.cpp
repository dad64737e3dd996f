// The C++ definition of one class table entry: a reference, or a definition as a struct
// whose fields follow the entry's layout.
#include "resgen/class_entry_source.h"

#include "image/classentryformat.h"

#include <vector>

namespace resgen {

namespace {

struct Field {
    std::string declaration;
    std::string value;
};

using NameOf = std::function<std::string(const std::string&)>;

std::string routine(const std::string& name)
{
    return name.empty() ? "nullptr" : "&" + name;
}

// A count field and, when the count is not 0, the array after it.
void addArray(std::vector<Field>& fields, const std::string& countName, const std::string& elementType,
              const std::string& arrayName, const std::vector<std::string>& elements)
{
    fields.push_back({"unsigned " + countName, std::to_string(elements.size())});
    if (elements.empty())
        return;
    std::string list;
    for (const std::string& element : elements)
        list += (list.empty() ? "" : ", ") + element;
    fields.push_back({elementType + " " + arrayName + "[" + std::to_string(elements.size()) + "]", "{" + list + "}"});
}

std::vector<std::string> methodElements(const ClassTableEntry& entry, const NameOf& nameOf)
{
    std::vector<std::string> elements;
    for (const Binding& method : entry.methods) {
        elements.push_back(entry.isInterface ? nameOf(method.name)
                                             : "{" + nameOf(method.name) + ", " + routine(method.function) + "}");
    }
    return elements;
}

std::vector<std::string> handlerElements(const std::vector<Binding>& handlers, const NameOf& nameOf, bool keyed)
{
    std::vector<std::string> elements;
    for (const Binding& handler : handlers) {
        elements.push_back("{" + nameOf(handler.name) + ", " + routine(handler.function) + (keyed ? ", 0}" : "}"));
    }
    return elements;
}

std::vector<Field> definitionFields(const ClassTableEntry& entry, const NameOf& nameOf)
{
    const bool initialisers = !entry.constructor.empty() || !entry.destructor.empty();
    std::vector<Field> fields{{"unsigned kind", std::to_string(classEntryDefinition)},
                              {"unsigned instanceSize", entry.instanceSize},
                              {"const void* name", nameOf(entry.name)},
                              {"int superclass", std::to_string(entry.superclass)},
                              {"unsigned hasInitialisers", initialisers ? "1" : "0"}};
    if (initialisers) {
        fields.push_back({"CodePointer constructor", routine(entry.constructor)});
        fields.push_back({"CodePointer destructor", routine(entry.destructor)});
    }
    fields.push_back({"unsigned isInterface", entry.isInterface ? "1" : "0"});
    std::vector<std::string> interfaces;
    for (int32_t index : entry.interfaces)
        interfaces.push_back(std::to_string(index));
    addArray(fields, "interfaceCount", "int", "interfaces", interfaces);
    addArray(fields, "methodCount", entry.isInterface ? "const void*" : "MethodEntry", "methods",
             methodElements(entry, nameOf));
    addArray(fields, "handlerCount", "HandlerEntry", "handlers", handlerElements(entry.events, nameOf, true));
    addArray(fields, "menuHandlerCount", "MenuHandlerEntry", "menuHandlers",
             handlerElements(entry.menuHandlers, nameOf, false));
    addArray(fields, "virtualTableSize", "CodePointer", "virtualTable", {"nullptr"}); // one empty slot
    return fields;
}

} // namespace

std::string classEntrySource(const ClassTableEntry& entry, const std::string& symbol, const NameOf& nameOf)
{
    if (entry.isReference)
        return "ClassReference " + symbol + " = {" + std::to_string(classEntryReference) + ", " + nameOf(entry.name) +
               "};\n";
    const std::vector<Field> fields = definitionFields(entry, nameOf);
    std::string text = "struct {\n";
    for (const Field& field : fields)
        text += "    " + field.declaration + ";\n";
    text += "} " + symbol + " = {\n";
    for (const Field& field : fields)
        text += "    " + field.value + ",\n";
    return text + "};\n";
}

} // namespace resgen
