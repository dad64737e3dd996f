// The layouts the application image shares with the runtime, held to the runtime's own when this
// is compiled: a runtime object that grows or moves a field fails the build here, not the
// program at run time.
#include "app/sharedlayouts.h"
#include "ui/windows/controlobject.h"

#include <cstddef>

namespace {

#define BUILTIN_CLASS(name, superclass, size, alternateName) constexpr unsigned name##InstanceSize = size;
#include "runtime/objects/builtinclasses.def"
#undef BUILTIN_CLASS

static_assert(windowObjectSize == WindowInstanceSize, "the Window object's size");
static_assert(applicationObjectSize == ApplicationInstanceSize, "the Application object's size");
static_assert(controlNameOffset == offsetof(ControlObject, name), "a control's Name");
static_assert(controlIndexOffset == offsetof(ControlObject, index), "a control's index");

} // namespace
