// The application's NewDocument and OpenDocument: routines of the export table, and methods of
// the built-in Application class for the image's member imports.
#pragma once

#include "runtime/objects/object.h"

extern "C" {
// Run the application's handler of the event, if its class has one.
void ApplicationNewDocument(ObjectHeader* application);
void ApplicationOpenDocument(ObjectHeader* application, ObjectHeader* item);
}
