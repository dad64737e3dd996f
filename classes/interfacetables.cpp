// Interface method tables: the code each class runs for each method of each interface it
// implements, one table read per interface call.
#include "classes/interfacetables.h"

#include "base/assertion.h"
#include "runtime/objects/classchain.h"
#include "runtime/strings/identifier.h"

namespace {

uint32_t generation;

void numberMethods(ClassDescriptor* cls)
{
    int32_t number = 0;
    for (MethodEntry* method = cls->methods; method; method = method->next)
        method->number = cls->isInterface ? ++number : 0;
}

int32_t methodCount(const ClassDescriptor* cls)
{
    int32_t count = 0;
    for (const MethodEntry* method = cls->methods; method; method = method->next)
        ++count;
    return count;
}

// Entry 0 stays empty; entry k is the class's code for the interface's k-th method.
bool buildTable(ClassDescriptor* cls, InterfaceEntry& entry)
{
    int32_t length = methodCount(entry.interface) + 1;
    auto* table = static_cast<void**>(taggedAllocate(uint32_t(length) * sizeof(void*)));
    table[0] = nullptr;
    bool complete = true;
    int32_t k = 1;
    for (MethodEntry* wanted = entry.interface->methods; wanted; wanted = wanted->next, ++k) {
        MethodEntry* found = classFindMethod(cls, identifierName(wanted->name));
        table[k] = found ? found->code : nullptr;
        if (!found && complete) {
            assertFailed(assertCategoryRuntime, assertNotFound, "objects", 2368);
            complete = false;
        }
    }
    if (entry.methodTable && !cls->staticTables)
        taggedFree(entry.methodTable);
    entry.methodTable = table;
    entry.tableLength = length;
    return complete;
}

bool buildTables(ClassDescriptor* cls)
{
    for (InterfaceEntry* entry = cls->interfaces; entry; entry = entry->next) {
        if (!entry->tableGiven && !buildTable(cls, *entry))
            return false;
    }
    cls->interfaceGeneration = generation;
    return true;
}

} // namespace

void interfacesFinalise()
{
    for (ClassDescriptor* cls = classListHead(); cls; cls = cls->nextClass)
        numberMethods(cls);
    ++generation;
    for (ClassDescriptor* cls = classListHead(); cls; cls = cls->nextClass) {
        if (cls->interfaceGeneration != generation && !buildTables(cls)) {
            assertFailed(assertCategoryRuntime, assertInconsistent, "objects", 5942);
            return;
        }
    }
}

uint32_t interfaceGeneration()
{
    return generation;
}
