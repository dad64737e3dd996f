// The controls the library registers, each described by one descriptor.
#pragma once

#include "plugins/kolactl/pluginabi.h"

namespace kola {

ControlDescriptor& littleArrowsDescriptor();
ControlDescriptor& bevelButtonDescriptor();
ControlDescriptor& separatorDescriptor();
// DisclosureTriangle, ChasingArrows, ImageWell, PopupArrow and Placard.
ControlDescriptor* const* otherDescriptors(int* count);

// The routine every control has in its idle slot: there is nothing to do.
void controlIdle(void* instance);

// The control's own storage inside the runtime's instance, where the runtime said it starts.
template <typename Data> Data& controlData(void* instance, const ControlDescriptor& descriptor)
{
    return *reinterpret_cast<Data*>(static_cast<char*>(instance) + descriptor.dataOffset);
}

} // namespace kola
