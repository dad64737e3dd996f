// Pictures: image data carried in the application image, decoded into bitmaps on first use.
#include "graphics/picture.h"

#include "graphics/picturedata.h"
#include "runtime/objects/builtinclassset.h"

#include <string>

namespace {

constexpr uint16_t white555 = 0x7FFF;

// A 32-bit top-down DIB section; `bits` receives its pixels.
HBITMAP makeBitmap(int32_t width, int32_t height, uint32_t*& bits)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    bits = static_cast<uint32_t*>(pixels);
    return bitmap;
}

void fillImage(const PictureData& data, uint32_t* image, uint32_t* mask)
{
    for (uint32_t y = 0; y < data.height; ++y) {
        for (uint32_t x = 0; x < data.width; ++x) {
            uint16_t pixel = pictureDataPixel(data, x, y);
            bool clear = mask && pixel == white555;
            image[y * data.width + x] = clear ? 0 : pictureRgbFrom555(pixel);
            if (mask)
                mask[y * data.width + x] = clear ? 0xFFFFFF : 0;
        }
    }
}

void freeBitmaps(PictureObject& picture)
{
    if (picture.image)
        DeleteObject(picture.image);
    if (picture.mask)
        DeleteObject(picture.mask);
    picture.image = picture.mask = nullptr;
}

void reportNotShown(const std::string& why)
{
    OutputDebugStringA(("The picture is not shown: " + why + "\n").c_str());
}

void decode(PictureObject& picture)
{
    picture.decodeTried = 1;
    PictureData data;
    std::string fault;
    if (!picture.description)
        return;
    if (!pictureDataRead(picture.description, picture.descriptionSize, data, fault)) {
        reportNotShown(fault);
        return;
    }
    int32_t width = static_cast<int32_t>(data.width), height = static_cast<int32_t>(data.height);
    uint32_t* imageBits = nullptr;
    uint32_t* maskBits = nullptr;
    picture.image = makeBitmap(width, height, imageBits);
    if (picture.transparent)
        picture.mask = makeBitmap(width, height, maskBits);
    if (!picture.image || (picture.transparent && !picture.mask)) {
        freeBitmaps(picture);
        reportNotShown("no bitmap of " + std::to_string(width) + " x " + std::to_string(height) + " could be made");
        return;
    }
    fillImage(data, imageBits, maskBits);
    GdiFlush();
    picture.width = width;
    picture.height = height;
}

void destroyPicture(ObjectHeader* object, ClassDescriptor*)
{
    freeBitmaps(*reinterpret_cast<PictureObject*>(object));
}

// The built-in Picture class frees the bitmaps.
[[maybe_unused]] const bool destructorRegistered = (builtinClassOnSetUp(BuiltinClassId::Picture,
                                                                        [](ClassDescriptor* cls) {
                                                                            cls->destructor = destroyPicture;
                                                                            pictureDeclareProperties(cls);
                                                                        }),
                                                    true);

} // namespace

ClassDescriptor* pictureClass()
{
    return builtinClass(BuiltinClassId::Picture);
}

ObjectHeader* pictureFromImageData(const uint8_t* description, uint32_t available, int32_t transparent)
{
    ObjectHeader* object = objectInstantiate(pictureClass());
    auto* picture = reinterpret_cast<PictureObject*>(object);
    picture->description = description;
    picture->descriptionSize = available;
    picture->transparent = transparent;
    return object;
}

bool pictureBitmaps(ObjectHeader* object, PictureBitmaps& bitmaps)
{
    if (!objectIsa(object, pictureClass()))
        return false;
    auto* picture = reinterpret_cast<PictureObject*>(object);
    if (!picture->decodeTried)
        decode(*picture);
    bitmaps = {picture->image, picture->mask, picture->width, picture->height, picture->imageDC};
    return picture->image != nullptr;
}

HDC pictureBeginDrawing(ObjectHeader* object)
{
    PictureBitmaps bitmaps;
    if (!pictureBitmaps(object, bitmaps))
        return nullptr;
    auto* picture = reinterpret_cast<PictureObject*>(object);
    if (!picture->imageDC) {
        picture->imageDC = CreateCompatibleDC(nullptr);
        picture->imageDCOwnBitmap = SelectObject(picture->imageDC, picture->image);
    }
    ++picture->imageDCUsers;
    return picture->imageDC;
}

void pictureEndDrawing(ObjectHeader* object)
{
    auto* picture = reinterpret_cast<PictureObject*>(object);
    if (!picture->imageDC || --picture->imageDCUsers > 0)
        return;
    SelectObject(picture->imageDC, picture->imageDCOwnBitmap);
    DeleteDC(picture->imageDC);
    picture->imageDC = nullptr;
    GdiFlush();
}
