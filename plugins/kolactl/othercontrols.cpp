// The library's smaller controls: DisclosureTriangle, ChasingArrows, ImageWell, PopupArrow
// and Placard. Only DisclosureTriangle answers the mouse; the others are drawn.
#include "plugins/kolactl/controls.h"
#include "plugins/kolactl/gdi.h"
#include "plugins/kolactl/services.h"

#include <cstddef>
#include <cstdint>

namespace kola {

namespace {

// DisclosureTriangle: points right when closed and down when open; a click toggles Value.
struct DisclosureData {
    int32_t value; // Boolean in the low byte
    uint8_t pressed;
};

ControlDescriptor& disclosureDescriptor();
ControlEventRecord disclosureEvents[] = {{"Action", 0}};
const ControlPropertyRecord disclosureProperties[] = {
    {"Initial State", "Value", "Boolean", 0, propertyFieldDirect, propertyFieldDirect,
     static_cast<uint32_t>(offsetof(DisclosureData, value)), 0, 0, nullptr}};

DisclosureData& disclosureData(void* instance)
{
    return controlData<DisclosureData>(instance, disclosureDescriptor());
}

Triangle disclosureTriangle(PaneRect bounds, bool open)
{
    LONG x = bounds.left + 2, y = bounds.top + 2;
    if (open)
        return Triangle{{{x, y + 2}, {x + 8, y + 2}, {x + 4, y + 6}}};
    return Triangle{{{x + 2, y}, {x + 6, y + 4}, {x + 2, y + 8}}};
}

void disclosureRedraw(void* instance, void* graphics)
{
    HDC dc = graphicsDC(graphics);
    if (!dc)
        return;
    PaneRect bounds = controlBounds(instance);
    fillWithSystemColour(dc, rectOf(bounds), COLOR_BTNFACE);
    bool enabled = controlEnabled(instance);
    fillTriangle(dc, disclosureTriangle(bounds, disclosureData(instance).value & 0xff),
                 enabled ? BLACK_BRUSH : LTGRAY_BRUSH);
}

int32_t disclosureDown(void* instance, int32_t, int32_t)
{
    if (!controlEnabled(instance))
        return 0;
    disclosureData(instance).pressed = 1;
    return 1;
}

void disclosureUp(void* instance, int32_t x, int32_t y)
{
    DisclosureData& data = disclosureData(instance);
    bool released = data.pressed && insideBounds(controlBounds(instance), x, y);
    data.pressed = 0;
    if (!released)
        return;
    data.value = (data.value & 0xff) ? 0 : 1;
    invalidateControl(instance);
    raiseEvent(instance, disclosureEvents[0]);
}

void chasingArrowsRedraw(void* instance, void* graphics)
{
    HDC dc = graphicsDC(graphics);
    if (!dc)
        return;
    PaneRect b = controlBounds(instance);
    OwnedPen pen(CreatePen(PS_SOLID, 2, GetSysColor(COLOR_BTNTEXT)));
    Selection selected(dc, pen.get());
    Arc(dc, b.left + 2, b.top + 2, b.right - 2, b.bottom - 2, b.right - 2, b.top + 2, b.left + 2, b.top + 2);
    Arc(dc, b.left + 2, b.top + 2, b.right - 2, b.bottom - 2, b.left + 2, b.bottom - 2, b.right - 2, b.bottom - 2);
}

void imageWellRedraw(void* instance, void* graphics)
{
    if (HDC dc = graphicsDC(graphics))
        drawPanel(dc, rectOf(controlBounds(instance)), false);
}

void placardRedraw(void* instance, void* graphics)
{
    if (HDC dc = graphicsDC(graphics))
        drawPanel(dc, rectOf(controlBounds(instance)), true);
}

void popupArrowRedraw(void* instance, void* graphics)
{
    HDC dc = graphicsDC(graphics);
    if (!dc)
        return;
    PaneRect b = controlBounds(instance);
    LONG middle = (b.left + b.right) / 2, top = (b.top + b.bottom) / 2 - 2;
    Triangle arrow{{{middle - 4, top}, {middle + 4, top}, {middle, top + 4}}};
    fillTriangle(dc, arrow, controlEnabled(instance) ? BLACK_BRUSH : LTGRAY_BRUSH);
}

const ControlBehaviour disclosure =
    behaviourOf({{slotRedraw, disclosureRedraw}, {slotMouseDown, disclosureDown}, {slotMouseUp, disclosureUp}});
const ControlBehaviour chasingArrows = behaviourOf({{slotRedraw, chasingArrowsRedraw}});
const ControlBehaviour imageWell = behaviourOf({{slotRedraw, imageWellRedraw}});
const ControlBehaviour popupArrow = behaviourOf({{slotRedraw, popupArrowRedraw}});
const ControlBehaviour placard = behaviourOf({{slotRedraw, placardRedraw}});

ControlDescriptor& disclosureDescriptor()
{
    static ControlDescriptor descriptor{descriptorVersion,
                                        "DisclosureTriangle",
                                        sizeof(DisclosureData),
                                        0,
                                        0,
                                        0,
                                        13,
                                        13,
                                        disclosureProperties,
                                        1,
                                        nullptr,
                                        0,
                                        disclosureEvents,
                                        1,
                                        &disclosure};
    return descriptor;
}

ControlDescriptor drawnDescriptor(const char* name, uint32_t width, uint32_t height, const ControlBehaviour* behaviour)
{
    return ControlDescriptor{descriptorVersion, name, 4,       0, 0,       0, width,    height,
                             nullptr,           0,    nullptr, 0, nullptr, 0, behaviour};
}

} // namespace

ControlDescriptor* const* otherDescriptors(int* count)
{
    static ControlDescriptor chasing = drawnDescriptor("ChasingArrows", 16, 16, &chasingArrows);
    static ControlDescriptor well = drawnDescriptor("ImageWell", 48, 48, &imageWell);
    static ControlDescriptor arrow = drawnDescriptor("PopupArrow", 12, 8, &popupArrow);
    static ControlDescriptor panel = drawnDescriptor("Placard", 60, 16, &placard);
    static ControlDescriptor* const all[] = {&disclosureDescriptor(), &chasing, &well, &arrow, &panel};
    *count = 5;
    return all;
}

} // namespace kola
