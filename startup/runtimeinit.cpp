// Start-up of the runtime for an image: classes, project items, the application object and
// its first events.
#include "base/commandline.h"
#include "base/hostmessage.h"
#include "base/hoststate.h"
#include "base/shutdown.h"
#include "classes/classregistry.h"
#include "files/folderitem.h"
#include "image/imagedata.h"
#include "image/projectsettings.h"
#include "plugins/plugininstall.h"
#include "plugins/pluginlist.h"
#include "project/projectitems.h"
#include "runtime/exceptions/exceptions.h"
#include "runtime/objects/builtinclassset.h"
#include "startup/runtimeexports.h"
#include "startup/uisetup.h"
#include "ui/controls/plugincontrolpane.h"
#include "ui/menus/menubuild.h"
#include "ui/windows/events.h"
#include "ui/windows/framewindow.h"

#include <windows.h>

#include <ole2.h>

#include <string>

namespace {

[[noreturn]] void stopStart(const std::string& error)
{
    hostShowMessage(error.c_str());
    ExitProcess(0);
}

// The windows made next take the bar. A damaged bar is reported and the program runs without it.
void buildMenuBar()
{
    menuBarBuild();
    const std::string& problems = menuBarError();
    if (problems.empty())
        return;
    hostShowMessage(problems.c_str());
}

void enterFrameMode()
{
    hostState().frameMode = true;
    StringRecord* title = settingsFrameTitle();
    frameWindowCreate(stringText(title));
}

// One OpenDocument per argument, each with the same folder item set to that argument.
void openDocuments(ObjectHeader* application, const std::vector<std::string>& arguments)
{
    ObjectRef item(folderItemWithPath(nullptr));
    for (const std::string& argument : arguments) {
        StringRef path(stringFromView(argument));
        folderItemSetPath(item.get(), path.get());
        raiseObjectEvent(application, "OpenDocument", item.get());
    }
}

void raiseFirstEvents(ObjectHeader* application)
{
    raiseEvent(application, "Open");
    const char* commandLine = hostState().commandLine;
    if (eventHandlerCode(application, "OpenDocument") && commandLine && *commandLine)
        openDocuments(application, commandLineArguments(commandLine));
    else
        raiseEvent(application, "NewDocument");
    if (hostState().frameMode)
        raiseEvent(application, "Activate");
}

void* exportRoutine(const char* name)
{
    const ExportSlot* slot = exportFind(name);
    return slot ? slot->routine : nullptr;
}

void installPlugins()
{
    uint32_t head = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(pluginEmbeddedList()));
    pluginsInstall(ImageData::linked(), head, exportRoutine);
    pluginControlsSetUp();
}

} // namespace

extern "C" void RuntimeInit(const uint32_t* classTable)
{
    hostState().startTick = GetTickCount();
    uiStart();
    if (SUCCEEDED(OleInitialize(nullptr)))
        shutdownSteps().uninitialiseOle = [] { OleUninitialize(); };
    builtinClassesEnsure();
    installPlugins();
    stackCheckSetLimitFromHere();
    std::string error;
    if (!registryBuildClasses(classTable, error) || !registryBuildProjectItems(classTable, error))
        stopStart(error);
    buildMenuBar();
    if (settingsFrameMode())
        enterFrameMode();
    hostState().application = objectInstantiate(registryApplicationClass());
    raiseFirstEvents(hostState().application);
}
