// The routines a plug-in calls, through the resolver, to announce itself and register its
// controls.
#include "plugins/pluginregistration.h"

#include "classes/namedclasses.h"
#include "classes/plugininterfaces.h"
#include "plugins/controlmembers.h"
#include "plugins/instancehooks.h"
#include "plugins/pluginrecord.h"
#include "plugins/pluginreport.h"
#include "runtime/objects/builtinclassset.h"
#include "runtime/objects/classchain.h"
#include "runtime/objects/classdescriptor.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<PluginControl> controls;

bool acceptedVersion(int32_t version)
{
    return version == 1 || version > 2;
}

// Only the layout of version 5 is known to carry the interface fields.
void declareInterface(ClassDescriptor* cls, const ControlDescriptor& descriptor, std::vector<std::string>& problems)
{
    std::string problem;
    if (descriptor.version < 5)
        return;
    if (!pluginInterfaceDeclare(cls, descriptor.interfaceName, descriptor.interfaceRoutines, descriptor.interfaceCount,
                                problem))
        problems.push_back(problem);
}

const PluginControl* controlOfClass(const ClassDescriptor* cls)
{
    for (const PluginControl& control : controls) {
        if (control.cls == cls)
            return &control;
    }
    return nullptr;
}

} // namespace

extern "C" void RegisterPluginVersion(int32_t version)
{
    if (PluginRecord* plugin = pluginCurrent())
        plugin->version = version;
}

extern "C" void RegisterPluginExports(void** table)
{
    if (PluginRecord* plugin = pluginCurrent())
        plugin->exports = table;
}

extern "C" void PluginRegisterControl(ControlDescriptor* descriptor)
{
    if (!descriptor || !descriptor->name || !acceptedVersion(descriptor->version))
        return;
    if (pluginControlFind(descriptor->name))
        return;
    builtinClassesEnsure();
    ClassDescriptor* cls = classCreate();
    cls->name = stringFromText(descriptor->name);
    cls->superclass = builtinClass(BuiltinClassId::RectControl);
    // Never smaller than the superclass: its code would write past the end of the instance.
    cls->instanceSize = std::max(controlDataOffset + descriptor->dataSize, cls->superclass->instanceSize);
    if (const ControlBehaviour* behaviour = descriptor->behaviour)
        pluginInstanceHooksSet(cls, behaviour->routine<InstanceRoutine>(slotConstructor),
                               behaviour->routine<InstanceRoutine>(slotDestructor));
    descriptor->dataOffset = controlDataOffset;
    PluginRecord* plugin = pluginCurrent();
    std::vector<std::string> problems;
    MemberContext context{controlDataOffset, descriptor->version, plugin ? plugin->exports : nullptr};
    pluginMembersDeclare(cls, descriptor->members, context, problems);
    declareInterface(cls, *descriptor, problems);
    pluginReport(problems);
    pluginControlAdd(cls);
    controls.push_back({cls, descriptor, plugin});
}

extern "C" StringRecord* PluginDefaultControlCaption()
{
    return stringFromText("Untitled");
}

extern "C" StringRecord* PluginDefaultControlFont()
{
    return stringFromText("System");
}

extern "C" int32_t PluginDefaultControlFontSize()
{
    return 0;
}

extern "C" void* GetEventInstance(ObjectHeader* instance, uint32_t eventKey)
{
    if (!instance || !eventKey)
        return nullptr;
    return classFindEventHandler(instance, reinterpret_cast<const EventDeclaration*>(eventKey)).code;
}

const PluginControl* pluginControlOf(const ClassDescriptor* cls)
{
    for (; cls; cls = cls->superclass) {
        if (const PluginControl* control = controlOfClass(cls))
            return control;
    }
    return nullptr;
}

const std::vector<PluginControl>& pluginControls()
{
    return controls;
}
