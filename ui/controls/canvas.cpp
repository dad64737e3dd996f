// Canvas: a drawn pane showing its backdrop picture, then whatever its Paint event draws; it
// takes the mouse through MouseDown, MouseDrag and MouseUp in its own coordinates.
#include "graphics/picturedrawing.h"
#include "runtime/objects/builtinclassset.h"
#include "ui/controls/controlkinds.h"
#include "ui/windows/events.h"
#include "ui/windows/fieldaccessors.h"
#include "ui/windows/panegraphics.h"

#include <cstddef>

namespace {

struct CanvasObject {
    RectControlObject rect;
    ObjectHeader* backdrop; // a Picture or nil
};
static_assert(sizeof(CanvasObject) <= 112, "the Canvas class is 112 bytes");

CanvasObject* asCanvas(ObjectHeader* object)
{
    return reinterpret_cast<CanvasObject*>(object);
}

class CanvasPane : public DrawnPane {
public:
    using DrawnPane::DrawnPane;

    bool receivesMouse() const override { return true; }
    bool mouseDown(int32_t x, int32_t y, int32_t) override
    {
        return raiseBooleanPointEvent(control(), "MouseDown", x - paneBounds.left, y - paneBounds.top);
    }
    void mouseDrag(int32_t x, int32_t y) override
    {
        raisePointEvent(control(), "MouseDrag", x - paneBounds.left, y - paneBounds.top);
    }
    void mouseUp(int32_t x, int32_t y) override
    {
        raisePointEvent(control(), "MouseUp", x - paneBounds.left, y - paneBounds.top);
    }

protected:
    void drawContent(HDC dc) override { pictureDrawAt(dc, asCanvas(control())->backdrop, 0, 0); }
    void paintContent(HDC dc) override
    {
        drawContent(dc);
        raisePaintEvent(control(), dc, paneBounds.width(), paneBounds.height());
    }
};

void destroyCanvas(ObjectHeader* object, ClassDescriptor*)
{
    RuntimeUnlockObject(asCanvas(object)->backdrop);
}

} // namespace

extern "C" ObjectHeader* canvasBackdropGetter(ObjectHeader* canvas, int32_t)
{
    return canvas ? RuntimeLockObject(asCanvas(canvas)->backdrop) : nullptr;
}

extern "C" ObjectHeader* canvasGraphicsGetter(ObjectHeader* canvas, int32_t)
{
    return canvas ? paneGraphics(paneOfControl(canvas), canvas) : nullptr;
}

extern "C" void canvasBackdropSetter(ObjectHeader* canvas, int32_t, ObjectHeader* picture)
{
    objSetter(canvas, offsetof(CanvasObject, backdrop), picture);
    if (Pane* pane = paneOfControl(canvas))
        pane->invalidate();
}

void canvasSetUpClass(ClassDescriptor* cls)
{
    cls->destructor = destroyCanvas;
    classDeclareProperties(cls, {
                                    {"Backdrop", accessor(canvasBackdropGetter), accessor(canvasBackdropSetter), 0,
                                     propertyOfClass(builtinClass(BuiltinClassId::Picture))},
                                    {"Graphics", accessor(canvasGraphicsGetter), nullptr, 0,
                                     propertyOfClass(builtinClass(BuiltinClassId::Graphics))},
                                });
    classAddRuntimeHandler(cls, "CreatePane", accessor(createDrawnPane<CanvasPane>));
}
