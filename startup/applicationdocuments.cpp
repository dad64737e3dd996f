// The application's NewDocument and OpenDocument: routines of the export table, and methods of
// the built-in Application class for the image's member imports.
#include "startup/applicationdocuments.h"

#include "runtime/objects/builtinclassset.h"
#include "ui/windows/events.h"

namespace {

void declareMethods(ClassDescriptor* application)
{
    classDeclareMethod(application, "NewDocument", accessor(ApplicationNewDocument));
    classDeclareMethod(application, "OpenDocument", accessor(ApplicationOpenDocument));
}

// Whatever links the routines (the export table does) has the methods too, from the moment the
// built-in classes are made, before the image's member imports are bound.
[[maybe_unused]] const bool methodsRegistered =
    (builtinClassOnSetUp(BuiltinClassId::Application, declareMethods), true);

} // namespace

extern "C" void ApplicationNewDocument(ObjectHeader* application)
{
    raiseEvent(application, "NewDocument");
}

extern "C" void ApplicationOpenDocument(ObjectHeader* application, ObjectHeader* item)
{
    raiseObjectEvent(application, "OpenDocument", item);
}
