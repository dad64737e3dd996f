// The properties of a Graphics: fore colour, size, font description, pen and the print job's
// page range. A change of the font description makes the port choose its font again.
#include "graphics/graphics.h"
#include "graphics/graphicsexports.h"
#include "runtime/objects/builtinclassset.h"

#include <cstring>

namespace {

int32_t componentOf(int32_t color, int shift)
{
    return (color >> shift) & 0xFF;
}

void setFontStyle(ObjectHeader* g, uint8_t bit, int32_t on)
{
    GraphicsPort* port = graphicsPortOf(g);
    if (!port)
        return;
    uint8_t style = (on & 0xFF) ? port->font.style | bit : port->font.style & ~bit;
    if (style != port->font.style)
        port->font.valid = false;
    port->font.style = style;
}

int32_t fontStyle(ObjectHeader* g, uint8_t bit)
{
    GraphicsPort* port = graphicsPortOf(g);
    return port && (port->font.style & bit) ? 1 : 0;
}

bool sameText(const StringRecord* a, const StringRecord* b)
{
    return stringLength(a) == stringLength(b) && memcmp(stringText(a), stringText(b), stringLength(a)) == 0;
}

// A getter of one integer of the port; 0 for Nil.
template <int32_t GraphicsPort::*Field> int32_t portInteger(ObjectHeader* g)
{
    GraphicsPort* port = graphicsPortOf(g);
    return port ? port->*Field : 0;
}

} // namespace

extern "C" int32_t graphicsForeColorGetter(ObjectHeader* g, int32_t)
{
    GraphicsPort* port = graphicsPortOf(g);
    if (!port)
        return 0;
    return (port->foreRed / 257) << 16 | (port->foreGreen / 257) << 8 | port->foreBlue / 257;
}

extern "C" void graphicsForeColorSetter(ObjectHeader* g, int32_t, int32_t color)
{
    GraphicsPort* port = graphicsPortOf(g);
    if (!port)
        return;
    port->foreRed = static_cast<uint16_t>(componentOf(color, 16) * 257);
    port->foreGreen = static_cast<uint16_t>(componentOf(color, 8) * 257);
    port->foreBlue = static_cast<uint16_t>(componentOf(color, 0) * 257);
}

extern "C" int32_t graphicsWidthGetter(ObjectHeader* g, int32_t)
{
    GraphicsPort* port = graphicsPortOf(g);
    return port ? port->area.width : 0;
}

extern "C" int32_t graphicsHeightGetter(ObjectHeader* g, int32_t)
{
    GraphicsPort* port = graphicsPortOf(g);
    return port ? port->area.height : 0;
}

extern "C" StringRecord* graphicsTextFontGetter(ObjectHeader* g, int32_t)
{
    GraphicsPort* port = graphicsPortOf(g);
    return port ? RuntimeLockString(port->font.name) : nullptr;
}

extern "C" void graphicsTextFontSetter(ObjectHeader* g, int32_t, StringRecord* name)
{
    GraphicsPort* port = graphicsPortOf(g);
    if (!port || sameText(port->font.name, name))
        return;
    stringAssign(port->font.name, name);
    port->font.valid = false;
}

extern "C" int32_t graphicsTextSizeGetter(ObjectHeader* g, int32_t)
{
    GraphicsPort* port = graphicsPortOf(g);
    return port ? port->font.size : 0;
}

extern "C" void graphicsTextSizeSetter(ObjectHeader* g, int32_t, int32_t size)
{
    GraphicsPort* port = graphicsPortOf(g);
    if (!port || port->font.size == static_cast<int16_t>(size))
        return;
    port->font.size = static_cast<int16_t>(size);
    port->font.valid = false;
}

extern "C" int32_t graphicsCopiesGetter(ObjectHeader* g, int32_t)
{
    return portInteger<&GraphicsPort::copies>(g);
}

extern "C" int32_t graphicsFirstPageGetter(ObjectHeader* g, int32_t)
{
    return portInteger<&GraphicsPort::firstPage>(g);
}

extern "C" int32_t graphicsLastPageGetter(ObjectHeader* g, int32_t)
{
    return portInteger<&GraphicsPort::lastPage>(g);
}

extern "C" int32_t graphicsBoldGetter(ObjectHeader* g, int32_t)
{
    return fontStyle(g, fontBold);
}

extern "C" void graphicsBoldSetter(ObjectHeader* g, int32_t, int32_t on)
{
    setFontStyle(g, fontBold, on);
}

extern "C" int32_t graphicsItalicGetter(ObjectHeader* g, int32_t)
{
    return fontStyle(g, fontItalic);
}

extern "C" void graphicsItalicSetter(ObjectHeader* g, int32_t, int32_t on)
{
    setFontStyle(g, fontItalic, on);
}

extern "C" int32_t graphicsUnderlineGetter(ObjectHeader* g, int32_t)
{
    return fontStyle(g, fontUnderline);
}

extern "C" void graphicsUnderlineSetter(ObjectHeader* g, int32_t, int32_t on)
{
    setFontStyle(g, fontUnderline, on);
}

extern "C" int32_t graphicsPenWidthGetter(ObjectHeader* g, int32_t)
{
    return portInteger<&GraphicsPort::penWidth>(g);
}

extern "C" void graphicsPenWidthSetter(ObjectHeader* g, int32_t, int32_t width)
{
    if (GraphicsPort* port = graphicsPortOf(g))
        port->penWidth = width;
}

extern "C" int32_t graphicsPenHeightGetter(ObjectHeader* g, int32_t)
{
    return portInteger<&GraphicsPort::penHeight>(g);
}

extern "C" void graphicsPenHeightSetter(ObjectHeader* g, int32_t, int32_t height)
{
    if (GraphicsPort* port = graphicsPortOf(g))
        port->penHeight = height;
}

void graphicsDeclareProperties(ClassDescriptor* cls)
{
    classDeclareProperties(
        cls,
        {
            {"ForeColor", accessor(graphicsForeColorGetter), accessor(graphicsForeColorSetter), 0, propertyColor},
            {"Width", accessor(graphicsWidthGetter), nullptr, 0, propertyInteger},
            {"Height", accessor(graphicsHeightGetter), nullptr, 0, propertyInteger},
            {"TextFont", accessor(graphicsTextFontGetter), accessor(graphicsTextFontSetter), 0, propertyString},
            {"TextSize", accessor(graphicsTextSizeGetter), accessor(graphicsTextSizeSetter), 0, propertyInteger},
            {"Copies", accessor(graphicsCopiesGetter), nullptr, 0, propertyInteger},
            {"FirstPage", accessor(graphicsFirstPageGetter), nullptr, 0, propertyInteger},
            {"LastPage", accessor(graphicsLastPageGetter), nullptr, 0, propertyInteger},
            {"Bold", accessor(graphicsBoldGetter), accessor(graphicsBoldSetter), 0, propertyBoolean},
            {"Italic", accessor(graphicsItalicGetter), accessor(graphicsItalicSetter), 0, propertyBoolean},
            {"Underline", accessor(graphicsUnderlineGetter), accessor(graphicsUnderlineSetter), 0, propertyBoolean},
            {"PenWidth", accessor(graphicsPenWidthGetter), accessor(graphicsPenWidthSetter), 0, propertyInteger},
            {"PenHeight", accessor(graphicsPenHeightGetter), accessor(graphicsPenHeightSetter), 0, propertyInteger},
        });
}
