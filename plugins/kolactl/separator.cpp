// Separator: an etched line across the longer side of the control.
#include "plugins/kolactl/controls.h"
#include "plugins/kolactl/gdi.h"
#include "plugins/kolactl/services.h"

namespace kola {

namespace {

void redraw(void* instance, void* graphics)
{
    HDC dc = graphicsDC(graphics);
    if (!dc)
        return;
    SeparatorLines lines = separatorLines(controlBounds(instance));
    drawLine(dc, lines.shadow, GetSysColor(COLOR_BTNSHADOW));
    drawLine(dc, lines.highlight, GetSysColor(COLOR_3DHILIGHT));
}

const ControlBehaviour behaviour = behaviourOf({{slotRedraw, redraw}, {slotRepaint, controlIdle}});

} // namespace

ControlDescriptor& separatorDescriptor()
{
    static ControlDescriptor descriptor{descriptorVersion, "Separator", 4,       0, 0,       0, 64,        4,
                                        nullptr,           0,           nullptr, 0, nullptr, 0, &behaviour};
    return descriptor;
}

} // namespace kola
