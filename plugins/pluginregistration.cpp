// The routines a plug-in calls, through the resolver, to announce itself and register its
// controls.
#include "plugins/pluginregistration.h"

#include "host/classes/namedclasses.h"
#include "plugins/controlmembers.h"
#include "plugins/pluginrecord.h"
#include "runtime/objects/builtinclassset.h"
#include "runtime/objects/classchain.h"
#include "runtime/objects/classdescriptor.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<PluginControl> controls;

bool acceptedVersion(int32_t version)
{
    return version == 1 || version > 2;
}

void report(const std::vector<std::string>& problems)
{
    for (const std::string& line : problems)
        OutputDebugStringA((line + "\n").c_str());
}

const PluginControl* controlOfClass(const ClassDescriptor* cls)
{
    for (const PluginControl& control : controls) {
        if (control.cls == cls)
            return &control;
    }
    return nullptr;
}

// Each runs for the plug-in's own class only; its subclasses in the image come after it.
void constructInstance(ObjectHeader* object, ClassDescriptor* cls)
{
    const PluginControl* control = controlOfClass(cls);
    if (control && control->descriptor->behaviour && control->descriptor->behaviour->constructor)
        control->descriptor->behaviour->constructor(object);
}

void destroyInstance(ObjectHeader* object, ClassDescriptor* cls)
{
    const PluginControl* control = controlOfClass(cls);
    if (control && control->descriptor->behaviour && control->descriptor->behaviour->destructor)
        control->descriptor->behaviour->destructor(object);
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
    cls->constructor = constructInstance;
    cls->destructor = destroyInstance;
    descriptor->dataOffset = controlDataOffset;
    PluginRecord* plugin = pluginCurrent();
    std::vector<std::string> problems;
    controlMembersDeclare(cls, descriptor, plugin ? plugin->exports : nullptr, problems);
    report(problems);
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
