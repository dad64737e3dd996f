// BevelButton: pressing, dragging off and back, releasing, and the pop-up menu.
#include "plugins/kolactl/bevelbutton.h"

#include "plugins/kolactl/controls.h"
#include "plugins/kolactl/gdi.h"

namespace kola {

namespace {

ControlEventRecord bevelEvents[] = {{"Action", 0}};

void raiseAction(void* instance)
{
    raiseEvent(instance, bevelEvents[0]);
}

void construct(void* instance)
{
    BevelData& data = bevelData(instance);
    data.caption = defaultCaption();
    data.textFont = defaultFontName();
    data.textSize = defaultFontSize();
    data.captionAlign = 3;
    data.captionPlacement = 1;
}

void destruct(void* instance)
{
    BevelData& data = bevelData(instance);
    stringRelease(data.caption);
    stringRelease(data.textFont);
    data.caption = data.textFont = nullptr;
    menuRowsClear(&data.rows);
}

void redraw(void* instance, void* graphics)
{
    bevelDraw(instance, graphicsDC(graphics));
}

HMENU buildMenu(const BevelData& data)
{
    HMENU menu = CreatePopupMenu();
    UINT command = firstMenuCommand;
    for (const MenuRow* row = data.rows; menu && row; row = row->next, ++command) {
        UINT flags = row->separator ? MF_SEPARATOR : MF_STRING;
        if (command == firstMenuCommand + static_cast<int16_t>(data.menuValue))
            flags |= MF_CHECKED;
        AppendMenuA(menu, flags, command, row->separator ? nullptr : row->text);
    }
    return menu;
}

// Shows the rows and returns the chosen command, 0 when none was chosen.
UINT chooseFromMenu(void* instance, const BevelData& data)
{
    ControlDrawing drawing(instance);
    // The device context is the control's own; points are the window's, as its bounds are.
    HWND owner = GetAncestor(WindowFromDC(graphicsDC(drawing.graphics())), GA_PARENT);
    POINT origin = menuOrigin(controlBounds(instance), data.hasMenu);
    ClientToScreen(owner, &origin);
    HMENU menu = buildMenu(data);
    if (!menu)
        return 0;
    UINT flags = TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY;
    UINT chosen = static_cast<UINT>(TrackPopupMenu(menu, flags, origin.x, origin.y, 0, owner, nullptr));
    DestroyMenu(menu);
    return chosen;
}

int32_t mouseDown(void* instance, int32_t, int32_t)
{
    if (!controlEnabled(instance))
        return 1;
    BevelData& data = bevelData(instance);
    data.pressed = 1;
    bevelDrawNow(instance);
    if (data.hasMenu == menuNone)
        return 1;
    UINT chosen = chooseFromMenu(instance, data);
    data.pressed = 0;
    bevelDrawNow(instance);
    if (chosen >= firstMenuCommand) {
        data.menuValue = static_cast<int16_t>(chosen - firstMenuCommand);
        raiseAction(instance);
    }
    return 0;
}

void mouseDrag(void* instance, int32_t x, int32_t y)
{
    BevelData& data = bevelData(instance);
    if (data.hasMenu != menuNone || !controlEnabled(instance))
        return;
    bool inside = insideBounds(controlBounds(instance), x, y);
    if (inside == (data.pressed != 0))
        return;
    data.pressed = inside ? 1 : 0;
    bevelDrawNow(instance);
}

// Released over the button: the point decides, not only the last drag, which may not have seen
// the pointer leave before the button came up.
void mouseUp(void* instance, int32_t x, int32_t y)
{
    BevelData& data = bevelData(instance);
    if (!controlEnabled(instance) || !data.pressed)
        return;
    bool over = insideBounds(controlBounds(instance), x, y);
    data.pressed = 0;
    if (over)
        data.value = valueAfterClick(data.buttonType, data.value & 0xff) ? 1 : 0;
    bevelDrawNow(instance);
    if (over)
        raiseAction(instance);
}

const ControlBehaviour behaviour = behaviourOf({{slotConstructor, construct},
                                                {slotDestructor, destruct},
                                                {slotRedraw, redraw},
                                                {slotMouseDown, mouseDown},
                                                {slotMouseDrag, mouseDrag},
                                                {slotMouseUp, mouseUp},
                                                {slotRepaint, bevelDrawNow},
                                                {slotFocusGained, bevelDrawNow},
                                                {slotFocusLost, bevelDrawNow}});
void* const actionSource[] = {reinterpret_cast<void*>(raiseAction)};

} // namespace

BevelData& bevelData(void* instance)
{
    return controlData<BevelData>(instance, bevelButtonDescriptor());
}

ControlDescriptor& bevelButtonDescriptor()
{
    static ControlDescriptor descriptor{descriptorVersion,
                                        "BevelButton",
                                        sizeof(BevelData),
                                        24,
                                        0,
                                        0,
                                        60,
                                        22,
                                        bevelProperties,
                                        bevelPropertyCount,
                                        bevelMethods,
                                        bevelMethodCount,
                                        bevelEvents,
                                        1,
                                        &behaviour,
                                        0,
                                        {},
                                        "ActionSource",
                                        actionSource,
                                        1};
    return descriptor;
}

} // namespace kola
