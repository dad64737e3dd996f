// Pictures: image data carried in the application image, decoded into bitmaps on first use.
#pragma once

#include "runtime/objects/object.h"

#include <windows.h>

#include <cstdint>

// A picture of the image keeps its description in place until it is first drawn; decoding
// makes a 32-bit top-down DIB section and, for a transparent picture, a mask beside it.
struct PictureObject {
    ObjectHeader header;
    const uint8_t* description; // the picture data in the image; null for none
    uint32_t descriptionSize;   // bytes from `description` to the end of its block
    int32_t transparent;        // the Transparent setting: non-zero asks for a mask
    HBITMAP image;
    HBITMAP mask;
    int32_t width;
    int32_t height;
    uint8_t decodeTried;
    HDC imageDC; // while Graphics draw into the picture: the memory DC its image is selected in
    int32_t imageDCUsers;
    HGDIOBJ imageDCOwnBitmap;
};
static_assert(sizeof(PictureObject) <= 64, "the Picture class is 64 bytes");

// What DrawPicture copies from. The white pixels of a transparent picture are its transparent
// ones: the mask is white there and black elsewhere, and the image is black there, so that
// the mask drawn with SRCAND and then the image with SRCPAINT leave the background showing.
struct PictureBitmaps {
    HBITMAP image;
    HBITMAP mask; // null for an opaque picture
    int32_t width;
    int32_t height;
    HDC imageDC; // null, or the DC that has the image selected (a bitmap is in one DC at a time)
};

// A new Picture (one reference) over picture data in place; nothing is read yet.
ObjectHeader* pictureFromImageData(const uint8_t* description, uint32_t available, int32_t transparent);
// Decodes on the first call. False for Nil, for a picture without data, and for data whose
// header does not fit its bytes (such a picture stays empty).
bool pictureBitmaps(ObjectHeader* picture, PictureBitmaps& bitmaps);

ClassDescriptor* pictureClass();

// Lends the image to a Graphics drawing into the picture: a memory DC with the image selected,
// shared by every such Graphics, until each has called pictureEndDrawing. Null for a picture
// that cannot be decoded.
HDC pictureBeginDrawing(ObjectHeader* picture);
void pictureEndDrawing(ObjectHeader* picture);
// Declares the properties of the Picture class.
void pictureDeclareProperties(ClassDescriptor* cls);
