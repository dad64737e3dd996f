// The window framework for benchmarks: its set-up and unnamed subclasses with handlers.
#include "bench/windowfixture.h"

#include "image/projectsettings.h"
#include "runtime/objects/object.h"
#include "runtime/strings/string.h"
#include "startup/uisetup.h"

namespace {

std::vector<ClassDescriptor*>& classTable()
{
    static std::vector<ClassDescriptor*> table;
    return table;
}

} // namespace

void fixtureSetUp()
{
    static bool started = false;
    if (started)
        return;
    started = true;
    builtinClassesEnsure();
    SettingsStream settings;
    settings.languageCode = 13;
    settingsApply(settings);
    uiStart();
}

int32_t fixtureSubclass(ClassDescriptor* base, const std::vector<FixtureHandler>& handlers)
{
    ClassDescriptor* cls = classCreate();
    cls->superclass = base;
    cls->instanceSize = base->instanceSize;
    for (const FixtureHandler& entry : handlers)
        classAddEventHandler(cls, entry.event, entry.code);
    classTable().push_back(cls);
    classSetTable(classTable().data(), static_cast<int32_t>(classTable().size()));
    return static_cast<int32_t>(classTable().size() - 1);
}

ClassDescriptor* fixtureClassAt(int32_t index)
{
    return classTable().at(static_cast<size_t>(index));
}
