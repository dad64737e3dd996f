// The built-in exception classes, each with the header and two words the runtime never reads.
#include "runtime/exceptions/exceptions.h"
#include "runtime/objects/builtinclassset.h"
#include "runtime/objects/classchain.h"

namespace {
// In the order of BuiltinException.
const BuiltinClassId exceptionClassIds[] = {
    BuiltinClassId::RuntimeException,       BuiltinClassId::NilObjectException,    BuiltinClassId::IllegalCastException,
    BuiltinClassId::stackOverflowException, BuiltinClassId::typeMismatchException, BuiltinClassId::OutOfBoundsException,
    BuiltinClassId::EndException,
};
} // namespace

ClassDescriptor* exceptionClass(BuiltinException kind)
{
    return builtinClass(exceptionClassIds[static_cast<int>(kind)]);
}

// The fresh exception's only reference goes with the raise.
void raiseBuiltinException(BuiltinException kind)
{
    ObjectHeader* exception = objectInstantiate(exceptionClass(kind));
    raiseFromFrame(reinterpret_cast<uintptr_t>(__builtin_frame_address(0)), exception, true);
}

extern "C" void RuntimeNilObject()
{
    raiseBuiltinException(BuiltinException::NilObject);
}

// Nil passes; a class gives its descriptor and an interface the matching entry.
extern "C" void* RuntimeCheckCast(ObjectHeader* object, int32_t classIndex)
{
    if (!object)
        return nullptr;
    ClassDescriptor* target = classAt(classIndex);
    if (objectIsa(object, target))
        return target->isInterface ? static_cast<void*>(classFindInterfaceEntry(object->cls, target)) : target;
    raiseBuiltinException(BuiltinException::IllegalCast);
    return nullptr;
}
