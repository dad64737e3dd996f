// The runtime services the controls use, each looked up by name through the resolver once.
#include "plugins/kolactl/services.h"

#include <cstring>

namespace kola {

namespace {

Resolver keptResolver = nullptr;

// One cached lookup per service name; the runtime's table never changes once running.
struct CachedService {
    const char* name;
    void* address;
};

CachedService cache[] = {
    {"GetControlBounds", nullptr},         {"controlEnabledGetter", nullptr},
    {"GetEventInstance", nullptr},         {"KOLAInvalidateControl", nullptr},
    {"KOLABuildString", nullptr},          {"KOLALockString", nullptr},
    {"KOLAUnlockString", nullptr},         {"KOLALockObject", nullptr},
    {"KOLAUnlockObject", nullptr},         {"KOLAGetControlGraphics", nullptr},
    {"KOLAGraphicsDC", nullptr},           {"PluginDefaultControlCaption", nullptr},
    {"PluginDefaultControlFont", nullptr}, {"PluginDefaultControlFontSize", nullptr},
};

template <typename Routine> Routine service(const char* name)
{
    return reinterpret_cast<Routine>(serviceAddress(name));
}

// The layout of the runtime's string record, read only.
struct StringRecordView {
    int32_t count;
    const uint8_t* buffer; // a length byte, the bytes, a closing 0
    int32_t bufferSize;
    int32_t length;
};

} // namespace

void servicesUse(Resolver resolver)
{
    keptResolver = resolver;
    for (CachedService& entry : cache)
        entry.address = nullptr;
}

void* serviceAddress(const char* name)
{
    for (CachedService& entry : cache) {
        if (std::strcmp(entry.name, name) != 0)
            continue;
        if (!entry.address && keptResolver)
            entry.address = keptResolver(name);
        return entry.address;
    }
    return keptResolver ? keptResolver(name) : nullptr;
}

PaneRect controlBounds(void* instance)
{
    PaneRect bounds{};
    if (auto get = service<void (*)(void*, PaneRect*)>("GetControlBounds"))
        get(instance, &bounds);
    return bounds;
}

bool controlEnabled(void* instance)
{
    auto get = service<int32_t (*)(void*, int32_t)>("controlEnabledGetter");
    return get ? (get(instance, 0) & 0xff) != 0 : true;
}

bool raiseEvent(void* instance, const ControlEventRecord& event)
{
    auto find = service<void* (*)(void*, uint32_t)>("GetEventInstance");
    auto handler = find ? reinterpret_cast<void (*)(void*)>(find(instance, event.key)) : nullptr;
    if (!handler)
        return false;
    handler(instance);
    return true;
}

void invalidateControl(void* instance)
{
    if (auto invalidate = service<void (*)(void*)>("KOLAInvalidateControl"))
        invalidate(instance);
}

RuntimeString stringMake(const char* text, int length)
{
    auto build = service<RuntimeString (*)(const char*, int32_t)>("KOLABuildString");
    return build && length > 0 ? build(text, length) : nullptr;
}

void stringRetain(RuntimeString text)
{
    if (auto lock = service<void (*)(RuntimeString)>("KOLALockString"); lock && text)
        lock(text);
}

void stringRelease(RuntimeString text)
{
    if (auto unlock = service<void (*)(RuntimeString)>("KOLAUnlockString"); unlock && text)
        unlock(text);
}

const char* stringBytes(RuntimeString text, int* length)
{
    auto* record = static_cast<const StringRecordView*>(text);
    if (!record || !record->buffer || record->length <= 0) {
        *length = 0;
        return "";
    }
    *length = record->length;
    return reinterpret_cast<const char*>(record->buffer + 1);
}

RuntimeString defaultCaption()
{
    auto get = service<RuntimeString (*)()>("PluginDefaultControlCaption");
    return get ? get() : stringMake("Untitled", 8);
}

RuntimeString defaultFontName()
{
    auto get = service<RuntimeString (*)()>("PluginDefaultControlFont");
    return get ? get() : nullptr;
}

int defaultFontSize()
{
    auto get = service<int32_t (*)()>("PluginDefaultControlFontSize");
    return get ? get() : 0;
}

HDC graphicsDC(void* graphics)
{
    auto get = service<HDC (*)(void*)>("KOLAGraphicsDC");
    return get && graphics ? get(graphics) : nullptr;
}

ControlDrawing::ControlDrawing(void* instance)
{
    auto get = service<void* (*)(void*)>("KOLAGetControlGraphics");
    graphics_ = get ? get(instance) : nullptr;
}

ControlDrawing::~ControlDrawing()
{
    if (auto unlock = service<void (*)(void*)>("KOLAUnlockObject"); unlock && graphics_)
        unlock(graphics_);
}

} // namespace kola
