// A control plug-in for the tests: it announces version 5 and registers a control named after
// its own file, which implements the interface TestSource with two routines, plus descriptors
// of versions the runtime must ignore. Built as an impostor it
// registers "PlantedControl" instead, so that loading it shows.
#include <windows.h>

#include <cstdint>

namespace {

typedef void* (*Resolver)(const char* name);

struct PropertyRecord {
    const char* group;
    const char* name;
    const char* type;
    uint32_t flags;
    void* getter;
    void* setter;
    int32_t parameter;
    uint32_t reserved[3];
};

struct MethodRecord {
    void* routine;
    void* assignRoutine;
    const char* declaration;
};

struct EventRecord {
    const char* declaration;
    uint32_t key;
};

struct Descriptor {
    int32_t version;
    const char* name;
    uint32_t dataSize;
    uint32_t flags;
    uint32_t words[11];
    uint32_t dataOffset;
    uint32_t tail[6];
};

HINSTANCE self;
Resolver resolver;
char baseName[64];
void* const direct = reinterpret_cast<void*>(-1);
int32_t levelGetter(char* instance, int32_t)
{
    return *reinterpret_cast<int32_t*>(instance + 96) * 10;
}
void reset(char* instance)
{
    *reinterpret_cast<int32_t*>(instance + 96) = 0;
}
PropertyRecord properties[] = {
    {"Behavior", "Count", "integer", 0, direct, direct, 0, {}},
    {"Appearance", "Lit", "Boolean", 0, direct, direct, 4, {}},
    {"Behavior", "Level", "Integer", 0, reinterpret_cast<void*>(levelGetter), nullptr, 0, {}},
};
MethodRecord methods[] = {
    {reinterpret_cast<void*>(reset), nullptr, "Reset()"},
    {reinterpret_cast<void*>(reset), nullptr, "Broken(x Integer)"},
    {reinterpret_cast<void*>(reset), nullptr, "Twisted() As"},
};
EventRecord events[] = {{"Action", 0}, {"Up(X As Integer, Y As Integer) As Boolean", 0}};
int32_t sourceFirst(char*)
{
    return 1;
}
int32_t sourceSecond(char*)
{
    return 2;
}
// The control's interface: every control of this plug-in names the same one.
void* sourceRoutines[] = {reinterpret_cast<void*>(sourceFirst), reinterpret_cast<void*>(sourceSecond)};
Descriptor current{5, baseName, 8, 0, {}, 0, {}};
Descriptor older{1, "TestOlderControl", 4, 0, {}, 0, {}};
#ifndef TEST_PLUGIN_PLANTED
// The one control a program's window template can name.
Descriptor separator{5, "Separator", 4, 0, {}, 0, {}};
#endif
Descriptor ignored[] = {{2, "TestVersionTwo", 4, 0, {}, 0, {}}, {0, "TestVersionZero", 4, 0, {}, 0, {}}};

// The file name without its folder and extension.
void takeBaseName()
{
#ifdef TEST_PLUGIN_PLANTED
    lstrcpyA(baseName, "PlantedControl");
#else
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(self, path, MAX_PATH);
    const char* start = path;
    for (DWORD at = 0; at < length; ++at)
        if (path[at] == '\\' || path[at] == '/')
            start = path + at + 1;
    lstrcpynA(baseName, start, sizeof baseName);
    for (char* c = baseName; *c; ++c)
        if (*c == '.')
            *c = 0;
#endif
}

template <typename Routine> Routine resolve(const char* name)
{
    return reinterpret_cast<Routine>(resolver(name));
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*)
{
    if (reason == DLL_PROCESS_ATTACH)
        self = instance;
    return TRUE;
}

extern "C" __declspec(dllexport) void KOLAPluginMain(Resolver given)
{
    resolver = given;
    takeBaseName();
    resolve<void (*)(int32_t)>("RegisterPluginVersion")(5);
    auto registerControl = resolve<void (*)(Descriptor*)>("PluginRegisterControl");
    current.words[4] = reinterpret_cast<uint32_t>(properties);
    current.words[5] = 3;
    current.words[6] = reinterpret_cast<uint32_t>(methods);
    current.words[7] = 3;
    current.words[8] = reinterpret_cast<uint32_t>(events);
    current.words[9] = 2;
    current.tail[3] = reinterpret_cast<uint32_t>("TestSource");
    current.tail[4] = reinterpret_cast<uint32_t>(sourceRoutines);
    current.tail[5] = 2;
    registerControl(&current);
    registerControl(&older);
#ifndef TEST_PLUGIN_PLANTED
    registerControl(&separator);
#endif
    for (Descriptor& descriptor : ignored)
        registerControl(&descriptor);
}

// What the tests ask the plug-in about what it was given.
extern "C" __declspec(dllexport) Resolver TestPluginResolver()
{
    return resolver;
}

extern "C" __declspec(dllexport) Descriptor* TestPluginDescriptor()
{
    return &current;
}

extern "C" __declspec(dllexport) void* const* TestPluginInterfaceRoutines()
{
    return sourceRoutines;
}
