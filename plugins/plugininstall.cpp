// Installing the image's plug-ins at start-up: each library is written to the user's plug-in
// folder, loaded from there by its full path and entered with the resolver.
#include "plugins/plugininstall.h"

#include "plugins/pluginfile.h"
#include "plugins/pluginlist.h"
#include "plugins/pluginrecord.h"
#include "plugins/pluginreport.h"

#include <algorithm>

namespace {

typedef void* (*PluginResolver)(const char* name);
typedef void (*PluginMain)(PluginResolver resolver);

PluginLookup runtimeLookup;

void* pluginResolve(const char* name)
{
    return name && runtimeLookup ? runtimeLookup(name) : nullptr;
}

// Only the library's own folder and the system folder serve its dependencies; never the
// current folder or PATH. Older loaders without these flags still load by the full path.
HMODULE loadFromPath(const std::wstring& path)
{
    HMODULE module =
        LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!module && GetLastError() == ERROR_INVALID_PARAMETER)
        module = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    return module;
}

bool loadedFrom(HMODULE module, const std::wstring& path)
{
    wchar_t loaded[MAX_PATH * 2];
    DWORD length = GetModuleFileNameW(module, loaded, MAX_PATH * 2);
    return length > 0 && length < MAX_PATH * 2 && lstrcmpiW(loaded, path.c_str()) == 0;
}

HMODULE loadChecked(const std::wstring& path, std::string& problem)
{
    HMODULE module = loadFromPath(path);
    if (!module) {
        problem = "cannot be loaded (error " + std::to_string(GetLastError()) + ")";
        return nullptr;
    }
    if (!loadedFrom(module, path)) {
        problem = "a library of that name from another folder was loaded instead";
        FreeLibrary(module);
        return nullptr;
    }
    return module;
}

void enter(HMODULE module, PluginMain main)
{
    pluginSetCurrent(pluginRecordAdd(module));
    main(pluginResolve);
    pluginSetCurrent(nullptr);
}

bool installOne(const EmbeddedPlugin& plugin, std::string& problem)
{
    std::wstring path = pluginFilePath(plugin);
    if (path.empty()) {
        problem = "has no folder: the local application data folder is unknown";
        return false;
    }
    PluginFileLock lock;
    if (!lock.settle(path, plugin, problem))
        return false;
    HMODULE module = loadChecked(path, problem);
    if (!module)
        return false;
    auto main = reinterpret_cast<PluginMain>(reinterpret_cast<void*>(GetProcAddress(module, "KOLAPluginMain")));
    if (!main) {
        problem = "has no entry routine KOLAPluginMain";
        FreeLibrary(module);
        return false;
    }
    enter(module, main);
    return true;
}

} // namespace

std::vector<std::string> pluginsInstall(const ImageData& block, uint32_t head, PluginLookup lookup)
{
    runtimeLookup = lookup;
    std::vector<std::string> problems;
    std::vector<EmbeddedPlugin> plugins = pluginListRead(block, head, problems);
    // The last record is installed first.
    std::reverse(plugins.begin(), plugins.end());
    for (const EmbeddedPlugin& plugin : plugins) {
        std::string problem;
        if (!installOne(plugin, problem))
            problems.push_back("plug-in " + plugin.name + ": " + problem + "; skipped");
    }
    pluginReport(problems);
    return problems;
}

std::vector<HMODULE> pluginModules()
{
    std::vector<HMODULE> modules;
    for (PluginRecord* record = pluginListHead(); record; record = record->next)
        modules.push_back(record->module);
    return modules;
}
