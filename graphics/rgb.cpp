// Colours of three components, as the language writes them: 0xRRGGBB.
#include "graphics/graphicsexports.h"

namespace {

int32_t clampedComponent(int32_t value)
{
    return value < 0 ? 0 : value > 255 ? 255 : value;
}

} // namespace

extern "C" int32_t RuntimeRGB(int32_t red, int32_t green, int32_t blue)
{
    return clampedComponent(red) << 16 | clampedComponent(green) << 8 | clampedComponent(blue);
}
