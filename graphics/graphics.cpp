// The Graphics object: the language object over a drawing port, handed to Paint events and
// made on request by windows, canvases, pictures and print jobs.
#include "graphics/graphics.h"

#include "graphics/graphicsexports.h"
#include "runtime/objects/builtinclassset.h"

namespace {

GraphicsObject* asGraphics(ObjectHeader* object)
{
    return reinterpret_cast<GraphicsObject*>(object);
}

void destroyGraphics(ObjectHeader* object, ClassDescriptor*)
{
    delete asGraphics(object)->port;
    asGraphics(object)->port = nullptr;
}

// The built-in Graphics class deletes the port and declares the properties.
[[maybe_unused]] const bool setUpRegistered = (builtinClassOnSetUp(BuiltinClassId::Graphics,
                                                                   [](ClassDescriptor* cls) {
                                                                       cls->destructor = destroyGraphics;
                                                                       graphicsDeclareProperties(cls);
                                                                   }),
                                               true);

class LentDeviceContext : public GraphicsOwner {
public:
    LentDeviceContext(ObjectHeader* object, HDC dc) : GraphicsOwner(object), dc(dc) {}
    HDC acquireDeviceContext() override { return dc; }
    void releaseDeviceContext(HDC) override {}

private:
    HDC dc;
};

class WindowDeviceContext : public GraphicsOwner {
public:
    WindowDeviceContext(ObjectHeader* object, HWND window) : GraphicsOwner(object), window(window) {}
    HDC acquireDeviceContext() override { return window ? GetDC(window) : nullptr; }
    void releaseDeviceContext(HDC dc) override { ReleaseDC(window, dc); }

private:
    HWND window;
};

} // namespace

ObjectHeader* graphicsNew(std::unique_ptr<GraphicsOwner> owner, const GraphicsArea& area)
{
    ObjectHeader* object = objectInstantiate(builtinClass(BuiltinClassId::Graphics));
    asGraphics(object)->port = new GraphicsPort(std::move(owner), area);
    return object;
}

GraphicsPort* graphicsPortOf(ObjectHeader* graphics)
{
    if (!graphics || graphics->cls != builtinClass(BuiltinClassId::Graphics))
        return nullptr;
    return asGraphics(graphics)->port;
}

void graphicsDetach(ObjectHeader* graphics)
{
    if (GraphicsPort* port = graphicsPortOf(graphics))
        graphicsPortDetach(*port);
}

std::unique_ptr<GraphicsOwner> graphicsOwnerLending(ObjectHeader* object, HDC dc)
{
    return std::make_unique<LentDeviceContext>(object, dc);
}

std::unique_ptr<GraphicsOwner> graphicsOwnerOfWindow(ObjectHeader* object, HWND window)
{
    return std::make_unique<WindowDeviceContext>(object, window);
}
