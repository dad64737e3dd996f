// The controls the library registers, each described by one descriptor.
#pragma once

#include "plugins/kolactl/pluginabi.h"

#include <initializer_list>

namespace kola {

ControlDescriptor& littleArrowsDescriptor();
ControlDescriptor& bevelButtonDescriptor();
ControlDescriptor& separatorDescriptor();
// DisclosureTriangle, ChasingArrows, ImageWell, PopupArrow and Placard.
ControlDescriptor* const* otherDescriptors(int* count);

// The routine every control has in its idle slot: there is nothing to do.
void controlIdle(void* instance);

// One filled slot of a behaviour record: any routine, kept as the untyped word the record holds.
struct FilledSlot {
    template <typename Routine>
    FilledSlot(BehaviourSlot slot, Routine* routine) : slot(slot), routine(reinterpret_cast<void*>(routine))
    {}
    BehaviourSlot slot;
    void* routine;
};

// A behaviour record with the given slots filled, every other slot 0, and the idle slot filled.
inline ControlBehaviour behaviourOf(std::initializer_list<FilledSlot> filled)
{
    ControlBehaviour behaviour{};
    behaviour.slots[slotIdle] = reinterpret_cast<void*>(controlIdle);
    for (const FilledSlot& each : filled)
        behaviour.slots[each.slot] = each.routine;
    return behaviour;
}

// The control's own storage inside the runtime's instance, where the runtime said it starts.
template <typename Data> Data& controlData(void* instance, const ControlDescriptor& descriptor)
{
    return *reinterpret_cast<Data*>(static_cast<char*>(instance) + descriptor.dataOffset);
}

} // namespace kola
