// The routines of the Graphics object that application code and plug-ins call by name: its
// properties, its drawing operations and the colour of three components.
#pragma once

#include "runtime/objects/object.h"

#include <cstdint>

extern "C" {
// Properties: getter(g, parameter) and setter(g, parameter, value); the parameter is unused.
int32_t graphicsForeColorGetter(ObjectHeader* g, int32_t);
void graphicsForeColorSetter(ObjectHeader* g, int32_t, int32_t color);
int32_t graphicsWidthGetter(ObjectHeader* g, int32_t);
int32_t graphicsHeightGetter(ObjectHeader* g, int32_t);
StringRecord* graphicsTextFontGetter(ObjectHeader* g, int32_t);
void graphicsTextFontSetter(ObjectHeader* g, int32_t, StringRecord* name);
int32_t graphicsTextSizeGetter(ObjectHeader* g, int32_t);
void graphicsTextSizeSetter(ObjectHeader* g, int32_t, int32_t size);
int32_t graphicsCopiesGetter(ObjectHeader* g, int32_t);
int32_t graphicsFirstPageGetter(ObjectHeader* g, int32_t);
int32_t graphicsLastPageGetter(ObjectHeader* g, int32_t);
int32_t graphicsBoldGetter(ObjectHeader* g, int32_t);
void graphicsBoldSetter(ObjectHeader* g, int32_t, int32_t on);
int32_t graphicsItalicGetter(ObjectHeader* g, int32_t);
void graphicsItalicSetter(ObjectHeader* g, int32_t, int32_t on);
int32_t graphicsUnderlineGetter(ObjectHeader* g, int32_t);
void graphicsUnderlineSetter(ObjectHeader* g, int32_t, int32_t on);
int32_t graphicsPenWidthGetter(ObjectHeader* g, int32_t);
void graphicsPenWidthSetter(ObjectHeader* g, int32_t, int32_t width);
int32_t graphicsPenHeightGetter(ObjectHeader* g, int32_t);
void graphicsPenHeightSetter(ObjectHeader* g, int32_t, int32_t height);

// Drawing: coordinates relative to the owner's top-left corner.
void RuntimeGraphicsDrawString(ObjectHeader* g, StringRecord* text, int32_t x, int32_t y, int32_t wrap);
void RuntimeGraphicsDrawPicture(ObjectHeader* g, ObjectHeader* picture, int32_t x, int32_t y, int32_t width,
                                int32_t height, int32_t sourceX, int32_t sourceY, int32_t sourceWidth,
                                int32_t sourceHeight);
void RuntimeGraphicsDrawLine(ObjectHeader* g, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
void RuntimeGraphicsDrawRect(ObjectHeader* g, int32_t x, int32_t y, int32_t width, int32_t height);
void RuntimeGraphicsFillRect(ObjectHeader* g, int32_t x, int32_t y, int32_t width, int32_t height);
void RuntimeGraphicsClearRect(ObjectHeader* g, int32_t x, int32_t y, int32_t width, int32_t height);
void RuntimeGraphicsDrawOval(ObjectHeader* g, int32_t x, int32_t y, int32_t width, int32_t height);
void RuntimeGraphicsFillOval(ObjectHeader* g, int32_t x, int32_t y, int32_t width, int32_t height);
void RuntimeGraphicsDrawRoundRect(ObjectHeader* g, int32_t x, int32_t y, int32_t width, int32_t height,
                                  int32_t ovalWidth, int32_t ovalHeight);
void RuntimeGraphicsFillRoundRect(ObjectHeader* g, int32_t x, int32_t y, int32_t width, int32_t height,
                                  int32_t ovalWidth, int32_t ovalHeight);
int32_t RuntimeGraphicsStringWidth(ObjectHeader* g, StringRecord* text);
int32_t RuntimeGraphicsTextHeight(ObjectHeader* g);
int32_t RuntimeGraphicsTextAscent(ObjectHeader* g);
int32_t graphicsPixelGetter(ObjectHeader* g, int32_t x, int32_t y);
void graphicsPixelSetter(ObjectHeader* g, int32_t x, int32_t y, int32_t color);
void graphicsDrawStopIcon(ObjectHeader* g, int32_t x, int32_t y);
void graphicsDrawNoteIcon(ObjectHeader* g, int32_t x, int32_t y);
void graphicsDrawCautionIcon(ObjectHeader* g, int32_t x, int32_t y);
void RuntimeGraphicsNextPage(ObjectHeader* g);

// Red, green and blue, each clamped to 0..255, as 0xRRGGBB.
int32_t RuntimeRGB(int32_t red, int32_t green, int32_t blue);
// A Graphics drawing into the picture (one reference); Nil for Nil.
ObjectHeader* pictureGraphicsGetter(ObjectHeader* picture, int32_t);
}

// Declares the properties of the Graphics class, in the order of its table.
void graphicsDeclareProperties(ClassDescriptor* cls);
