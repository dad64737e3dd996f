// Runtime services under the names a plug-in resolves: strings and counted references.
#include "plugins/pluginservices.h"

#include <cstring>
#include <string_view>

extern "C" StringRecord* KOLABuildString(const char* text, int32_t length)
{
    if (!text)
        return nullptr;
    size_t size = length < 0 ? std::strlen(text) : static_cast<size_t>(length);
    return stringFromView(std::string_view(text, size));
}

extern "C" StringRecord* KOLALockString(StringRecord* text)
{
    return RuntimeLockString(text);
}

extern "C" void KOLAUnlockString(StringRecord* text)
{
    RuntimeUnlockString(text);
}

extern "C" ObjectHeader* KOLALockObject(ObjectHeader* object)
{
    return RuntimeLockObject(object);
}

extern "C" void KOLAUnlockObject(ObjectHeader* object)
{
    RuntimeUnlockObject(object);
}
