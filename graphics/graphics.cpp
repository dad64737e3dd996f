// The Graphics object: drawing on a device context, handed to Paint events.
#include "graphics/graphics.h"

#include "runtime/objects/builtinclassset.h"

namespace {

GraphicsObject* asGraphics(ObjectHeader* object)
{
    return reinterpret_cast<GraphicsObject*>(object);
}

void destroyGraphics(ObjectHeader* object, ClassDescriptor*)
{
    RuntimeUnlockString(asGraphics(object)->textFont);
}

} // namespace

ObjectHeader* graphicsOnDeviceContext(HDC dc, int32_t originX, int32_t originY, int32_t width, int32_t height)
{
    ObjectHeader* object = objectInstantiate(builtinClass(BuiltinClassId::Graphics));
    GraphicsObject* graphics = asGraphics(object);
    graphics->dc = dc;
    graphics->originX = originX;
    graphics->originY = originY;
    graphics->width = width;
    graphics->height = height;
    graphics->textSize = 12;
    return object;
}

void graphicsDetach(ObjectHeader* graphics)
{
    if (graphics)
        asGraphics(graphics)->dc = nullptr;
}

HDC graphicsDeviceContext(ObjectHeader* graphics)
{
    return graphics ? asGraphics(graphics)->dc : nullptr;
}

void graphicsSetUpClass(ClassDescriptor* cls)
{
    cls->destructor = destroyGraphics;
}
