// BevelButton: a push button with a bevelled face, a caption and an optional pop-up menu.
#pragma once

#include "plugins/kolactl/menurows.h"
#include "plugins/kolactl/services.h"

#include <windows.h>

#include <cstdint>

namespace kola {

// The button's storage; each property has its own field, at the offsets its record names.
struct BevelData {
    RuntimeString caption;
    int32_t captionAlign;
    int32_t captionPlacement;
    int32_t captionDelta;
    void* icon; // a Picture; placed by iconAlign, iconDX and iconDY
    int32_t iconAlign;
    int32_t iconDX;
    int32_t iconDY;
    int32_t bevel;
    int32_t hasMenu;
    int32_t value;     // Boolean in the low byte
    int32_t menuValue; // 16-bit, through accessors
    int32_t buttonType;
    RuntimeString textFont;
    int32_t textSize;
    int32_t bold, italic, underline; // Booleans in the low byte
    MenuRow* rows;
    uint8_t pressed;
    uint8_t spare[35];
};
static_assert(sizeof(BevelData) == 112);

BevelData& bevelData(void* instance);
extern const ControlPropertyRecord bevelProperties[];
extern const uint32_t bevelPropertyCount;
extern const ControlMethodRecord bevelMethods[];
extern const uint32_t bevelMethodCount;
void bevelDraw(void* instance, HDC dc);
// Draws the button now, outside a redraw.
void bevelDrawNow(void* instance);

} // namespace kola
