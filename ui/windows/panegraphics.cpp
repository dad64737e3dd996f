// The Graphics of windows and panes: the one lent to a Paint event and the ones made on request.
#include "ui/windows/panegraphics.h"

#include "graphics/graphics.h"
#include "ui/windows/events.h"
#include "ui/windows/nativewindow.h"
#include "ui/windows/windowbackground.h"

namespace {

WindowObject* windowOf(ObjectHeader* object)
{
    if (isWindowObject(object))
        return asWindow(object);
    Pane* pane = paneOfControl(object);
    return pane ? pane->window() : nullptr;
}

} // namespace

void raisePaintEvent(ObjectHeader* object, HDC dc, int32_t width, int32_t height)
{
    if (!eventHandlerCode(object, "Paint"))
        return;
    ObjectHeader* graphics =
        graphicsNew(graphicsOwnerLending(object, dc), {0, 0, width, height, windowBackgroundColor(windowOf(object))});
    raiseObjectEvent(object, "Paint", graphics);
    graphicsDetach(graphics);
    RuntimeUnlockObject(graphics);
}

ObjectHeader* paneGraphics(Pane* pane, ObjectHeader* control)
{
    HWND handle = pane ? pane->handle() : nullptr;
    int32_t width = pane ? pane->bounds().width() : 0;
    int32_t height = pane ? pane->bounds().height() : 0;
    COLORREF background = windowBackgroundColor(pane ? pane->window() : nullptr);
    return graphicsNew(graphicsOwnerOfWindow(control, handle), {0, 0, width, height, background});
}

extern "C" ObjectHeader* windowGraphicsGetter(ObjectHeader* object, int32_t)
{
    if (!isWindowObject(object))
        return nullptr;
    WindowObject* window = asWindow(object);
    NativeWindow* native = window->native;
    PaneRect client = native ? nativeWindowClientBounds(native) : PaneRect{};
    return graphicsNew(graphicsOwnerOfWindow(object, native ? native->handle : nullptr),
                       {0, 0, client.width(), client.height(), windowBackgroundColor(window)});
}
