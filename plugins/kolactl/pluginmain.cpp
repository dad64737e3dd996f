// The library's entry routine: keeps the resolver and registers the eight controls.
#include "plugins/kolactl/controls.h"
#include "plugins/kolactl/services.h"

namespace kola {

void controlIdle(void*)
{}

namespace {

void registerControl(ControlDescriptor& descriptor)
{
    auto registerWith = reinterpret_cast<void (*)(ControlDescriptor*)>(serviceAddress("PluginRegisterControl"));
    if (registerWith)
        registerWith(&descriptor);
}

} // namespace

} // namespace kola

extern "C" __declspec(dllexport) void KOLAPluginMain(kola::Resolver resolver)
{
    using namespace kola;
    servicesUse(resolver);
    if (auto announce = reinterpret_cast<void (*)(int32_t)>(serviceAddress("RegisterPluginVersion")))
        announce(descriptorVersion);
    registerControl(bevelButtonDescriptor());
    registerControl(littleArrowsDescriptor());
    registerControl(separatorDescriptor());
    int count = 0;
    ControlDescriptor* const* others = otherDescriptors(&count);
    for (int index = 0; index < count; ++index)
        registerControl(*others[index]);
}
